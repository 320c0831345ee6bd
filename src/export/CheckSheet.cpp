#include "export/CheckSheet.h"

#include "export/TableText.h"
#include "text/FigureText.h"
#include "text/NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace {

namespace limits = selectionLimits;

QString recordName(const SelectionCheck& check, int record)
{
    return QString::fromStdString(check.records[static_cast<std::size_t>(record)].name);
}

QString translated(const char* text)
{
    return QCoreApplication::translate("CheckSheet", text);
}

// A check's name as the sheet writes it ("spectrum@1.2", "duration:NAME").
QString writtenCheckName(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale,
                         const QStringList& periodTexts)
{
    switch (v.kind) {
    case CheckKind::Count:
        return QStringLiteral("count");
    case CheckKind::NaturalShare:
        return QStringLiteral("natural-share");
    case CheckKind::Spectrum:
        return QStringLiteral("spectrum@") + mainPeriodText(check, v.period, periodTexts, locale, FigureWords::AsWritten);
    case CheckKind::Duration:
        return QStringLiteral("duration:") + recordName(check, v.record);
    case CheckKind::Peak:
        return QStringLiteral("peak:") + recordName(check, v.record);
    case CheckKind::BaseShear:
        return QStringLiteral("base-shear:") + recordName(check, v.record);
    case CheckKind::BaseShearMean:
        return QStringLiteral("base-shear-mean");
    }
    return QString();
}

// A check's name in the installed language ("Spectrum at T1 = 1.2 s").
QString shownCheckName(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale,
                       const QStringList& periodTexts)
{
    switch (v.kind) {
    case CheckKind::Count:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Number of records"));
    case CheckKind::NaturalShare:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Recorded and artificial"));
    case CheckKind::Spectrum:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Spectrum at T%1 = %2 s"))
            .arg(v.period + 1)
            .arg(mainPeriodText(check, v.period, periodTexts, locale, FigureWords::Translated));
    case CheckKind::Duration:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Effective duration: %1")).arg(recordName(check, v.record));
    case CheckKind::Peak:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Peak: %1")).arg(recordName(check, v.record));
    case CheckKind::BaseShear:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Base shear: %1")).arg(recordName(check, v.record));
    case CheckKind::BaseShearMean:
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "Mean base shear"));
    }
    return QString();
}

// The figure column's templates. The sheet that kspect prints and the
// clipboard carry them as they are; a window shows them translated.
QString figureTemplate(const char* text, FigureWords words)
{
    return words == FigureWords::Translated ? QCoreApplication::translate("CheckSheet", text)
                                            : QString::fromLatin1(text);
}

// A template with a symbol or unit: in plain ASCII as written, in its own
// typography (alpha_r as "αr", "cm/s²") in a window.
QString figureTemplate(const char* written, const char* shown, FigureWords words)
{
    return words == FigureWords::Translated ? QCoreApplication::translate("CheckSheet", shown)
                                            : QString::fromLatin1(written);
}

QString countFigure(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale, FigureWords words)
{
    const char* text = nullptr;
    if (v.verdict != Verdict::Pass)
        text = v.value == 1 ? QT_TRANSLATE_NOOP("CheckSheet", "%1 record, at least %2")
                            : QT_TRANSLATE_NOOP("CheckSheet", "%1 records, at least %2");
    else if (check.meanGoverns)
        text = QT_TRANSLATE_NOOP("CheckSheet", "%1 records, at least %2; with 7 or more the larger of the mean of "
                                               "the results and the response-spectrum result governs");
    else
        text = QT_TRANSLATE_NOOP("CheckSheet", "%1 records, at least %2; with 3 to 6 the larger of the envelope of "
                                               "the results and the response-spectrum result governs");
    return figureTemplate(text, words)
        .arg(checkFigureNumber(v.value, locale), checkFigureNumber(limits::minimumCount, locale));
}

// ", 0.65 to 1.35", or ", at least 0.65" without the upper limits.
QString shearLimits(double minimum, double maximum, const SelectionCheck& check, const QLocale& locale,
                    FigureWords words)
{
    if (!check.shearUpperLimits)
        return figureTemplate(QT_TRANSLATE_NOOP("CheckSheet", ", at least %1"), words)
            .arg(checkFigureNumber(minimum, locale));
    return figureTemplate(QT_TRANSLATE_NOOP("CheckSheet", ", %1 to %2"), words)
        .arg(checkFigureNumber(minimum, locale), checkFigureNumber(maximum, locale));
}

}  // namespace

