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

QString checkName(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale,
                  const QStringList& periodTexts)
{
    switch (v.kind) {
    case CheckKind::Count:
        return QStringLiteral("count");
    case CheckKind::NaturalShare:
        return QStringLiteral("natural-share");
    case CheckKind::Spectrum: {
        const bool typed = periodTexts.size() == static_cast<qsizetype>(check.mainPeriods.size());
        return QStringLiteral("spectrum@")
               + (typed ? periodTexts[v.period]
                        : formatGeneral(check.mainPeriods[static_cast<std::size_t>(v.period)], locale));
    }
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

// The figure column's templates. The sheet that kspect prints and the
// clipboard carry them as they are; a window shows them translated.
QString figureTemplate(const char* text, FigureWords words)
{
    return words == FigureWords::Translated ? QCoreApplication::translate("CheckSheet", text)
                                            : QString::fromLatin1(text);
}

QString countFigure(const SelectionCheck& check, const CheckVerdict& v, const QLocale& locale, FigureWords words)
{
    const char* text = nullptr;
    if (v.verdict != Verdict::Pass)
        text = v.value == 1 ? QT_TRANSLATE_NOOP("CheckSheet", "%1 record, at least %2")
                            : QT_TRANSLATE_NOOP("CheckSheet", "%1 records, at least %2");
    else if (check.meanGoverns)
        text = QT_TRANSLATE_NOOP("CheckSheet",
                                 "%1 records, at least %2; with 7 or more the mean of the results governs");
    else
        text = QT_TRANSLATE_NOOP("CheckSheet",
                                 "%1 records, at least %2; with 3 to 6 the envelope of the results governs");
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
    if (shears.massRatioSum < modeLimits::massRatioWanted)
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
        return text(QT_TRANSLATE_NOOP("CheckSheet", "mean alpha_r/alpha %1 (%2 g / %3 g), %4 to %5"))
            .arg(n(v.value), n(check.meanAlpha[k]), n(check.targetAlpha[k]),
                 n(1 - limits::spectrumTolerance), n(1 + limits::spectrumTolerance));
    }
    case CheckKind::Duration:
        return text(QT_TRANSLATE_NOOP("CheckSheet", "%1 s = %2 T1, %3 to %4 T1"))
            .arg(n(v.value), n(v.second), n(limits::durationMinimum), n(limits::durationMaximum));
    case CheckKind::Peak:
        if (!v.hasLimit)
            return text(QT_TRANSLATE_NOOP("CheckSheet",
                                          "peak %1 cm/s^2; the table has no value for this intensity and action"))
                .arg(n(v.value));
        return text(QT_TRANSLATE_NOOP("CheckSheet", "peak %1 cm/s^2, table %2 cm/s^2")).arg(n(v.value), n(v.second));
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

QString verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return QStringLiteral("pass");
    case Verdict::Fail:
        return QStringLiteral("fail");
    case Verdict::Warning:
        return QStringLiteral("warning");
    }
    return QString();
}

QList<QStringList> checkSheetRecordRows(const SelectionCheck& check, const QLocale& locale)
{
    QStringList header{QStringLiteral("record"), QStringLiteral("kind"), QStringLiteral("peak_cm_s2"),
                       QStringLiteral("effective_duration_s")};
    for (std::size_t k = 1; k <= check.mainPeriods.size(); ++k)
        header << QStringLiteral("ratio_%1").arg(k);
    QList<QStringList> rows{header};
    for (const RecordFigures& record : check.records) {
        QStringList row{QString::fromStdString(record.name),
                        record.artificial ? QStringLiteral("artificial") : QStringLiteral("natural"),
                        formatGeneral(record.peakCm, locale), formatGeneral(record.effectiveDuration, locale)};
        for (double ratio : record.ratio)
            row << formatGeneral(ratio, locale);
        rows << row;
    }
    QStringList mean{QStringLiteral("mean"), QString(), QString(), QString()};
    for (double ratio : check.meanRatio)
        mean << formatGeneral(ratio, locale);
    rows << mean;
    return rows;
}

QList<QStringList> checkSheetVerdictRows(const SelectionCheck& check, const QLocale& locale,
                                         const QStringList& periodTexts)
{
    QList<QStringList> rows;
    for (const CheckVerdict& v : check.verdicts) {
        if (check.modalShears && v.kind == CheckKind::BaseShear && v.record == 0)
            rows << QStringList{QStringLiteral("base-shear-rs"), QStringLiteral("info"),
                                modalShearsInfo(*check.modalShears, locale, FigureWords::AsWritten)};
        rows << QStringList{checkName(check, v, locale, periodTexts), verdictWord(v.verdict),
                            checkFigureText(check, v, locale, FigureWords::AsWritten)};
    }
    return rows;
}

QList<QStringList> checkSheetRows(const SelectionCheck& check, const QLocale& locale, const QStringList& periodTexts)
{
    QList<QStringList> rows = checkSheetRecordRows(check, locale);
    rows << QStringList();
    rows << checkSheetVerdictRows(check, locale, periodTexts);
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
