#include "records/RecordItem.h"

#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"
#include "records/ResponseSpectrum.h"
#include "text/RecordRules.h"

#include <cmath>
#include <stdexcept>

RecordItem::RecordItem(std::string name, std::shared_ptr<const GroundMotionRecord> record, RecordScaling scaling,
                       std::optional<ArtificialFigures> artificial)
    : name_(std::move(name)), record_(std::move(record)), scaling_(scaling), artificial_(std::move(artificial))
{
    if (!record_ || record_->count() < 2 || !(record_->step > 0) || !std::isfinite(record_->step))
        throw std::invalid_argument("a record item needs at least 2 samples and a step above 0");
    if (const std::optional<std::string> fault = scalingFault(scaling_))
        throw std::invalid_argument(*fault);
    recordedPeakG_ = peakAbsolute(record_->accelerationG);
    if (scaling_.targetPeakGal)
        factor_ = peakScaleFactor(*scaling_.targetPeakGal, recordedPeakG_).value_or(1.0);
    // The spectrum is that of the scaled history itself, the one written
    // for the analysis programs.
    scaled_ = factor_ == 1 ? record_->accelerationG : scaled(record_->accelerationG, factor_);
}

RecordItem::~RecordItem() = default;

std::optional<std::string> RecordItem::scalingFault(const RecordScaling& scaling)
{
    // In the installed language (the command line installs none), as UTF-8.
    if (scaling.targetPeakGal && !isTargetPeak(*scaling.targetPeakGal))
        return refusalFragment(targetPeakRefusal()).toStdString();
    if (!isOscillatorDamping(scaling.damping))
        return refusalFragment(dampingRangeRefusal()).toStdString();
    return std::nullopt;
}

std::vector<double> RecordItem::valuesAt(const std::vector<double>& periods) const
{
    std::size_t reached = 0;
    while (reached < periods.size() && periods[reached] >= 0 && periods[reached] <= longestPeriod)
        ++reached;
    std::vector<double> missing;
    {
        const std::lock_guard<std::mutex> lock(cacheLock_);
        for (std::size_t i = 0; i < reached; ++i) {
            if (cache_.count(periods[i]) == 0)
                missing.push_back(periods[i]);
        }
    }
    // Computed outside the lock: another thread may compute the same periods
    // meanwhile, to the same values.
    std::vector<double> computed;
    if (!missing.empty())
        computed = pseudoSpectralAcceleration(scaled_, record_->step, missing, scaling_.damping);
    const std::lock_guard<std::mutex> lock(cacheLock_);
    for (std::size_t k = 0; k < missing.size(); ++k)
        cache_.emplace(missing[k], computed[k]);
    std::vector<double> values;
    values.reserve(reached);
    for (std::size_t i = 0; i < reached; ++i)
        values.push_back(cache_.at(periods[i]));
    return values;
}

double RecordItem::usedPeakGal() const
{
    return scaling_.targetPeakGal ? *scaling_.targetPeakGal : recordedPeakG_ * standardGravityCm;
}

GroundMotionRecord RecordItem::scaledRecord() const
{
    GroundMotionRecord used;
    used.name = name_;
    used.sourceFileName = record_->sourceFileName;
    used.layout = record_->layout;
    used.unitAsRead = record_->unitAsRead;
    used.step = record_->step;
    used.accelerationG = scaled_;
    return used;
}

std::unique_ptr<RecordItem> RecordItem::withScaling(const RecordScaling& scaling) const
{
    return std::make_unique<RecordItem>(name_, record_, scaling, artificial_);
}

const RecordItem* recordItemOf(const SetItem& item)
{
    if (item.kind() != SetItem::Kind::Record)
        return nullptr;
    return &static_cast<const RecordItem&>(item);
}

std::unique_ptr<RecordItem> RecordItem::renamed(std::string name) const
{
    auto item = std::make_unique<RecordItem>(std::move(name), record_, scaling_, artificial_);
    const std::lock_guard<std::mutex> lock(cacheLock_);
    item->cache_ = cache_;
    return item;
}

std::optional<double> peakScaleFactor(double targetPeakGal, double recordedPeakG)
{
    if (!(recordedPeakG > 0))
        return std::nullopt;
    return targetPeakGal / standardGravityCm / recordedPeakG;
}
