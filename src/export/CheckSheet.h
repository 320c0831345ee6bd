#pragma once

#include "records/RecordSelectionCheck.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The check sheet of a record selection as cell texts: the table of the
// records (kind, scaled peak, effective duration, alpha_r / alpha at each main
// period) with its mean row, then one row per verdict (and, before the base
// shears computed from modes, the row `base-shear-rs, info, ...`). The same rows go to
// kspect's standard output, the clipboard (tab-separated and HTML) and the
// printed page.
//
// Number rule: the table's figures are in the general form (15 significant
// digits, so that scripts read back what was computed); the figure column's
// numbers are rounded to 4 significant digits first, for reading. Main periods
// are named as the user typed them when `periodTexts` holds one text per
// period, else in the general form.

// A figure for reading: rounded to 4 significant digits, in the general form.
QString checkFigureNumber(double value, const QLocale& locale = QLocale::c());

// The words around a verdict's figures: as the sheet is written (kspect's
// output, the clipboard's sheet) or in the installed language, for a window.
enum class FigureWords { AsWritten, Translated };

// The figure column of `verdict`, e.g. "V/V0 0.9, 0.65 to 1.35".
QString checkFigureText(const SelectionCheck& check, const CheckVerdict& verdict, const QLocale& locale,
                        FigureWords words);

// The line before the base shears computed from modes, e.g. "V0 1234 kN by
// CQC of 12 modes, mass ratio sum 0.93", with a note when the modes carry
// less than 90 % of the mass or reach beyond the code's curve.
QString modalShearsInfo(const ModalShears& shears, const QLocale& locale, FigureWords words);

// "pass", "fail", "warning".
QString verdictWord(Verdict verdict);

// The header `record, kind, peak_cm_s2, effective_duration_s, ratio_1, ...`,
// one row per record and the row `mean` (ratios only).
QList<QStringList> checkSheetRecordRows(const SelectionCheck& check, const QLocale& locale = QLocale::c());

// One row `check, verdict, figure` per verdict, in the check's order.
QList<QStringList> checkSheetVerdictRows(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                                         const QStringList& periodTexts = {});

// The record rows, one empty row, the verdict rows.
QList<QStringList> checkSheetRows(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                                  const QStringList& periodTexts = {});

// The whole sheet as tab-separated lines and as an HTML table.
QString checkSheetText(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                       const QStringList& periodTexts = {});
QString checkSheetHtml(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                       const QStringList& periodTexts = {});