QString modalShearsInfo(const ModalShears& shears, const QLocale& locale, FigureWords words)
{
    const auto n = [&locale](double value) { return checkFigureNumber(value, locale); };
    const char* method = shears.combination == ModeCombination::Cqc
                             ? QT_TRANSLATE_NOOP("CheckSheet", "V0 %1 kN by CQC of %2 modes, mass ratio sum %3")
                             : QT_TRANSLATE_NOOP("CheckSheet", "V0 %1 kN by SRSS of %2 modes, mass ratio sum %3");
    QString info = figureTemplate(method, words).arg(n(shears.responseSpectrum), n(shears.modeCount),
                                                      n(shears.massRatioSum));
    // A sum of typed ratios that is 0.9 on paper may fall a rounding below.
    if (shears.massRatioSum < modeLimits::massRatioWanted - 1e-9)
        info += figureTemplate(QT_TRANSLATE_NOOP("CheckSheet", "; below %1: the modes taken should carry at "
                                                               "least 90 % of the mass"),
                               words)
                    .arg(n(modeLimits::massRatioWanted));
    if (shears.beyondCurve > 0)
        info += figureTemplate(QT_TRANSLATE_NOOP("CheckSheet", "; %1 modes above %2 s take alpha at %2 s"), words)
                    .arg(n(shears.beyondCurve), n(modeLimits::curveEnd));
    return info;
}

QString checkFigureText(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale, FigureWords words)
{
    const auto n = [&locale](double value) { return checkFigureNumber(value, locale); };
    const auto text = [words](const char* source) { return figureTemplate(source, words); };
    const auto symbols = [words](const char* written, const char* shown) {
        return figureTemplate(written, shown, words);
    };
    switch (v.kind) {
    case CheckKind::Count:
        return countFigure(check, v, locale, words);
    case CheckKind::NaturalShare:
        if (check.codeType == 1)
            return text(QT_TRANSLATE_NOOP("CheckSheet",
                                          "%1 recorded, %2 artificial; at least 2 recorded and 1 artificial"))
                .arg(n(v.value), n(v.second));
        return text(QT_TRANSLATE_NOOP("CheckSheet", "%1 of %2 recorded (%3), at least 2/3"))
            .arg(n(v.value), n(v.value + v.second),
                 v.value + v.second > 0 ? n(v.value / (v.value + v.second)) : n(0));
    case CheckKind::Spectrum: {
        const auto k = static_cast<std::size_t>(v.period);
        return symbols("mean alpha_r/alpha %1 (%2 g / %3 g), %4 to %5",
                       QT_TRANSLATE_NOOP("CheckSheet", "mean αr/α %1 (%2 g / %3 g), %4 to %5"))
            .arg(n(v.value), n(check.meanAlpha[k]), n(check.targetAlpha[k]),
                 n(1 - limits::spectrumTolerance), n(1 + limits::spectrumTolerance));
    }
    case CheckKind::Duration:
        return text(QT_TRANSLATE_NOOP("CheckSheet", "%1 s = %2 T1, at least %3 T1 (%3 to %4 T1 is the usual range)"))
            .arg(n(v.value), n(v.second), n(limits::durationMinimum), n(limits::durationUsualUpTo));
    case CheckKind::Peak:
        if (!v.hasLimit)
            return symbols("peak %1 cm/s^2; the table has no value for this intensity and action",
                           QT_TRANSLATE_NOOP("CheckSheet",
                                             "peak %1 cm/s²; the table has no value for this intensity and action"))
                .arg(n(v.value));
        return symbols("peak %1 cm/s^2, table %2 cm/s^2", QT_TRANSLATE_NOOP("CheckSheet", "peak %1 cm/s², table %2 cm/s²"))
            .arg(n(v.value), n(v.second));
    case CheckKind::BaseShear: {
        const QString ratio = check.modalShears
                                  ? text(QT_TRANSLATE_NOOP("CheckSheet", "V/V0 %1 (%2 kN / %3 kN)"))
                                        .arg(n(v.value), n(v.second), n(check.modalShears->responseSpectrum))
                                  : text(QT_TRANSLATE_NOOP("CheckSheet", "V/V0 %1")).arg(n(v.value));
        return ratio + shearLimits(limits::shearEachMinimum, limits::shearEachMaximum, check, locale, words);
    }
    case CheckKind::BaseShearMean:
        return text(QT_TRANSLATE_NOOP("CheckSheet", "mean V/V0 %1")).arg(n(v.value))
               + shearLimits(limits::shearMeanMinimum, limits::shearMeanMaximum, check, locale, words);
    }
    return QString();
}

QString checkFigureNumber(double value, const QLocale& locale)
{
    // Four significant digits; a millionth of a ratio, a second or a cm/s^2
    // is 0.
    return formatFigure(value, 4, 6, locale);
}

QString verdictWord(Verdict verdict, FigureWords words)
{
    const auto word = [words](const char* text) {
        return words == FigureWords::Translated ? translated(text) : QString::fromLatin1(text);
    };
    switch (verdict) {
    case Verdict::Pass:
        return word(QT_TRANSLATE_NOOP("CheckSheet", "pass"));
    case Verdict::Fail:
        return word(QT_TRANSLATE_NOOP("CheckSheet", "fail"));
    case Verdict::Warning:
        return word(QT_TRANSLATE_NOOP("CheckSheet", "warning"));
    }
    return QString();
}

