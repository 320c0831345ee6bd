#include "records/ArtificialInputs.h"

#include "records/CodePeaks.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ArtificialInputs", text);
}

// A number above 0, or the message naming the input.
InputRead<double> readPositive(const QString& text, const char* mustBePositive, const QLocale& locale)
{
    InputRead<double> read;
    if (!parseLocaleDouble(text, read.value, locale))
        read.refusal = notANumberMessage(text);
    else if (!(read.value > 0) || !std::isfinite(read.value))
        read.refusal = translated(mustBePositive);
    return read;
}

} // namespace

InputRead<ArtificialBatchRequest> readArtificialTexts(const ArtificialTexts& texts, const QLocale& locale)
{
    InputRead<ArtificialBatchRequest> read;
    ArtificialBatchRequest& request = read.value;
    request.count = texts.count;
    request.record.step = texts.step;

    const InputRead<double> duration =
        readPositive(texts.duration, QT_TRANSLATE_NOOP("ArtificialInputs", "The duration must be above 0 s."), locale);
    if (!duration.accepted()) {
        read.refusal = duration.refusal;
        return read;
    }
    if (!stepDividesDuration(texts.step, duration.value)) {
        read.refusal = stepDurationRefusal(locale.toString(texts.step), locale.toString(duration.value));
        return read;
    }
    request.record.duration = duration.value;

    bool whole = false;
    const QString seedText = texts.firstSeed.trimmed();
    const qulonglong seed = locale.toULongLong(seedText, &whole);
    if (!whole || seed > maxFirstSeed || seedText.startsWith(QLatin1Char('+'))) {
        read.refusal = translated(QT_TRANSLATE_NOOP("ArtificialInputs", "The first seed must be a whole number from 0 to %1."))
                           .arg(maxFirstSeed);
        return read;
    }
    request.record.seed = seed;

    const InputRead<double> peak = readPositive(
        texts.peak, QT_TRANSLATE_NOOP("ArtificialInputs", "The peak acceleration must be above 0 cm/s^2."), locale);
    if (!peak.accepted()) {
        read.refusal = peak.refusal;
        return read;
    }
    request.record.peak = peak.value / standardGravityCm;
    return read;
}

double proposedArtificialPeak(const KavrelSpectrum& target, int intensityIndex, int actionIndex)
{
    if (const auto table = codeTablePeak(target.codeType, intensityIndex, actionIndex))
        return *table;
    double alpha0 = 0;
    if (target.alphaAt(0.0, alpha0) != 0)
        return 0;
    return std::round(alpha0 * standardGravityCm);
}
