#include "spectrum/KavrelSpectrum.h"

#include "common/UserDialogs.h"

#include <atomic>
#include <cmath>

namespace {
std::atomic<int> liveSpectra{0};
}

KavrelSpectrum::KavrelSpectrum(std::string name, double alphaMaxIn, double tgIn, double dampingRatioIn,
                               std::int32_t codeTypeIn)
    : responseName(std::move(name)), alphaMax(alphaMaxIn), tg(tgIn), dampingRatio(dampingRatioIn)
{
    ++liveSpectra;
    if (codeTypeIn >= 0 && codeTypeIn <= 2) {
        codeType = codeTypeIn;
        computeCoefficients();
    } else {
        userDialogs().warning(QStringLiteral("Wrong codetype : %1.").arg(codeTypeIn));
    }
}

KavrelSpectrum::~KavrelSpectrum()
{
    --liveSpectra;
}

int KavrelSpectrum::liveCount()
{
    return liveSpectra;
}

void KavrelSpectrum::computeCoefficients()
{
    const double z = dampingRatio;
    switch (codeType) {
    case 0:
        gamma = 0.9 + (0.05 - z) / (0.3 + 6 * z);
        eta1 = 0.02 + (0.05 - z) / (4 + 32 * z);
        eta2 = 1 + (0.05 - z) / (0.08 + 1.6 * z);
        break;
    case 1:
        gamma = 0.9 + (0.05 - z) / (0.5 + 5 * z);
        eta1 = 0.02 + (0.05 - z) / 8;
        eta2 = 1 + (0.05 - z) / (0.06 + 1.7 * z);
        break;
    case 2:
        gamma = 0.9 + (0.05 - z) / (0.3 + 6 * z);
        eta1 = 0;
        eta2 = 1 + (0.05 - z) / (0.08 + 1.6 * z);
        break;
    default:
        return;
    }
    if (eta1 < 0)
        eta1 = 0;
    if (eta2 < 0.55)
        eta2 = 0.55;
}

std::int32_t KavrelSpectrum::alphaAt(double period, double& alpha) const
{
    const double t = period;
    // Written so that a NaN period fails the test as well.
    if (!(t >= 0.0 && t <= 6.0)) {
        userDialogs().warning(QStringLiteral("Period is larger than 6.0s."));
        return -1;
    }
    const double a = alphaMax;
    double value;
    if (t <= 0.1) {
        value = 0.45 * a + (eta2 * a - 0.45 * a) * t / 0.1;
    } else if (t <= tg) {
        value = eta2 * a;
    } else if (codeType == 0 || codeType == 1) {
        if (t <= 5 * tg)
            value = std::pow(tg / t, gamma) * eta2 * a;
        else
            value = (std::pow(0.2, gamma) * eta2 - eta1 * (t - 5 * tg)) * a;
    } else {
        value = std::pow(tg / t, gamma) * eta2 * a;
    }
    alpha = value;
    return 0;
}

std::string KavrelSpectrum::codeName() const
{
    switch (codeType) {
    case 0:
        return "GB 50011-2010";
    case 1:
        return "GB 50011-2001";
    case 2:
        return "GB/T 51408-2021";
    default:
        return std::string();
    }
}
