#include "records/ArtificialBatch.h"

#include "common/KavrelError.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/ItemName.h"

#include <QCoreApplication>

namespace {

QString seedsText(const std::vector<SkippedSeed>& skipped)
{
    QStringList seeds;
    for (const SkippedSeed& s : skipped)
        seeds << QString::number(s.seed);
    return seeds.join(QStringLiteral(", "));
}

} // namespace

std::vector<std::string> artificialRecordNames(const std::string& targetName, int count,
                                               const std::function<bool(const std::string&)>& taken)
{
    std::vector<std::string> names;
    for (int number = 1; static_cast<int>(names.size()) < count; ++number) {
        std::string name = numberedName(targetName, nameNumbering::artificial, number);
        if (!taken(name))
            names.push_back(std::move(name));
    }
    return names;
}

std::optional<GeneratedRecords> generateArtificialRecords(const KavrelSpectrum& target,
                                                          const ArtificialBatchRequest& request,
                                                          const std::vector<std::string>& names,
                                                          const ArtificialBatchProgress& progress,
                                                          const ArtificialGenerator& generator)
{
    GeneratedRecords result;
    std::uint64_t seed = request.record.seed;
    for (int index = 0; index < request.count; ++seed) {
        ArtificialRequest one = request.record;
        one.seed = seed;
        bool started = false;
        const ArtificialProgress passes = [&](int pass, int most) {
            started = true;
            return !progress || progress(index, seed, pass, most);
        };
        try {
            std::optional<ArtificialRecord> record = generator(target, one, passes);
            if (!record)
                return std::nullopt;
            result.records.push_back({names.at(static_cast<std::size_t>(index)), target.responseName, std::move(*record)});
            ++index;
        } catch (const KavrelError& refusal) {
            // Refused before any pass: the inputs, not the seed, are at fault.
            if (!started)
                throw;
            result.skippedSeeds.push_back({seed, refusal.message()});
            if (static_cast<int>(result.skippedSeeds.size()) > maxSkippedSeeds)
                throw KavrelError(QCoreApplication::translate("ArtificialBatch", "No match for the seeds %1: %2")
                                      .arg(seedsText(result.skippedSeeds), refusal.message()));
        }
    }
    return result;
}

GroundMotionRecord toGroundMotionRecord(const NamedArtificialRecord& record)
{
    GroundMotionRecord motion;
    motion.name = record.name;
    motion.layout = RecordLayout::Columns;
    motion.unitAsRead = AccelerationUnit::G;
    motion.step = record.record.step;
    motion.accelerationG = record.record.acceleration;
    return motion;
}
