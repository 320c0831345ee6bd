#pragma once

#include "records/GroundMotionRecord.h"
#include "records/IntensityEnvelope.h"
#include "records/SpectrumMatch.h"
#include "spectrum/ItemName.h"
#include "spectrum/SetItem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// How a record item is used: the peak it is scaled to and the damping of its
// response spectrum.
struct RecordScaling {
    // cm/s^2, finite and above 0; nothing keeps the record as recorded.
    std::optional<double> targetPeakGal;
    double damping = 0.05;  // 0 <= damping < 1

    bool operator==(const RecordScaling& other) const
    {
        return targetPeakGal == other.targetPeakGal && damping == other.damping;
    }
};

// What made an artificial record, kept with it so that it can be told and
// shown: the seed, the intensity envelope and how well it matched its target.
struct ArtificialFigures {
    std::uint64_t seed = 0;
    IntensityEnvelope envelope;
    SpectrumMatch match;
};

// A ground-motion record as an item of the set. Its values are the
// pseudo-spectral accelerations (g) of the scaled record, computed by the one
// engine at exactly the periods asked (0 to 20 s), never interpolated, and
// kept for each list of periods asked: a change of scale or damping makes a
// new item. Safe to ask from several threads.
class RecordItem final : public SetItem {
public:
    static constexpr double longestPeriod = 20.0;

    // Throws std::invalid_argument for a record without samples or a step,
    // a target that is not a finite number above 0, or a damping outside
    // [0, 1).
    RecordItem(std::string name, std::shared_ptr<const GroundMotionRecord> record, RecordScaling scaling,
               std::optional<ArtificialFigures> artificial = std::nullopt);
    ~RecordItem() override;

    Kind kind() const override { return Kind::Record; }
    const std::string& name() const override { return name_; }
    std::vector<double> valuesAt(const std::vector<double>& periods) const override;
    LineStyle lineStyle() const override { return LineStyle::Dashed; }

    // The record as read (in g).
    const GroundMotionRecord& record() const { return *record_; }
    const RecordScaling& scaling() const { return scaling_; }
    const std::optional<ArtificialFigures>& artificial() const { return artificial_; }

    double recordedPeakG() const { return recordedPeakG_; }
    // The peak the record is used at, cm/s^2: the target, or the recorded peak.
    double usedPeakGal() const;
    // Used / recorded (1 as recorded, and for a record of zeros).
    double scaleFactor() const { return factor_; }
    // The record as used: scaled, under the item's name.
    GroundMotionRecord scaledRecord() const;

    // The same record under new scaling; throws as the constructor does.
    std::unique_ptr<RecordItem> withScaling(const RecordScaling& scaling) const;
    // The same item under another name, with the spectra already computed.
    std::unique_ptr<RecordItem> renamed(std::string name) const;

    // Why a scaling cannot be used, or nothing when it can.
    static std::optional<std::string> scalingFault(const RecordScaling& scaling);

private:
    std::string name_;
    std::shared_ptr<const GroundMotionRecord> record_;
    RecordScaling scaling_;
    std::optional<ArtificialFigures> artificial_;
    double recordedPeakG_ = 0;
    double factor_ = 1;
    std::vector<double> scaled_;

    // Every period computed so far and its value: a list asked again, or a
    // period of one list that another held (the grid's 0.05 s steps among the
    // chart's 0.01 s ones), is not computed twice.
    mutable std::mutex cacheLock_;
    mutable std::unordered_map<double, double> cache_;
};

// The factor that scales a record whose peak is `recordedPeakG` (g) to
// `targetPeakGal` (cm/s^2); nothing for a record of zeros, which no factor
// brings to a peak.
std::optional<double> peakScaleFactor(double targetPeakGal, double recordedPeakG);

// The record item of an item, or null for an item of another kind.
const RecordItem* recordItemOf(const SetItem& item);
