#pragma once

// The intensity envelope of an artificial accelerogram, the compound shape of
// Jennings, Housner and Tsai (1968): a parabolic rise (t / t1)^2 up to t1, a
// strong part of 1 up to t2, and an exponential decay exp(-c (t - t2)) after.
struct IntensityEnvelope {
    double riseEnd = 0;    // t1, s
    double strongEnd = 0;  // t2, s
    double decay = 0;      // c, 1/s

    // t1 = 0.1 D, t2 = 0.6 D, and c such that the envelope is 0.1 at D.
    static IntensityEnvelope forDuration(double duration);

    // The envelope's value at `time` seconds (0 before 0).
    double at(double time) const;

    bool operator==(const IntensityEnvelope& other) const
    {
        return riseEnd == other.riseEnd && strongEnd == other.strongEnd && decay == other.decay;
    }
};
