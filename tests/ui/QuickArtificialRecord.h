#pragma once

#include "records/ArtificialRecord.h"

#include <cmath>

// What a scripted generator hands back at once: a small sine record of
// `lastSample` + 1 samples at the request's step, marked with its seed.
inline ArtificialRecord quickArtificialRecord(const ArtificialRequest& request, int lastSample)
{
    ArtificialRecord record;
    record.seed = request.seed;
    record.step = request.step;
    for (int i = 0; i <= lastSample; ++i)
        record.acceleration.push_back(0.1 * std::sin(0.3 * i + static_cast<double>(request.seed)));
    return record;
}