// One rule for both wordings (the window's): the text typed for a period
// where there is one, else its number.
QString mainPeriodText(const SelectionCheck& check, int period, const QStringList& periodTexts, const QLocale& locale,
                       FigureWords words)
{
    if (period >= 0 && period < periodTexts.size())
        return periodTexts[period];
    const double value = check.mainPeriods.at(static_cast<std::size_t>(period));
    return words == FigureWords::Translated ? checkFigureNumber(value, locale) : formatGeneral(value, locale);
}

QList<QStringList> checkSheetRecordRows(const SelectionCheck& check, const QLocale& locale,
                                        const QStringList& periodTexts, FigureWords words)
{
    const bool shown = words == FigureWords::Translated;
    // Scripts read back every digit; a reader gets 4 significant ones.
    const auto n = [&locale, shown](double value) {
        return shown ? checkFigureNumber(value, locale) : formatGeneral(value, locale);
    };
    QStringList header;
    if (shown)
        header = QStringList{translated(QT_TRANSLATE_NOOP("CheckSheet", "Record")),
                             translated(QT_TRANSLATE_NOOP("CheckSheet", "Kind")),
                             translated(QT_TRANSLATE_NOOP("CheckSheet", "Peak (cm/s²)")),
                             effectiveDurationHeading()};
    else
        header = QStringList{QStringLiteral("record"), QStringLiteral("kind"), QStringLiteral("peak_cm_s2"),
                             QStringLiteral("effective_duration_s")};
    for (std::size_t k = 0; k < check.mainPeriods.size(); ++k) {
        if (shown)
            header << translated(QT_TRANSLATE_NOOP("CheckSheet", "αr/α at T%1 = %2 s"))
                          .arg(k + 1)
                          .arg(mainPeriodText(check, static_cast<int>(k), periodTexts, locale, words));
        else
            header << QStringLiteral("ratio_%1").arg(k + 1);
    }
    QList<QStringList> rows{header};
    for (const RecordFigures& record : check.records) {
        QString kind;
        if (shown)
            kind = record.artificial ? translated(QT_TRANSLATE_NOOP("CheckSheet", "artificial"))
                                     : translated(QT_TRANSLATE_NOOP("CheckSheet", "natural"));
        else
            kind = record.artificial ? QStringLiteral("artificial") : QStringLiteral("natural");
        QStringList row{QString::fromStdString(record.name), kind, n(record.peakCm), n(record.effectiveDuration)};
        for (double ratio : record.ratio)
            row << n(ratio);
        rows << row;
    }
    QStringList mean{shown ? translated(QT_TRANSLATE_NOOP("CheckSheet", "Mean")) : QStringLiteral("mean"), QString(),
                     QString(), QString()};
    for (double ratio : check.meanRatio)
        mean << n(ratio);
    rows << mean;
    return rows;
}

QList<QStringList> checkSheetVerdictRows(const SelectionCheck& check, const QLocale& locale,
                                         const QStringList& periodTexts, FigureWords words)
{
    QList<QStringList> rows;
    for (const CheckVerdict& v : check.verdicts) {
        if (check.modalShears && v.kind == CheckKind::BaseShear && v.record == 0)
            rows << QStringList{QStringLiteral("base-shear-rs"), QStringLiteral("info"),
                                modalShearsInfo(*check.modalShears, locale, words)};
        const QString name = words == FigureWords::Translated ? shownCheckName(check, v, locale, periodTexts)
                                                              : writtenCheckName(check, v, locale, periodTexts);
        rows << QStringList{name, verdictWord(v.verdict, words), checkFigureText(check, v, locale, words)};
    }
    return rows;
}

QList<QStringList> checkSheetRows(const SelectionCheck& check, const QLocale& locale, const QStringList& periodTexts,
                                  FigureWords words)
{
    QList<QStringList> rows = checkSheetRecordRows(check, locale, periodTexts, words);
    rows << QStringList();
    rows << checkSheetVerdictRows(check, locale, periodTexts, words);
    return rows;
}

QString checkSheetText(const SelectionCheck& check, const QLocale& locale, const QStringList& periodTexts)
{
    return tabSeparatedText(checkSheetRows(check, locale, periodTexts));
}

QString checkSheetHtml(const SelectionCheck& check, const QLocale& locale, const QStringList& periodTexts)
{
    return htmlTable(checkSheetRows(check, locale, periodTexts), true);
}

QString effectiveDurationHeading()
{
    return translated(QT_TRANSLATE_NOOP("CheckSheet", "Effective duration (s)"));
}
