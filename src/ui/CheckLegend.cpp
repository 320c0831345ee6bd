#include "ui/CheckLegend.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QLineSeries>
#include <QPainter>

namespace {
constexpr qreal padding = 4;
constexpr qreal boxSize = 10;
constexpr qreal lineLength = 16;
constexpr qreal gap = 4;
} // namespace

CheckLegend::CheckLegend(QGraphicsItem* parent) : QGraphicsWidget(parent)
{
    setZValue(100);  // above the curves it may overlay
    setAcceptedMouseButtons(Qt::LeftButton);
    setVisible(false);
}

QFont CheckLegend::rowFont() const
{
    QFont f = font();
    f.setBold(true);
    return f;
}

void CheckLegend::addCurve(QLineSeries* curve)
{
    rows_.append(curve);
    // Only the new name can widen the legend: no need to measure the others.
    textWidth_ = std::max(textWidth_, QFontMetricsF(rowFont()).horizontalAdvance(curve->name()));
    connect(curve, &QLineSeries::visibleChanged, this, [this] { update(); });
    connect(curve, &QLineSeries::colorChanged, this, [this] { update(); });
    connect(curve, &QObject::destroyed, this, [this] {
        rows_.removeAll(nullptr);
        measure();
        relayout();
    });
    relayout();
}

void CheckLegend::removeCurve(QLineSeries* curve)
{
    if (rows_.removeAll(curve) > 0) {
        disconnect(curve, nullptr, this, nullptr);
        measure();
        relayout();
    }
}

void CheckLegend::clear()
{
    for (const auto& row : rows_) {
        if (row)
            disconnect(row.data(), nullptr, this, nullptr);
    }
    rows_.clear();
    measure();
    relayout();
}

void CheckLegend::measure()
{
    const QFontMetricsF metrics(rowFont());
    textWidth_ = 0;
    for (const auto& row : rows_) {
        if (row)
            textWidth_ = std::max(textWidth_, metrics.horizontalAdvance(row->name()));
    }
}

void CheckLegend::relayout()
{
    const QFontMetricsF metrics(rowFont());
    prepareGeometryChange();
    width_ = padding * 2 + boxSize + gap + lineLength + gap + textWidth_;
    const qreal height = padding * 2 + rows_.size() * metrics.height();
    resize(width_, height);
    setVisible(!rows_.isEmpty());
    update();
}

QRectF CheckLegend::boundingRect() const
{
    return QRectF(QPointF(0, 0), size());
}

QRectF CheckLegend::rowRect(int row) const
{
    const qreal h = QFontMetricsF(rowFont()).height();
    return QRectF(padding, padding + row * h, width_ - 2 * padding, h);
}

void CheckLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(QColor(160, 160, 160)));
    painter->setBrush(Qt::white);
    painter->drawRect(boundingRect().adjusted(0, 0, -1, -1));
    // The scene counts in screen pixels: a point size would grow with the
    // resolution of a printer the chart is rendered on.
    QFont font = rowFont();
    font.setPixelSize(QFontInfo(font).pixelSize());
    painter->setFont(font);
    for (int i = 0; i < rows_.size(); ++i) {
        QLineSeries* curve = rows_[i];
        if (!curve)
            continue;
        const QRectF r = rowRect(i);
        const QRectF box(r.left(), r.center().y() - boxSize / 2, boxSize, boxSize);
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::white);
        painter->drawRect(box);
        if (curve->isVisible()) {
            painter->setPen(QPen(Qt::black, 1.5));
            painter->drawPolyline(QPolygonF({QPointF(box.left() + 2, box.center().y()),
                                             QPointF(box.left() + 4.5, box.bottom() - 2),
                                             QPointF(box.right() - 2, box.top() + 2)}));
        }
        const qreal lineX = box.right() + gap;
        painter->setPen(QPen(curve->color(), curve->pen().widthF(), curve->pen().style()));
        painter->drawLine(QPointF(lineX, r.center().y()), QPointF(lineX + lineLength, r.center().y()));
        painter->setPen(Qt::black);
        painter->drawText(QRectF(lineX + lineLength + gap, r.top(), r.width(), r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, curve->name());
    }
    painter->restore();
}

void CheckLegend::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    for (int i = 0; i < rows_.size(); ++i) {
        if (rows_[i] && rowRect(i).contains(event->pos())) {
            rows_[i]->setVisible(!rows_[i]->isVisible());
            event->accept();
            return;
        }
    }
    event->ignore();
}
