#include "ui/ChartControl.h"

#include "chart/AxisScale.h"
#include "excel/ExcelConstants.h"
#include "text/NarrowText.h"
#include "ui/CheckLegend.h"
#include "ui/CurveLayer.h"

#include <QEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRubberBand>
#include <QStyleOptionRubberBand>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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

// An overflowed value cannot set a range; the axis follows the finite ones.
double finiteMaximum(const QList<QPointF>& points)
{
    double maximum = 0;
    for (const QPointF& p : points) {
        if (std::isfinite(p.y()))
            maximum = std::max(maximum, p.y());
    }
    return maximum;
}

} // namespace

ChartControl::ChartControl(QWidget* parent)
    : QChartView(new QChart(), parent), scaleSeries_(new QLineSeries), bottomAxis_(new QValueAxis),
      leftAxis_(new QValueAxis), legend_(new CheckLegend(chart())),
      curveLayer_(new CurveLayer(chart(), {&curves_, &temporaryCurves_}, bottomAxis_, leftAxis_))
{
    QChart* c = chart();
    c->legend()->hide();
    c->setTitle(QString());
    QMargins margins = c->margins();
    margins.setTop(5);
    c->setMargins(margins);
    // No animations: Qt's axis animation keeps updating label items that a
    // later range or tick change has already deleted (a crash under brisk
    // use), and there is no public way to stop it first. Axes change at once.
    c->setAnimationOptions(QChart::NoAnimation);

    showAxisTitles();
    bottomAxis_->setTitleFont(boldTitleFont());
    bottomAxis_->setRange(0, 6);
    bottomAxis_->setLabelFormat(QStringLiteral("%g"));
    leftAxis_->setTitleFont(boldTitleFont());
    leftAxis_->setLabelFormat(QStringLiteral("%g"));
    leftAxis_->setTickType(QValueAxis::TicksDynamic);
    leftAxis_->setTickAnchor(0);
    c->addAxis(bottomAxis_, Qt::AlignBottom);
    c->addAxis(leftAxis_, Qt::AlignLeft);
    c->addSeries(scaleSeries_);
    scaleSeries_->attachAxis(bottomAxis_);
    scaleSeries_->attachAxis(leftAxis_);

    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    auto* style = new ZoomBandStyle();
    style->setParent(this);
    for (QRubberBand* band : findChildren<QRubberBand*>())
        band->setStyle(style);

    // The plot area changes in the middle of Qt's own range changes (a zoom,
    // a wider label): the axis is fitted to it once Qt is done, not inside.
    connect(c, &QChart::plotAreaChanged, this, [this] {
        placeLegend();
        if (!fitPending_) {
            fitPending_ = true;
            QMetaObject::invokeMethod(this, &ChartControl::fitLeftAxisToPlot, Qt::QueuedConnection);
        }
    });
    updateLeftAxis();
}

QLineSeries* ChartControl::makeCurve(const QString& title, const QList<QPointF>& points, Qt::PenStyle style,
                                     CurveKind kind)
{
    // Owned by the chart control without being its child: a child's deletion
    // searches and shifts the list of all the others (see releaseCurves).
    auto* curve = new QLineSeries();
    curve->setName(title);
    curve->replace(points);
    curve->setMarkerSize(2);
    curve->setPointsVisible(false);
    const double maximum = finiteMaximum(points);
    curveMaximum_.insert(curve, maximum);
    const Held held{toNarrow(title), kind == CurveKind::CodeSpectrum};
    held_.insert(curve, held);
    QPen pen;
    pen.setStyle(style);
    curve->setPen(pen);
    paintCurve(curve, colours_->join(held.key, held.codeSpectrum));
    connect(curve, &QLineSeries::visibleChanged, this, [this] {
        recomputeShownMaximum();
        updateLeftAxis();
        curveLayer_->update();
    });
    legend_->addCurve(curve);
    placeLegend();
    // A new, shown curve can only raise the maximum: no walk over the others.
    dataMaximum_ = std::max(dataMaximum_, maximum);
    anyShown_ = true;
    updateLeftAxis();
    curveLayer_->update();
    return curve;
}

void ChartControl::paintCurve(QLineSeries* curve, const ItemColours::Look& look)
{
    const CurveColour colour = curveColour(look.slot);
    QPen pen = curve->pen();
    pen.setColor(QColor(colour.red, colour.green, colour.blue));
    pen.setWidth(look.codeSpectrum ? 2 : 1);
    curve->setPen(pen);
}

