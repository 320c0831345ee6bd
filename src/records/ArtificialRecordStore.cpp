#include "records/ArtificialRecordStore.h"

#include <stdexcept>

void ArtificialRecordStore::add(const GeneratedRecords& batch)
{
    for (std::size_t i = 0; i < batch.records.size(); ++i) {
        const std::string& name = batch.records[i].name;
        bool repeated = contains(name);
        for (std::size_t j = 0; j < i && !repeated; ++j)
            repeated = batch.records[j].name == name;
        if (repeated)
            throw std::invalid_argument("artificial record name held already: " + name);
    }
    records_.insert(records_.end(), batch.records.begin(), batch.records.end());
}

bool ArtificialRecordStore::contains(const std::string& name) const
{
    for (const NamedArtificialRecord& record : records_)
        if (record.name == name)
            return true;
    return false;
}

std::vector<NamedArtificialRecord> ArtificialRecordStore::takeAll()
{
    std::vector<NamedArtificialRecord> taken;
    taken.swap(records_);
    return taken;
}
