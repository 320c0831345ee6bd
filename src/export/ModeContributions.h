#pragma once

#include "records/RecordSelectionCheck.h"

#include <QList>
#include <QLocale>
#include <QStringList>

#include <string>
#include <vector>

// The modes' contributions to the base shears, for reading: one row per mode
// with its period, mass ratio, its V_j of the response-spectrum method and,
// for each record, its own peak r_j G Sa_j (their peaks fall at different
// times, so a record's V_TH is not their sum). Figures as the sheet's, to 4
// significant digits; the header's texts in the installed language.
// The heads of a mode's two columns, period and mass ratio, in the installed
// language: the contributions' and the window's table of modes.
QStringList modeColumnHeaders();

QList<QStringList> modeContributionRows(const StructureModel& structure, const ModalShears& shears,
                                        const std::vector<std::string>& recordNames,
                                        const std::vector<std::vector<double>>& recordPeaks,
                                        const QLocale& locale = QLocale());
