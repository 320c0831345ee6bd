#pragma once

#include "records/RecordItem.h"
#include "records/StructureModes.h"
#include "spectrum/SpectrumOrigin.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class SpectrumSet;

// A set's items as plain values, in the set's order: what a set file holds,
// and the conversion between them and the set's own items.

// A record item: the record as read and how it is used.
struct SetRecord {
    std::shared_ptr<const GroundMotionRecord> record;
    RecordScaling scaling;
    std::optional<ArtificialFigures> artificial;
};

// A tabulated curve: its points and what it was made from.
struct SetCurve {
    std::vector<double> periods;
    std::vector<double> values;
    double damping = 0.05;
    std::vector<std::string> recordNames;  // narrow text, as the set keeps names
};

// One item: a code spectrum, a record where `record` holds one, or a curve
// where `curve` holds one (for these two only `name` and `visible` of the
// spectrum's fields count).
struct SetSpectrum {
    std::string name;  // narrow text, as the set keeps it
    std::int32_t codeType = 0;
    double alphaMax = 0;
    double tg = 0;
    double dampingRatio = 0;
    bool visible = true;
    SpectrumOrigin origin;
    std::optional<SetRecord> record = std::nullopt;
    std::optional<SetCurve> curve = std::nullopt;

    bool isRecord() const { return record.has_value(); }
    bool isCurve() const { return curve.has_value(); }
    bool isCodeSpectrum() const { return !isRecord() && !isCurve(); }
};
using SetContents = std::vector<SetSpectrum>;

// The check window's inputs kept with the set: the main periods and the
// base shears as typed (V0 under the empty name), the records ticked or
// unticked there, and the structure's modes (only modes the check takes).
struct SetCheckInputs {
    QString mainPeriods;
    std::vector<std::pair<QString, QString>> baseShears;
    std::vector<std::pair<QString, bool>> ticks;
    bool inelastic = false;
    std::optional<StructureModel> structure;

    bool empty() const
    {
        return mainPeriods.isEmpty() && baseShears.empty() && ticks.empty() && !inelastic && !structure;
    }
};

// Whether two sets of check inputs are the same to the user: the modes'
// numbers within the 15 digits a typed cell holds.
bool sameCheckInputs(const SetCheckInputs& a, const SetCheckInputs& b);

// What the set holds, in its order.
SetContents setContentsOf(const SpectrumSet& set);

// Replaces what `set` holds by `contents`, one item after the other in
// order, each with its check mark and origin, as Create would have added them.
// The contents must have passed a set file's checks (or come from a set).
void replaceSetContents(SpectrumSet& set, const SetContents& contents);
