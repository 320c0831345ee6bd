#include "ui/SetViews.h"

#include "spectrum/SpectrumSampling.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"
#include "ui/ChartControl.h"
#include "ui/CheckListBox.h"
#include "ui/StringGrid.h"

#include <QCoreApplication>
#include <QLineSeries>

namespace {
constexpr int gridColumns = gridPeriodCount + 1;
constexpr int nameColumnWidth = 85;
// Room beside a name for the cell's margins.
constexpr int namePadding = 12;

Qt::PenStyle penStyleOf(SetItem::LineStyle style)
{
    switch (style) {
    case SetItem::LineStyle::Dashed:
        return Qt::DashLine;
    case SetItem::LineStyle::DashDot:
        return Qt::DashDotLine;
    case SetItem::LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}
} // namespace

ChartFollowsSet::ChartFollowsSet(const SpectrumSet& set, ChartControl* chart) : set_(set), chart_(chart) {}

QList<QPointF> ChartFollowsSet::curvePoints(const SetItem& item)
{
    const std::vector<double>& periods = curvePeriodList();
    const std::vector<double> values = item.valuesAt(periods);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        points.append(QPointF(periods[i], values[i]));
    return points;
}

void ChartFollowsSet::spectrumAdded(int index, const SetItem& item)
{
    const CurveKind kind = codeSpectrumOf(item) ? CurveKind::CodeSpectrum : CurveKind::Record;
    QLineSeries* curve = chart_->addCurve(fromNarrow(item.name()), curvePoints(item), penStyleOf(item.lineStyle()), kind);
    // A spectrum opened from a set file may come unticked.
    if (!set_.isVisible(index))
        curve->setVisible(false);
}

void ChartFollowsSet::spectrumRemoved(int index)
{
    chart_->removeCurve(chart_->curve(index));
}

void ChartFollowsSet::spectraCleared()
{
    chart_->removeAllCurves();
}

void ChartFollowsSet::visibilityChanged(int, bool)
{
    for (int i = 0; i < set_.size() && i < chart_->curveCount(); ++i)
        chart_->curve(i)->setVisible(set_.isVisible(i));
}

void ChartFollowsSet::itemChanged(int index, const SetItem& item)
{
    chart_->setCurvePoints(chart_->curve(index), curvePoints(item));
}

CheckListFollowsSet::CheckListFollowsSet(const SpectrumSet& set, CheckListBox* list) : set_(set), list_(list) {}

void CheckListFollowsSet::spectrumAdded(int index, const SetItem& item)
{
    list_->addEntry(fromNarrow(item.name()));
    list_->setChecked(list_->count() - 1, set_.isVisible(index));
}

void CheckListFollowsSet::spectrumRemoved(int index)
{
    list_->removeEntryAt(index);
}

void CheckListFollowsSet::spectraCleared()
{
    list_->clear();
}

void CheckListFollowsSet::visibilityChanged(int index, bool visible)
{
    if (list_->isChecked(index) != visible)
        list_->setChecked(index, visible);
}

GridFollowsSet::GridFollowsSet(const SpectrumSet& set, StringGrid* grid) : set_(set), grid_(grid) {}

void GridFollowsSet::writeHeader()
{
    grid_->setColumnCount(gridColumns);
    grid_->setRowsWithHeader(2);
    grid_->setColumnWidth(0, nameColumnWidth);
    writeNameHeading();
    for (int j = 0; j < gridPeriodCount; ++j)
        grid_->setText(0, j + 1, formatGeneral(gridPeriod(j)));
}

void GridFollowsSet::writeNameHeading()
{
    grid_->setText(0, 0, QCoreApplication::translate("GridFollowsSet", " Name"));
}

QStringList GridFollowsSet::rowTexts(const SetItem& item)
{
    QStringList cells;
    cells.reserve(gridColumns);
    cells << fromNarrow(item.name());
    for (double value : item.valuesAt(gridPeriodList()))
        cells << formatFixed(value, 6);
    return cells;
}

void GridFollowsSet::spectrumAdded(int index, const SetItem& item)
{
    const int row = index + 1;
    grid_->setRowsWithHeader(set_.size() + 1);
    const QStringList texts = rowTexts(item);
    grid_->textModel()->setRow(row, texts);
    widenNameColumnFor(texts.front());
}

// The name column grows to show every name in full, and never shrinks
// while names are shown: a removal does not make the grid jump.
void GridFollowsSet::widenNameColumnFor(const QString& name)
{
    const int needed = grid_->fontMetrics().horizontalAdvance(name) + namePadding;
    if (needed > grid_->columnWidth(0))
        grid_->setColumnWidth(0, needed);
}

void GridFollowsSet::itemChanged(int index, const SetItem& item)
{
    grid_->textModel()->setRow(index + 1, rowTexts(item));
}

// Rows below a removed spectrum move up; with none left one empty row stays.
void GridFollowsSet::spectrumRemoved(int)
{
    rebuild();
}

void GridFollowsSet::spectraCleared()
{
    rebuild();
}

void GridFollowsSet::rebuild()
{
    const int n = set_.size();
    if (n == 0) {
        grid_->setRowsWithHeader(2);
        grid_->textModel()->setRow(1, QStringList(gridColumns, QString()));
        grid_->setColumnWidth(0, nameColumnWidth);
        return;
    }
    grid_->setRowsWithHeader(n + 1);
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        rows.push_back(rowTexts(set_.item(i)));
    grid_->textModel()->setDataRows(std::move(rows));
}
