#include "ui/ChartControl.h"

#include "chart/AxisScale.h"
#include "text/NarrowText.h"
#include "ui/CheckLegend.h"

#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRubberBand>
#include <QStyleOptionRubberBand>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The zoom rectangle: a 2-pixel pen of colour value 16744703 (BGR, #ff80ff)
// drawn in xor mode, with no fill, so it shows on any background.
class ZoomBandStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_RubberBand) {
            painter->save();
            painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter->setPen(QPen(QColor(0xff, 0x80, 0xff), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(1, 1, -1, -1));
            painter->restore();
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_RubberBand_Mask)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QFont boldTitleFont()
{
    QFont font;
    font.setBold(true);
    return font;
}

} // namespace

ChartControl::ChartControl(QWidget* parent)
    : QChartView(new QChart(), parent), bottomAxis_(new QValueAxis), leftAxis_(new QValueAxis),
      legend_(new CheckLegend(chart()))
{
    QChart* c = chart();
    c->legend()->hide();
    c->setTitle(QString());
    QMargins margins = c->margins();
    margins.setTop(5);
    c->setMargins(margins);
    c->setAnimationOptions(QChart::GridAxisAnimations);

    bottomAxis_->setTitleText(QStringLiteral("Period, T(s)"));
    bottomAxis_->setTitleFont(boldTitleFont());
    bottomAxis_->setRange(0, 6);
    bottomAxis_->setLabelFormat(QStringLiteral("%g"));
    leftAxis_->setTitleText(QStringLiteral("Spectral Accleration,Sa (g)"));
    leftAxis_->setTitleFont(boldTitleFont());
    leftAxis_->setLabelFormat(QStringLiteral("%g"));
    leftAxis_->setTickType(QValueAxis::TicksDynamic);
    leftAxis_->setTickAnchor(0);
    c->addAxis(bottomAxis_, Qt::AlignBottom);
    c->addAxis(leftAxis_, Qt::AlignLeft);

    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    auto* style = new ZoomBandStyle();
    style->setParent(this);
    for (QRubberBand* band : findChildren<QRubberBand*>())
        band->setStyle(style);

    connect(c, &QChart::plotAreaChanged, this, [this] {
        placeLegend();
        updateLeftAxis();
    });
    updateLeftAxis();
}

QLineSeries* ChartControl::addCurve(const QString& title, const QList<QPointF>& points)
{
    auto* curve = new QLineSeries();
    curve->setName(title);
    // Filled before it joins the chart: one change, not one per point.
    curve->replace(points);
    curve->setMarkerSize(2);
    curve->setPointsVisible(false);
    double maximum = 0;
    for (const QPointF& p : points)
        maximum = std::max(maximum, p.y());
    curveMaximum_.insert(curve, maximum);

    chart()->addSeries(curve);  // the chart picks the next palette colour
    QPen pen = curve->pen();
    pen.setWidth(2);
    curve->setPen(pen);
    curve->attachAxis(bottomAxis_);
    curve->attachAxis(leftAxis_);
    curves_.append(curve);
    connect(curve, &QLineSeries::visibleChanged, this, [this] {
        recomputeShownMaximum();
        updateLeftAxis();
    });
    legend_->addCurve(curve);
    placeLegend();
    // A new, shown curve can only raise the maximum: no walk over the others.
    dataMaximum_ = std::max(dataMaximum_, maximum);
    anyShown_ = true;
    updateLeftAxis();
    return curve;
}

void ChartControl::removeCurve(QLineSeries* curve)
{
    if (!curves_.removeOne(curve))
        return;
    curveMaximum_.remove(curve);
    legend_->removeCurve(curve);
    chart()->removeSeries(curve);
    delete curve;
    placeLegend();
    recomputeShownMaximum();
    updateLeftAxis();
}

void ChartControl::removeAllCurves()
{
    legend_->clear();
    const QList<QLineSeries*> all = curves_;
    curves_.clear();
    curveMaximum_.clear();
    for (QLineSeries* curve : all) {
        chart()->removeSeries(curve);
        delete curve;
    }
    placeLegend();
    recomputeShownMaximum();
    updateLeftAxis();
}

void ChartControl::setLeftAxisIncrement(double increment)
{
    leftIncrement_ = increment;
    shownMaximum_ = -1;
    updateLeftAxis();
}

void ChartControl::recomputeShownMaximum()
{
    dataMaximum_ = 0;
    anyShown_ = false;
    for (QLineSeries* curve : curves_) {
        if (curve->isVisible()) {
            anyShown_ = true;
            dataMaximum_ = std::max(dataMaximum_, curveMaximum_.value(curve));
        }
    }
}

// Automatic maximum, minimum 0: the range follows the shown curves after
// every add, remove and toggle.
void ChartControl::updateLeftAxis()
{
    double maximum = dataMaximum_;
    if (!anyShown_ || maximum <= 0)
        maximum = 1.0;
    const qreal height = chart()->plotArea().height();
    const int maxLabels = std::max(2, static_cast<int>(height / 22));
    const double step = labelStep(maximum, leftIncrement_, maxLabels);
    // End the axis on a label, so that a plateau at the maximum is not drawn
    // on the frame of the plot.
    const double steps = std::ceil(maximum / step - 1e-9);
    maximum = std::max(steps, 1.0) * step;
    if (maximum != shownMaximum_ || step != leftAxis_->tickInterval()) {
        shownMaximum_ = maximum;
        leftAxis_->setRange(0, maximum);
        leftAxis_->setTickInterval(step);
    }
}

void ChartControl::placeLegend()
{
    const QRectF plot = chart()->plotArea();
    legend_->setPos(plot.right() - legend_->size().width() - 6, plot.top() + 6);
}

bool ChartControl::overLegend(const QPoint& viewPos) const
{
    return legend_->isVisible() && legend_->sceneBoundingRect().contains(mapToScene(viewPos));
}

// A press on the legend toggles a curve; it must not start a zoom rectangle.
void ChartControl::mousePressEvent(QMouseEvent* event)
{
    if (overLegend(event->position().toPoint())) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    QChartView::mousePressEvent(event);
}

void ChartControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QChartView::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void ChartControl::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    placeLegend();
}

std::string ChartControl::seriesTitle(int series) const
{
    return toNarrow(curves_.at(series)->name());
}

int ChartControl::xValueCount(int series) const
{
    return static_cast<int>(curves_.at(series)->count());
}

double ChartControl::xValue(int series, int index) const
{
    return curves_.at(series)->at(index).x();
}

int ChartControl::yValueCount(int series) const
{
    return static_cast<int>(curves_.at(series)->count());
}

double ChartControl::yValue(int series, int index) const
{
    return curves_.at(series)->at(index).y();
}

ExportChart::Colour ChartControl::seriesColour(int series) const
{
    const QColor c = curves_.at(series)->color();
    return Colour{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue())};
}

bool ChartControl::isPointsOnly(int series) const
{
    const QLineSeries* curve = curves_.at(series);
    return curve->pointsVisible() && curve->pen().style() == Qt::NoPen;
}
