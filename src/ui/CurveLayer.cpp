#include "ui/CurveLayer.h"

#include <utility>

#include <QChart>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <cmath>

namespace {
// Above the grid and the axes, below the legend, as Qt Charts puts its series.
constexpr qreal curvesZ = 4;
// Pens wider than this are drawn last.
constexpr qreal heavyWidth = 1.5;
} // namespace

CurveLayer::CurveLayer(QChart* chart, QList<const QList<QLineSeries*>*> curveLists, const QValueAxis* xAxis,
                       const QValueAxis* yAxis)
    : QGraphicsObject(chart), chart_(chart), curveLists_(std::move(curveLists)), xAxis_(xAxis), yAxis_(yAxis)
{
    setZValue(curvesZ);
    setFlag(ItemHasNoContents, false);
    connect(chart, &QChart::plotAreaChanged, this, [this] { followPlotArea(); });
    connect(xAxis, &QValueAxis::rangeChanged, this, [this] { update(); });
    connect(yAxis, &QValueAxis::rangeChanged, this, [this] { update(); });
    followPlotArea();
}

void CurveLayer::followPlotArea()
{
    prepareGeometryChange();
    plot_ = chart_->plotArea();
    update();
}

QRectF CurveLayer::boundingRect() const
{
    return plot_;
}

void CurveLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const double xSpan = xAxis_->max() - xAxis_->min();
    const double ySpan = yAxis_->max() - yAxis_->min();
    if (plot_.isEmpty() || !(xSpan > 0) || !(ySpan > 0) || !std::isfinite(xSpan) || !std::isfinite(ySpan))
        return;
    painter->save();
    painter->setClipRect(plot_);
    painter->setBrush(Qt::NoBrush);
    // The heavier lines (code spectra) over the lighter ones, so that no
    // record hides the spectrum it is compared with.
    for (const bool heavy : {false, true}) {
        for (const QList<QLineSeries*>* curves : curveLists_) {
            for (const QLineSeries* curve : *curves) {
                if (curve->isVisible() && (curve->pen().widthF() > heavyWidth) == heavy)
                    drawCurve(painter, curve->pen(), curve->points(), xSpan, ySpan);
            }
        }
    }
    painter->restore();
}

void CurveLayer::drawCurve(QPainter* painter, const QPen& pen, const QList<QPointF>& points, double xSpan,
                           double ySpan) const
{
    const double xScale = plot_.width() / xSpan;
    const double yScale = plot_.height() / ySpan;
    painter->setPen(pen);
    // Piece by piece, as Qt Charts draws its lines: a vector picture keeps
    // one line per piece, and a point that cannot be placed (an
    // overflowed value) leaves out the pieces on either side of it.
    QPointF previous;
    bool placed = false;
    for (const QPointF& p : points) {
        const QPointF at(plot_.left() + (p.x() - xAxis_->min()) * xScale,
                         plot_.bottom() - (p.y() - yAxis_->min()) * yScale);
        const bool finite = std::isfinite(at.x()) && std::isfinite(at.y());
        if (finite && placed)
            painter->drawLine(previous, at);
        previous = at;
        placed = finite;
    }
}
