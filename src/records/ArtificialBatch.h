#pragma once

#include "records/ArtificialRecord.h"
#include "records/GroundMotionRecord.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class KavrelSpectrum;

// Several artificial records for one target, each with its own seed and its
// item's name: what Edit > Artificial Records... makes and hands to the
// window. No widgets here.

// At most this many records in one batch.
constexpr int maxArtificialRecords = 20;
// A seed whose record cannot be matched is passed over for the next one, at
// most this many times in a batch; a further refusal ends the batch.
constexpr int maxSkippedSeeds = 3;

struct NamedArtificialRecord {
    std::string name;        // "<target name>-A<n>", unique, fewer than 20 bytes
    std::string targetName;  // the spectrum it was matched to
    ArtificialRecord record;
};

// A seed that was passed over, and the generator's reason.
struct SkippedSeed {
    std::uint64_t seed = 0;
    QString reason;
};

// The result of a batch, in order, and the seeds passed over on the way.
struct GeneratedRecords {
    std::vector<NamedArtificialRecord> records;
    std::vector<SkippedSeed> skippedSeeds;
};

// `count` names "<target>-A<n>" for the numbers 1, 2, ... that `taken` does
// not refuse, in order, each under the set's length rule (spectrum/ItemName).
std::vector<std::string> artificialRecordNames(const std::string& targetName, int count,
                                               const std::function<bool(const std::string&)>& taken);

struct ArtificialBatchRequest {
    ArtificialRequest record;  // its seed is the first seed
    int count = 1;
};

// Told before each pass: the record's place in the batch (0-based), the seed
// being tried, the pass and the most passes; false stops the batch.
using ArtificialBatchProgress = std::function<bool(int record, std::uint64_t seed, int pass, int passes)>;
// The generator, replaceable so that tests can script refusals.
using ArtificialGenerator = std::function<std::optional<ArtificialRecord>(
    const KavrelSpectrum&, const ArtificialRequest&, const ArtificialProgress&)>;

// The records for the seeds from the request's first seed on, named
// `names` (one per record). A seed whose match fails is passed over for the
// next; a refusal before the first pass (the target or the request cannot be
// met), or one more than maxSkippedSeeds, is thrown as KavrelError.
// Nothing when stopped through `progress`.
std::optional<GeneratedRecords> generateArtificialRecords(const KavrelSpectrum& target,
                                                          const ArtificialBatchRequest& request,
                                                          const std::vector<std::string>& names,
                                                          const ArtificialBatchProgress& progress = {},
                                                          const ArtificialGenerator& generator = generateArtificialRecord);

// The record as a ground-motion record: its name, its accelerations in g and
// its step, as a time-history file or a record item takes it.
GroundMotionRecord toGroundMotionRecord(const NamedArtificialRecord& record);
