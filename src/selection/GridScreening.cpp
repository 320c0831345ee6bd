#include "selection/GridScreening.h"

#include "library/SpectrumGrid.h"

#include <algorithm>
#include <cmath>

std::vector<double> gridSpectrumAt(const std::vector<double>& gridSpectrum, const std::vector<double>& periods)
{
    const std::vector<double>& grid = libraryPeriods();
    std::vector<double> values;
    values.reserve(periods.size());
    if (gridSpectrum.size() != grid.size())
        return std::vector<double>(periods.size(), 0.0);
    for (const double period : periods) {
        // grid[0] is T = 0; the log scale starts at grid[1].
        const auto upper = std::lower_bound(grid.begin() + 1, grid.end(), period);
        if (upper == grid.begin() + 1 || upper == grid.end()) {
            values.push_back(gridSpectrum[upper == grid.end() ? grid.size() - 1 : 1]);
            continue;
        }
        const std::size_t j = static_cast<std::size_t>(upper - grid.begin());
        const double a = gridSpectrum[j - 1];
        const double b = gridSpectrum[j];
        if (a <= 0.0 || b <= 0.0) {
            values.push_back(a + (b - a) * (period - grid[j - 1]) / (grid[j] - grid[j - 1]));
            continue;
        }
        const double share = std::log(period / grid[j - 1]) / std::log(grid[j] / grid[j - 1]);
        values.push_back(std::exp(std::log(a) + share * std::log(b / a)));
    }
    return values;
}
