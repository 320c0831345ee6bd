#pragma once

#include "library/LibraryCatalogue.h"

#include <QString>

#include <optional>

// Which components of a catalogue the library window lists: a text, and
// ranges of magnitude, Rjb and Vs30.

// A range of one figure, both ends included; an end left out is no limit.
struct FigureRange {
    std::optional<double> minimum;
    std::optional<double> maximum;

    bool limits() const { return minimum || maximum; }
    // An unknown figure is in a range without limits, and in a limited one
    // only when `unknownPasses`.
    bool admits(const std::optional<double>& value, bool unknownPasses) const;
};

struct LibraryFilter {
    // Words, each of which must appear (in any case) in the component's
    // file, recording, event or station; blanks between words.
    QString text;
    FigureRange magnitude;
    FigureRange rjbKm;
    FigureRange vs30;
    // A component whose figure is unknown passes that figure's limits.
    bool includeUnknown = false;

    bool passes(const CatalogueComponent& component) const;
};
