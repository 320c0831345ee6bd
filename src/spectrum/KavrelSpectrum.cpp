#include "spectrum/KavrelSpectrum.h"

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
    if (designCodeOf(codeTypeIn)) {
        codeType = codeTypeIn;
        computeCoefficients();
    }
}

std::string KavrelSpectrum::wrongCodeTypeMessage(std::int32_t codeType)
{
    return "Wrong codetype : " + std::to_string(codeType) + ".";
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
    const std::optional<DesignCode> code = designCode();
    if (!code)
        return;
    switch (*code) {
    case DesignCode::Gb50011_2010:
        gamma = 0.9 + (0.05 - z) / (0.3 + 6 * z);
        eta1 = 0.02 + (0.05 - z) / (4 + 32 * z);
        eta2 = 1 + (0.05 - z) / (0.08 + 1.6 * z);
        break;
    case DesignCode::Gb50011_2001:
        gamma = 0.9 + (0.05 - z) / (0.5 + 5 * z);
        eta1 = 0.02 + (0.05 - z) / 8;
        eta2 = 1 + (0.05 - z) / (0.06 + 1.7 * z);
        break;
    case DesignCode::GbT51408_2021:
        gamma = 0.9 + (0.05 - z) / (0.3 + 6 * z);
        eta1 = 0;
        eta2 = 1 + (0.05 - z) / (0.08 + 1.6 * z);
        break;
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
    if (!(t >= 0.0 && t <= 6.0))
        return -1;
    const double a = alphaMax;
    double value;
    if (t <= 0.1) {
        value = 0.45 * a + (eta2 * a - 0.45 * a) * t / 0.1;
    } else if (t <= tg) {
        value = eta2 * a;
    } else if (designCode() && hasStraightDescent(*designCode())) {
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
    const std::optional<DesignCode> code = designCode();
    return code ? designCodeName(*code) : std::string();
}
