#pragma once

#include "chart/ColourSlots.h"
#include "excel/ChartExport.h"

#include <QChartView>
#include <QHash>
#include <QList>
#include <QPointF>

#include <memory>
#include <string>

class CheckLegend;
class CurveLayer;
class QLineSeries;
class QValueAxis;

// The main window's chart: titled line curves that can be shown and hidden, a
// legend with a check box per curve, a bottom axis of periods and a left axis
// from 0 up to the highest shown value, zoom by dragging a rectangle, a hint,
// and a double-click signal. The chart knows where it sits: at home in the
// main window or out in the graph panel.
// Where the chart sits: in the main window's chart group, or out in the
// always-on-top graph panel.
enum class ChartPlace { Home, GraphPanel };

// Code spectra are drawn heavier than records and curves made of records.
enum class CurveKind { CodeSpectrum, Record };

class ChartControl : public QChartView, public ExportChart {
    Q_OBJECT
public:
    explicit ChartControl(QWidget* parent = nullptr);
    ~ChartControl() override;

    ChartPlace place() const { return place_; }
    void setPlace(ChartPlace place) { place_ = place; }

    QString hint() const { return toolTip(); }
    void setHint(const QString& hint) { setToolTip(hint); }

    // Adds a curve filled with `points` in order, active, with hidden circle
    // markers of size 2, in the colour its title holds among the charts that
    // share colours (the lowest free slot when none shows it yet); pen width 2
    // for a code spectrum, 1 for the others.
    QLineSeries* addCurve(const QString& title, const QList<QPointF>& points, Qt::PenStyle style = Qt::SolidLine,
                          CurveKind kind = CurveKind::CodeSpectrum);
    // From now on a title has the same colour and weight here as on `leader`
    // (the main window's chart): the curves shown already take theirs.
    void shareColoursWith(const ChartControl& leader);
    // New points for a curve already drawn (a record scaled anew).
    void setCurvePoints(QLineSeries* curve, const QList<QPointF>& points);
    // Takes the curve off the chart and releases it.
    void removeCurve(QLineSeries* curve);
    void removeAllCurves();

    // Curves that are not the set's, so never among curves() (which follow
    // the set by position): a temporary curve belongs to a window that adds,
    // replaces and removes it by title. It is drawn dash-dot, as the set's
    // tabulated curves are, and is never exported.
    QLineSeries* setTemporaryCurve(const QString& title, const QList<QPointF>& points);
    void removeTemporaryCurve(const QString& title);
    QLineSeries* temporaryCurve(const QString& title) const;

    int curveCount() const { return static_cast<int>(curves_.size()); }
    QLineSeries* curve(int index) const { return curves_.at(index); }
    const QList<QLineSeries*>& curves() const { return curves_; }

    QValueAxis* bottomAxis() const { return bottomAxis_; }
    QValueAxis* leftAxis() const { return leftAxis_; }
    CheckLegend* checkLegend() const { return legend_; }

    // What the spreadsheet export reads: every curve of the set, hidden ones
    // included; not a window's temporary curve.
    int seriesCount() const override { return curveCount(); }
    std::string seriesTitle(int series) const override;
    int xValueCount(int series) const override;
    double xValue(int series, int index) const override;
    int yValueCount(int series) const override;
    double yValue(int series, int index) const override;
    Colour seriesColour(int series) const override;
    bool isPointsOnly(int series) const override;
    std::int32_t seriesDashStyle(int series) const override;
    bool coloursTellCurvesApart() const override;

    // Left axis "desired increment": the smallest label step.
    void setLeftAxisIncrement(double increment);

signals:
    void doubleClicked();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showAxisTitles();
    void recomputeShownMaximum();
    void updateLeftAxis();
    void fitLeftAxisToPlot();
    void setLeftRange(double maximum, double step);
    int maxLeftLabels() const;
    void releaseCurves(const QList<QLineSeries*>& curves);
    QLineSeries* makeCurve(const QString& title, const QList<QPointF>& points, Qt::PenStyle style, CurveKind kind);
    void paintCurve(QLineSeries* curve, const ItemColours::Look& look);
    void letColourGo(const QLineSeries* curve);
    void forgetCurve(QLineSeries* curve);
    const QLineSeries* exported(int series) const;
    void placeLegend();
    bool overLegend(const QPoint& viewPos) const;

    // Labels on the left axis at the most, however tall the window.
    static constexpr int maxLabelsEver = 50;

    ChartPlace place_ = ChartPlace::Home;
    QList<QLineSeries*> curves_;
    QList<QLineSeries*> temporaryCurves_;
    QHash<const QLineSeries*, double> curveMaximum_;
    // The title each curve holds its colour under, and whether it was added
    // as a code spectrum.
    struct Held {
        std::string key;
        bool codeSpectrum = true;
    };
    QHash<const QLineSeries*, Held> held_;
    std::shared_ptr<ItemColours> colours_ = std::make_shared<ItemColours>();
    // Empty, but on both axes: Qt Charts zooms the axes through the series
    // it holds, and the curves themselves are not among them.
    QLineSeries* scaleSeries_;
    QValueAxis* bottomAxis_;
    QValueAxis* leftAxis_;
    CheckLegend* legend_;
    CurveLayer* curveLayer_;
    double leftIncrement_ = 0.0025;
    double shownMaximum_ = -1;
    double dataMaximum_ = 0;  // highest value of the shown curves
    bool anyShown_ = false;
    bool fitPending_ = false;
};
