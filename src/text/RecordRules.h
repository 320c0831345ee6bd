#pragma once

#include <QString>

#include <optional>

// The ranges of a record's numbers, each with its words once: the rule book
// (inputs/InputRules) reads typed values through them, and the core's own
// checks (records/) and kspect refuse through them. They live in text/, the
// lowest folder with translated words that both inputs/ and records/ reach.
// A refusal is a sentence in the installed language (kspect installs none);
// refusalFragment makes it the tail of a longer line ("--damping: ...").

// A damping ratio an oscillator can have: at least 0 and below 1.
bool isOscillatorDamping(double ratio);
// "The damping ratio must be at least 0 and below 1.", or with another
// subject: "The target spectrum's damping ratio must be ...".
QString dampingRangeRefusal();
QString targetDampingRangeRefusal();

// A peak a record can be scaled to: finite and above 0.
bool isTargetPeak(double peak);
// "The target peak must be a number above 0."
QString targetPeakRefusal();

// Whether whole steps of `step` make up `duration` (to rounding).
bool stepDividesDuration(double step, double duration);
// "The time step 0.02 s does not divide the duration 12.01 s.", the numbers
// as the caller writes them.
QString stepDurationRefusal(const QString& step, const QString& duration);

// A refusal's sentence as the tail of a line: first letter in lower case,
// without its closing full stop (or the ideographic one).
QString refusalFragment(QString sentence);
