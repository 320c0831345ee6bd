#include "text/RecordRules.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("RecordRules", text);
}

QString dampingRange(const char* subject)
{
    return QCoreApplication::translate("RecordRules", "%1 must be at least 0 and below 1.",
                                       "the subject is a damping ratio")
        .arg(translated(subject));
}

} // namespace

bool isOscillatorDamping(double ratio)
{
    return ratio >= 0 && ratio < 1;
}

QString dampingRangeRefusal()
{
    return dampingRange(QT_TRANSLATE_NOOP("RecordRules", "The damping ratio"));
}

QString targetDampingRangeRefusal()
{
    return dampingRange(QT_TRANSLATE_NOOP("RecordRules", "The target spectrum's damping ratio"));
}

bool isTargetPeak(double peak)
{
    return std::isfinite(peak) && peak > 0;
}

QString targetPeakRefusal()
{
    return translated(QT_TRANSLATE_NOOP("RecordRules", "The target peak must be a number above 0."));
}

bool stepDividesDuration(double step, double duration)
{
    const double steps = duration / step;
    return !(std::fabs(steps - std::round(steps)) > 1e-9 * steps);
}

QString stepDurationRefusal(const QString& step, const QString& duration)
{
    return translated(QT_TRANSLATE_NOOP("RecordRules", "The time step %1 s does not divide the duration %2 s."))
        .arg(step, duration);
}

QString refusalFragment(QString sentence)
{
    // A Chinese sentence ends with the ideographic full stop.
    if (sentence.endsWith(QLatin1Char('.')) || sentence.endsWith(QChar(0x3002)))
        sentence.chop(1);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}
