#pragma once

#include "records/ArtificialBatch.h"

#include <string>
#include <vector>

// The artificial records the window has been handed, in the order they were
// made, each under its unique name, until the set keeps records as items of
// its own and takes them over (takeAll).
class ArtificialRecordStore {
public:
    // Appends the batch's records. Throws std::invalid_argument, changing
    // nothing, when a name is held already.
    void add(const GeneratedRecords& batch);

    const std::vector<NamedArtificialRecord>& records() const { return records_; }
    bool contains(const std::string& name) const;

    // Hands every record over and keeps none.
    std::vector<NamedArtificialRecord> takeAll();

private:
    std::vector<NamedArtificialRecord> records_;
};
