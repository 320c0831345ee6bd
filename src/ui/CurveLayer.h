#pragma once

#include <QGraphicsObject>
#include <QList>
#include <QPointF>

class QPen;

class QChart;
class QLineSeries;
class QValueAxis;

// Draws the chart's curves in its plot area, on the scale of its two axes.
// The curves are kept as line series that Qt Charts never holds: each series
// Qt Charts holds costs a walk over all the others when it is added (a free
// colour) and when it is removed (its legend marker, its axis connections),
// which made large sets open and clear in quadratic time. Each curve is drawn
// with its own pen while it is visible, clipped to the plot area; the
// heavier pens after the lighter ones.
class CurveLayer : public QGraphicsObject {
public:
    // Each list is drawn in turn, the first under the others.
    CurveLayer(QChart* chart, QList<const QList<QLineSeries*>*> curveLists, const QValueAxis* xAxis,
               const QValueAxis* yAxis);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void followPlotArea();
    void drawCurve(QPainter* painter, const QPen& pen, const QList<QPointF>& points, double xSpan,
                   double ySpan) const;

    QChart* chart_;
    QList<const QList<QLineSeries*>*> curveLists_;
    const QValueAxis* xAxis_;
    const QValueAxis* yAxis_;
    QRectF plot_;
};