void ChartControl::letColourGo(const QLineSeries* curve)
{
    const auto it = held_.constFind(curve);
    if (it == held_.constEnd())
        return;
    colours_->leave(it->key);
    held_.erase(it);
}

void ChartControl::shareColoursWith(const ChartControl& leader)
{
    if (colours_ == leader.colours_)
        return;
    for (const QList<QLineSeries*>* list : {&curves_, &temporaryCurves_}) {
        for (QLineSeries* curve : *list) {
            const Held& held = held_[curve];
            colours_->leave(held.key);
            paintCurve(curve, leader.colours_->join(held.key, held.codeSpectrum));
        }
    }
    colours_ = leader.colours_;
    legend_->update();
    curveLayer_->update();
}

QLineSeries* ChartControl::addCurve(const QString& title, const QList<QPointF>& points, Qt::PenStyle style,
                                    CurveKind kind)
{
    QLineSeries* curve = makeCurve(title, points, style, kind);
    curves_.append(curve);
    return curve;
}

void ChartControl::removeCurve(QLineSeries* curve)
{
    if (curves_.removeOne(curve))
        forgetCurve(curve);
}

void ChartControl::forgetCurve(QLineSeries* curve)
{
    curveMaximum_.remove(curve);
    letColourGo(curve);
    legend_->removeCurve(curve);
    releaseCurves({curve});
    placeLegend();
    recomputeShownMaximum();
    updateLeftAxis();
    curveLayer_->update();
}

void ChartControl::removeAllCurves()
{
    const QList<QLineSeries*> all = curves_;
    curves_.clear();
    // Only the set's curves go: the slot and legend row of a temporary curve
    // stay its own.
    for (QLineSeries* curve : all) {
        curveMaximum_.remove(curve);
        letColourGo(curve);
    }
    legend_->clear();
    for (QLineSeries* curve : temporaryCurves_)
        legend_->addCurve(curve);
    releaseCurves(all);
    placeLegend();
    recomputeShownMaximum();
    updateLeftAxis();
    curveLayer_->update();
}

QLineSeries* ChartControl::temporaryCurve(const QString& title) const
{
    for (QLineSeries* curve : temporaryCurves_) {
        if (curve->name() == title)
            return curve;
    }
    return nullptr;
}

QLineSeries* ChartControl::setTemporaryCurve(const QString& title, const QList<QPointF>& points)
{
    if (QLineSeries* curve = temporaryCurve(title)) {
        setCurvePoints(curve, points);
        return curve;
    }
    // As the mean it stands for is drawn once kept in the set.
    QLineSeries* curve = makeCurve(title, points, Qt::DashDotLine, CurveKind::Record);
    temporaryCurves_.append(curve);
    return curve;
}

void ChartControl::removeTemporaryCurve(const QString& title)
{
    if (QLineSeries* curve = temporaryCurve(title)) {
        temporaryCurves_.removeOne(curve);
        forgetCurve(curve);
    }
}

// A curve may be the sender of the signal being handled (a toggle in the
// legend): the curves are released once this round of the event loop is
// over, together, under one parent that goes with them.
void ChartControl::releaseCurves(const QList<QLineSeries*>& curves)
{
    auto* bin = new QObject(this);
    for (QLineSeries* curve : curves) {
        disconnect(curve, nullptr, this, nullptr);
        curve->setParent(bin);
    }
    bin->deleteLater();
}

// Colours may be shared with a chart that lives on: this one's go back.
ChartControl::~ChartControl()
{
    for (const Held& held : std::as_const(held_))
        colours_->leave(held.key);
    legend_->clear();
    qDeleteAll(curves_);
    qDeleteAll(temporaryCurves_);
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
    for (const QList<QLineSeries*>* list : {&curves_, &temporaryCurves_}) {
        for (QLineSeries* curve : *list) {
            if (!curve->isVisible())
                continue;
            anyShown_ = true;
            dataMaximum_ = std::max(dataMaximum_, curveMaximum_.value(curve));
        }
    }
}

int ChartControl::maxLeftLabels() const
{
    const qreal height = chart()->plotArea().height();
    return std::clamp(static_cast<int>(height / 22), 2, maxLabelsEver);
}

// Automatic maximum, minimum 0: the range follows the shown curves after
// every add, remove and toggle.
void ChartControl::updateLeftAxis()
{
    double maximum = dataMaximum_;
    if (!anyShown_ || maximum <= 0)
        maximum = 1.0;
    const double step = labelStep(maximum, leftIncrement_, maxLeftLabels());
    // End the axis on a label, so that a plateau at the maximum is not drawn
    // on the frame of the plot.
    const double steps = std::ceil(maximum / step - 1e-9);
    maximum = std::min(std::max(steps, 1.0) * step, std::numeric_limits<double>::max());
    if (maximum != shownMaximum_ || step != leftAxis_->tickInterval()) {
        shownMaximum_ = maximum;
        setLeftRange(maximum, step);
    }
}

