#include "ui/CheckChartMarks.h"

#include "ui/ChartControl.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>
#include <QValueAxis>

namespace {

// Under the curves (drawn at 4), over the grid.
constexpr qreal marksLayer = 3.5;

} // namespace

CheckChartMarks::CheckChartMarks(ChartControl* chart)
    : QObject(chart), chart_(chart), frame_(new QGraphicsRectItem(chart->chart())),
      band_(new QGraphicsPathItem(frame_))
{
    frame_->setPen(Qt::NoPen);
    frame_->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    frame_->setZValue(marksLayer);
    band_->setPen(Qt::NoPen);
    band_->setBrush(QColor(0x80, 0x80, 0x80, 0x38));
    connect(chart->chart(), &QChart::plotAreaChanged, this, [this] { place(); });
    connect(chart->bottomAxis(), &QValueAxis::rangeChanged, this, [this] { place(); });
    connect(chart->leftAxis(), &QValueAxis::rangeChanged, this, [this] { place(); });
}

void CheckChartMarks::show(const QList<QPointF>& target, double tolerance, const std::vector<double>& periods)
{
    target_ = target;
    tolerance_ = tolerance;
    periods_ = periods;
    while (lines_.size() < static_cast<qsizetype>(periods_.size())) {
        auto* line = new QGraphicsPathItem(frame_);
        QPen pen(QColor(0x55, 0x55, 0x55));
        pen.setStyle(Qt::DashLine);
        pen.setCosmetic(true);
        line->setPen(pen);
        lines_ << line;
        labels_ << new QGraphicsSimpleTextItem(frame_);
    }
    while (lines_.size() > static_cast<qsizetype>(periods_.size())) {
        delete lines_.takeLast();
        delete labels_.takeLast();
    }
    for (qsizetype k = 0; k < labels_.size(); ++k)
        labels_[k]->setText(QStringLiteral("T%1").arg(k + 1));
    place();
}

void CheckChartMarks::clear()
{
    show({}, 0, {});
}

void CheckChartMarks::place()
{
    QChart* chart = chart_->chart();
    const QRectF plot = chart->plotArea();
    frame_->setRect(plot);
    QPainterPath band;
    if (target_.size() > 1) {
        QPolygonF outline;
        for (const QPointF& p : target_)
            outline << chart->mapToPosition(QPointF(p.x(), p.y() * (1 + tolerance_)));
        for (qsizetype i = target_.size() - 1; i >= 0; --i)
            outline << chart->mapToPosition(QPointF(target_[i].x(), target_[i].y() * (1 - tolerance_)));
        band.addPolygon(outline);
        band.closeSubpath();
    }
    band_->setPath(band);
    for (qsizetype k = 0; k < lines_.size(); ++k) {
        const qreal x = chart->mapToPosition(QPointF(periods_[static_cast<std::size_t>(k)], 0)).x();
        QPainterPath line;
        line.moveTo(x, plot.top());
        line.lineTo(x, plot.bottom());
        lines_[k]->setPath(line);
        labels_[k]->setPos(x + 3, plot.top() + 2);
    }
}
