#include "records/IntensityEnvelope.h"

#include <cmath>

IntensityEnvelope IntensityEnvelope::forDuration(double duration)
{
    IntensityEnvelope envelope;
    envelope.riseEnd = 0.1 * duration;
    envelope.strongEnd = 0.6 * duration;
    envelope.decay = std::log(10.0) / (duration - envelope.strongEnd);
    return envelope;
}

double IntensityEnvelope::at(double time) const
{
    if (time <= 0)
        return 0;
    if (time < riseEnd) {
        const double x = time / riseEnd;
        return x * x;
    }
    if (time <= strongEnd)
        return 1;
    return std::exp(-decay * (time - strongEnd));
}