// A taller or shorter plot fits more or fewer labels. A zoomed chart keeps
// the range the user chose and only gets a label step that fits it.
void ChartControl::fitLeftAxisToPlot()
{
    fitPending_ = false;
    if (!chart()->isZoomed()) {
        updateLeftAxis();
        return;
    }
    const double range = leftAxis_->max() - leftAxis_->min();
    if (std::isfinite(range) && range > 0)
        leftAxis_->setTickInterval(labelStep(range, leftIncrement_, maxLeftLabels()));
}

// Qt lays the labels out at once on every range or interval change, so the
// two must never meet as a huge range over a tiny step, not even between two
// calls: a wider step goes first, a narrower one after the range.
void ChartControl::setLeftRange(double maximum, double step)
{
    if (step >= leftAxis_->tickInterval()) {
        leftAxis_->setTickInterval(step);
        leftAxis_->setRange(0, maximum);
    } else {
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

// The legend is for showing and hiding: a double click there toggles the
// curve like a click and leaves the chart where it is.
void ChartControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (overLegend(event->position().toPoint())) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    QChartView::mouseDoubleClickEvent(event);
    // The chart may change windows on a double click: not from inside its own
    // mouse handler, but once the event is done.
    QMetaObject::invokeMethod(this, &ChartControl::doubleClicked, Qt::QueuedConnection);
}

// A right click zooms out to twice the range; the label step is widened
// before Qt lays out the wider range, so repeated zooming out stays light.
void ChartControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && rubberBand() != NoRubberBand) {
        const double range = 2 * (leftAxis_->max() - leftAxis_->min());
        // Near the largest double a wider range would overflow: nothing wider to show.
        if (!std::isfinite(2 * range)) {
            event->accept();
            return;
        }
        const double step = labelStep(range, leftAxis_->tickInterval(), maxLeftLabels());
        if (step > leftAxis_->tickInterval())
            leftAxis_->setTickInterval(step);
    }
    QChartView::mouseReleaseEvent(event);
}

void ChartControl::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    placeLegend();
}

const QLineSeries* ChartControl::exported(int series) const
{
    return curves_.at(series);
}

std::string ChartControl::seriesTitle(int series) const
{
    return toNarrow(exported(series)->name());
}

int ChartControl::xValueCount(int series) const
{
    return static_cast<int>(exported(series)->count());
}

double ChartControl::xValue(int series, int index) const
{
    return exported(series)->at(index).x();
}

int ChartControl::yValueCount(int series) const
{
    return static_cast<int>(exported(series)->count());
}

double ChartControl::yValue(int series, int index) const
{
    return exported(series)->at(index).y();
}

ExportChart::Colour ChartControl::seriesColour(int series) const
{
    const QColor c = exported(series)->color();
    return Colour{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue())};
}

bool ChartControl::isPointsOnly(int series) const
{
    const QLineSeries* curve = exported(series);
    return curve->pointsVisible() && curve->pen().style() == Qt::NoPen;
}

// Code spectra alone keep the workbook's own colours; among records the
// workbook must show the chart's, or a record could not be told from the
// code spectrum it is compared with.
bool ChartControl::coloursTellCurvesApart() const
{
    return std::any_of(curves_.cbegin(), curves_.cend(),
                       [this](const QLineSeries* curve) { return !held_.value(curve).codeSpectrum; });
}

std::int32_t ChartControl::seriesDashStyle(int series) const
{
    switch (exported(series)->pen().style()) {
    case Qt::DashLine:
        return xl::LineDash;
    case Qt::DashDotLine:
        return xl::LineDashDot;
    default:
        return xl::LineSolid;
    }
}

// The axis titles are read by people (and copied into the workbook's chart):
// in the installed language.
void ChartControl::showAxisTitles()
{
    bottomAxis_->setTitleText(tr("Period, T(s)"));
    leftAxis_->setTitleText(tr("Spectral Accleration,Sa (g)"));
}

void ChartControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showAxisTitles();
    QChartView::changeEvent(event);
}

void ChartControl::setCurvePoints(QLineSeries* curve, const QList<QPointF>& points)
{
    curve->replace(points);
    curveMaximum_.insert(curve, finiteMaximum(points));
    recomputeShownMaximum();
    updateLeftAxis();
    curveLayer_->update();
}
