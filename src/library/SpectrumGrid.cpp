#include "library/SpectrumGrid.h"

#include <cmath>

const std::vector<double>& libraryPeriods()
{
    static const std::vector<double> periods = [] {
        std::vector<double> grid{0.0};
        const double ratio = libraryGridLongest / libraryGridShortest;
        for (int i = 0; i <= libraryGridSteps; ++i)
            grid.push_back(libraryGridShortest * std::pow(ratio, static_cast<double>(i) / libraryGridSteps));
        grid.back() = libraryGridLongest;
        return grid;
    }();
    return periods;
}
