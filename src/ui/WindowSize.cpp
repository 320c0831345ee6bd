#include "ui/WindowSize.h"

#include <algorithm>

QSize openingSize(QSize design, QSize available)
{
    if (design.isEmpty() || available.isEmpty())
        return design;
    constexpr double mostGrowth = 1.5;
    constexpr double screenShare = 0.85;
    const double fits = std::min(screenShare * available.width() / design.width(),
                                 screenShare * available.height() / design.height());
    const double factor = std::clamp(fits, 1.0, mostGrowth);
    const QSize grown(static_cast<int>(design.width() * factor), static_cast<int>(design.height() * factor));
    return grown.boundedTo(available);
}
