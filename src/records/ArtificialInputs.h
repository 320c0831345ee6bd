#pragma once

#include "inputs/InputRules.h"
#include "records/ArtificialBatch.h"

#include <QLocale>
#include <QString>

class KavrelSpectrum;

// The texts of the Artificial Records window read into a batch request,
// with the message for the first one that is refused.

struct ArtificialTexts {
    int count = 1;         // from a box that holds 1..maxArtificialRecords
    QString duration;      // s
    double step = 0.01;    // from a box of 0.005, 0.01 and 0.02
    QString firstSeed;     // a whole number
    QString peak;          // cm/s^2
};

// The largest first seed accepted: typed seeds stay short and the batch's
// further seeds never wrap around.
constexpr std::uint64_t maxFirstSeed = 999999999;

// The request (peak in g), or the refusal of the first input that is wrong:
// a duration or peak that is no number or not above 0, a step that does not
// divide the duration, a seed that is no whole number from 0 to maxFirstSeed.
InputRead<ArtificialBatchRequest> readArtificialTexts(const ArtificialTexts& texts, const QLocale& locale = QLocale());

// The peak proposed for records matched to `target`, in cm/s^2: the peak of
// Table 5.1.2-2 where it has one for the target's intensity and action
// indices (-1: not known), as records are scaled; else its alpha(0) x g,
// rounded to 1 cm/s^2 (0.45 AlphaMax g for the codes' curves).
double proposedArtificialPeak(const KavrelSpectrum& target, int intensityIndex, int actionIndex);
