#include "spectrum/SpectrumOrigin.h"

#include <cstddef>

namespace {

template <std::size_t N>
std::string pick(const char* const (&words)[N], int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? words[index] : "";
}

} // namespace

SpectrumOrigin originOfSelections(int intensityIndex, int seismicActionIndex, int siteClassIndex, int groupIndex)
{
    static const char* const intensities[] = {"6 (0.05 g)", "7 (0.10 g)", "7 (0.15 g)",
                                              "8 (0.20 g)", "8 (0.30 g)", "9 (0.40 g)"};
    static const char* const actions[] = {"frequent", "design-basis", "rare", "very rare"};
    static const char* const sites[] = {"I0", "I1", "II", "III", "IV"};
    static const char* const groups[] = {"1", "2", "3"};
    return {pick(intensities, intensityIndex), pick(actions, seismicActionIndex), pick(sites, siteClassIndex),
            pick(groups, groupIndex)};
}
