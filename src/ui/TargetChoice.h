#pragma once

#include "spectrum/SpectrumOrigin.h"

#include <QString>

#include <utility>

class KavrelSpectrum;

// A code spectrum a window may work against (records matched to it, a
// selection checked against it), with the selection indices it came from:
// -1 when not known, which leaves the peaks without a table value.
struct TargetChoice {
    TargetChoice() = default;
    TargetChoice(QString name, const KavrelSpectrum* spectrum, int intensityIndex = -1, int actionIndex = -1,
                 SpectrumOrigin origin = SpectrumOrigin())
        : name(std::move(name)), spectrum(spectrum), intensityIndex(intensityIndex), actionIndex(actionIndex),
          origin(std::move(origin))
    {
    }

    QString name;
    const KavrelSpectrum* spectrum = nullptr;
    int intensityIndex = -1;
    int actionIndex = -1;
    SpectrumOrigin origin;  // the selections in words, for the printed sheet
};
