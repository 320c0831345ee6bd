#include "ui/Artwork.h"

#include "spectrum/KavrelSpectrum.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// The curve of a GB 50011-2010 spectrum (AlphaMax 1, Tg 0.4 s, damping 0.05,
// so the plateau is at 1) over 0 to 3 s, fitted into `box`.
QPainterPath spectrumCurve(const QRectF& box)
{
    constexpr double lastPeriod = 3.0;
    constexpr int steps = 150;
    const KavrelSpectrum emblem("emblem", 1.0, 0.4, 0.05, 0);

    QPainterPath curve;
    for (int i = 0; i <= steps; ++i) {
        const double period = i * (lastPeriod / steps);
        double alpha = 0.0;
        emblem.alphaAt(period, alpha);
        const QPointF point(box.left() + box.width() * period / lastPeriod, box.bottom() - box.height() * alpha);
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    return curve;
}

void drawAxes(QPainter& painter, const QRectF& box, const QColor& colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(box.bottomLeft(), box.topLeft());
    painter.drawLine(box.bottomLeft(), box.bottomRight());
}

QPixmap blankPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QPixmap drawLogo(QSize size)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal unit = tile.width() / 100.0;
    QLinearGradient shade(tile.topLeft(), tile.bottomRight());
    shade.setColorAt(0.0, QColor(0x1e, 0x5a, 0xc8));
    shade.setColorAt(1.0, QColor(0x0a, 0x1e, 0x5a));
    painter.setPen(QPen(QColor(0x08, 0x14, 0x3c), unit));
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, 16 * unit, 16 * unit);

    const QRectF plot(tile.left() + 18 * unit, tile.top() + 20 * unit, 68 * unit, 52 * unit);
    drawAxes(painter, plot.adjusted(-6 * unit, -8 * unit, 4 * unit, 6 * unit), QColor(0xb4, 0xc8, 0xf0), 2.5 * unit);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xff, 0xc8, 0x32), 5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(spectrumCurve(plot));

    QFont letters = painter.font();
    letters.setBold(true);
    letters.setPixelSize(int(15 * unit));
    painter.setFont(letters);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(tile.left(), tile.top() + 80 * unit, tile.width() - 8 * unit, 18 * unit),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Kavrel"));
    return picture;
}

QPixmap drawBanner(QSize size, const QString& text, QColor base)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF band(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = band.height() / 5.0;
    QLinearGradient shade(band.topLeft(), band.topRight());
    shade.setColorAt(0.0, base);
    shade.setColorAt(1.0, base.lighter(160));
    painter.setPen(QPen(base.darker(140), 1.0));
    painter.setBrush(shade);
    painter.drawRoundedRect(band, radius, radius);

    // The emblem sits in a square at the left, as high as the band allows.
    const qreal margin = band.height() * 0.2;
    const qreal side = band.height() - 2 * margin;
    const QRectF plot(band.left() + margin * 1.5, band.top() + margin, side * 1.3, side);
    drawAxes(painter, plot, QColor(255, 255, 255, 170), std::max<qreal>(1.0, side / 16));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, std::max<qreal>(1.5, side / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(spectrumCurve(plot.adjusted(side * 0.08, side * 0.05, 0, -side * 0.08)));

    // The words take the room right of the emblem, as large as they fit.
    const QRectF textBox(plot.right() + margin, band.top(), band.right() - plot.right() - 2 * margin, band.height());
    QFont words = painter.font();
    words.setBold(true);
    int pixels = int(band.height() * 0.42);
    do {
        words.setPixelSize(pixels);
    } while (QFontMetricsF(words).horizontalAdvance(text) > textBox.width() && --pixels > 6);
    painter.setFont(words);
    painter.setPen(Qt::white);
    painter.drawText(textBox, Qt::AlignCenter, text);
    return picture;
}
