#pragma once

#include "spectrum/SpectrumOrigin.h"

#include <QString>

class KavrelSpectrum;

// A code spectrum a window may work against (records matched to it, a
// selection checked against it), with the selection indices it came from:
// -1 when not known, which leaves the peaks without a table value.
struct TargetChoice {
    QString name;
    const KavrelSpectrum* spectrum = nullptr;
    int intensityIndex = -1;
    int actionIndex = -1;
    SpectrumOrigin origin;  // the selections in words, for the printed sheet
};
