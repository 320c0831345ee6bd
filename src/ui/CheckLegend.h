#pragma once

#include <QGraphicsWidget>
#include <QList>
#include <QPointer>

class QLineSeries;

// The chart's legend: one row per curve with a check box, the curve's colour
// and its title in bold. It lives inside the chart's scene, so a rendered
// picture of the chart shows it, and a hidden curve keeps its row (unticked)
// so that it can be shown again from here. A click on a row toggles only
// that curve.
class CheckLegend : public QGraphicsWidget {
    Q_OBJECT
public:
    explicit CheckLegend(QGraphicsItem* parent = nullptr);

    void addCurve(QLineSeries* curve);
    void removeCurve(QLineSeries* curve);
    void clear();
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // Row `row` in the legend's coordinates: where a user clicks to toggle it.
    QRectF rowRect(int row) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void measure();
    void relayout();
    QFont rowFont() const;

    QList<QPointer<QLineSeries>> rows_;
    qreal textWidth_ = 0;
    qreal width_ = 0;
};
