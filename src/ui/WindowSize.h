#pragma once

#include <QSize>

// The size a window opens at: its design size, grown alike in width and
// height (up to half as large again) while it stays within 85 % of the
// screen's available area, so that names and curves have room on a large
// screen; never smaller than the design unless the screen itself is.
QSize openingSize(QSize design, QSize available);
