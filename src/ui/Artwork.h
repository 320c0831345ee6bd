#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures, drawn at the size of their boxes: a design
// spectrum curve (rising line, plateau, decaying branch) is its emblem.

// The square logo: the curve over a pair of axes on a blue tile.
QPixmap drawLogo(QSize size);

// A banner: the curve emblem at the left and `text` in bold beside it, on a
// band shading from `base` to a lighter tone.
QPixmap drawBanner(QSize size, const QString& text, QColor base);
