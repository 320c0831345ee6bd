#pragma once

#include <QList>
#include <QObject>
#include <QPointF>

#include <vector>

class ChartControl;
class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

// What the check judges, drawn on the check window's chart under its curves:
// the band the records' mean must keep to (the target's values times 1 -+ the
// tolerance) and a line at each main period, named T1, T2, ... They live in
// the chart's scene, so a printed chart shows them, and follow its zoom and
// size.
class CheckChartMarks : public QObject {
    Q_OBJECT
public:
    explicit CheckChartMarks(ChartControl* chart);

    // `target`: the target curve's points; `periods`: the main periods.
    void show(const QList<QPointF>& target, double tolerance, const std::vector<double>& periods);
    void clear();

    // For tests: the band's outline and the periods' lines as drawn.
    const QGraphicsPathItem* band() const { return band_; }
    int periodLineCount() const { return static_cast<int>(lines_.size()); }

private:
    void place();

    ChartControl* chart_;
    QGraphicsRectItem* frame_;  // the plot area: the marks are cut to it
    QGraphicsPathItem* band_;
    QList<QGraphicsPathItem*> lines_;
    QList<QGraphicsSimpleTextItem*> labels_;
    QList<QPointF> target_;
    double tolerance_ = 0;
    std::vector<double> periods_;
};
