#pragma once

#include "records/RecordSelectionCheck.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

// The first two records of a selection that hold the same samples at the
// same step (one file under two names, or a copy of it): they would count as
// two records. Nothing when every record is its own.
std::optional<std::pair<std::size_t, std::size_t>> repeatedRecords(const std::vector<CheckedRecord>& records);
