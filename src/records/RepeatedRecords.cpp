#include "records/RepeatedRecords.h"

std::optional<std::pair<std::size_t, std::size_t>> repeatedRecords(const std::vector<CheckedRecord>& records)
{
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (records[i].step == records[j].step && records[i].acceleration == records[j].acceleration)
                return std::make_pair(i, j);
        }
    }
    return std::nullopt;
}
