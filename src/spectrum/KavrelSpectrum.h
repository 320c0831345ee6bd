#pragma once

#include "spectrum/DesignCode.h"

#include <cstdint>
#include <optional>
#include <string>

// One named seismic design response spectrum of GB 50011-2010 (code type 0),
// GB 50011-2001 (1) or GB/T 51408-2021 (2). The coefficients are derived once
// at construction; the object never changes afterwards. It talks to no one:
// a caller that serves a person shows wrongCodeTypeMessage or
// periodRefusedMessage when a construction or an alphaAt was refused.
class KavrelSpectrum {
public:
    KavrelSpectrum(std::string responseName, double alphaMax, double tg, double dampingRatio,
                   std::int32_t codeType);
    virtual ~KavrelSpectrum();

    KavrelSpectrum(const KavrelSpectrum&) = delete;
    KavrelSpectrum& operator=(const KavrelSpectrum&) = delete;

    // alpha at `period` seconds. Returns 0 and writes `alpha`, or -1 for a
    // period outside 0..6.0 s (or not a number), leaving `alpha` untouched.
    std::int32_t alphaAt(double period, double& alpha) const;

    // The code, or nothing when the code type given was unknown.
    std::optional<DesignCode> designCode() const { return designCodeOf(codeType); }

    // Designation of the spectrum's design code, e.g. "GB 50011-2010".
    std::string codeName() const;

    // Spectra alive right now: every construction is matched by one destruction.
    static int liveCount();

    // An unknown code type leaves codeType at this value and the coefficients 0.
    static constexpr std::int32_t InvalidCodeType = -1;

    // What a person is told about a refused code type or period.
    static std::string wrongCodeTypeMessage(std::int32_t codeType);
    static constexpr const char* periodRefusedMessage = "Period is larger than 6.0s.";

    // Read as fields; nothing outside the constructor writes them.
    std::int32_t codeType = InvalidCodeType;
    std::string responseName;
    double alphaMax = 0.0;
    double tg = 0.0;
    double dampingRatio = 0.0;
    double gamma = 0.0;
    double eta1 = 0.0;
    double eta2 = 0.0;

private:
    void computeCoefficients();
};
