#pragma once

#include "records/RecordSelectionCheck.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The check sheet of a record selection as cell texts: the table of the
// records (kind, scaled peak, effective duration, alpha_r / alpha at each main
// period) with its mean row, then one row per verdict (and, before the base
// shears computed from modes, the row `base-shear-rs, info, ...`). The one builder of
// these rows, in two wordings: as written (kspect's standard output, the
// clipboard's sheet in English: ASCII words for scripts) and translated (the
// check window's tables, its printed sheet and the clipboard in another
// language).
//
// Number rule: as written, the table's figures are in the general form (15
// significant digits, so that scripts read back what was computed);
// translated, and in the figure column of both, numbers are rounded to 4
// significant digits first, for reading. A main period is named as the user
// typed it where `periodTexts` holds a text for it, else by its number.

// A figure for reading: rounded to 4 significant digits, in the general form.
QString checkFigureNumber(double value, const QLocale& locale = QLocale::c());

// The sheet's words: as written, or in the installed language.
enum class FigureWords { AsWritten, Translated };

// The figure column of `verdict`, e.g. "V/V0 0.9, 0.65 to 1.35".
QString checkFigureText(const SelectionCheck& check, const CheckVerdict& verdict, const QLocale& locale,
                        FigureWords words);

// The line before the base shears computed from modes, e.g. "V0 1234 kN by
// CQC of 12 modes, mass ratio sum 0.93", with a note when the modes carry
// less than 90 % of the mass or reach beyond the code's curve.
QString modalShearsInfo(const ModalShears& shears, const QLocale& locale, FigureWords words);

// "pass", "fail", "warning", or their translations.
// The heading of a column of records' effective durations, in every table
// that lists them.
QString effectiveDurationHeading();

QString verdictWord(Verdict verdict, FigureWords words = FigureWords::AsWritten);

// Main period `period` (0-based) by the rule above.
QString mainPeriodText(const SelectionCheck& check, int period, const QStringList& periodTexts, const QLocale& locale,
                       FigureWords words);

// The header (as written `record, kind, peak_cm_s2, effective_duration_s,
// ratio_1, ...`), one row per record and the mean row (ratios only).
QList<QStringList> checkSheetRecordRows(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                                        const QStringList& periodTexts = {},
                                        FigureWords words = FigureWords::AsWritten);

// One row `check, verdict, figure` per verdict, in the check's order.
QList<QStringList> checkSheetVerdictRows(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                                         const QStringList& periodTexts = {},
                                         FigureWords words = FigureWords::AsWritten);

// The record rows, one empty row, the verdict rows.
QList<QStringList> checkSheetRows(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                                  const QStringList& periodTexts = {}, FigureWords words = FigureWords::AsWritten);

// The whole sheet as tab-separated lines and as an HTML table.
QString checkSheetText(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                       const QStringList& periodTexts = {});
QString checkSheetHtml(const SelectionCheck& check, const QLocale& locale = QLocale::c(),
                       const QStringList& periodTexts = {});
