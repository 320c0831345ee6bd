#include "ui/SetViews.h"

#include "spectrum/KavrelSpectrum.h"
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
} // namespace

ChartFollowsSet::ChartFollowsSet(const SpectrumSet& set, ChartControl* chart) : set_(set), chart_(chart) {}

void ChartFollowsSet::spectrumAdded(int index, const KavrelSpectrum& spectrum)
{
    QList<QPointF> points;
    const auto samples = sampleCurve(spectrum);
    points.reserve(static_cast<qsizetype>(samples.size()));
    for (const SpectrumPoint& p : samples)
        points.append(QPointF(p.period, p.alpha));
    QLineSeries* curve = chart_->addCurve(fromNarrow(spectrum.responseName), points);
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

CheckListFollowsSet::CheckListFollowsSet(const SpectrumSet& set, CheckListBox* list) : set_(set), list_(list) {}

void CheckListFollowsSet::spectrumAdded(int index, const KavrelSpectrum& spectrum)
{
    list_->addEntry(fromNarrow(spectrum.responseName));
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
    grid_->setColCount(gridColumns);
    grid_->setRowCount(2);
    grid_->setColWidth(0, nameColumnWidth);
    writeNameHeading();
    for (int j = 0; j < gridPeriodCount; ++j)
        grid_->setCells(j + 1, 0, formatGeneral(gridPeriod(j)));
}

void GridFollowsSet::writeNameHeading()
{
    grid_->setCells(0, 0, QCoreApplication::translate("GridFollowsSet", " Name"));
}

QStringList GridFollowsSet::rowTexts(const KavrelSpectrum& spectrum)
{
    QStringList cells;
    cells.reserve(gridColumns);
    cells << fromNarrow(spectrum.responseName);
    for (double alpha : sampleGrid(spectrum))
        cells << formatFixed(alpha, 6);
    return cells;
}

void GridFollowsSet::spectrumAdded(int index, const KavrelSpectrum& spectrum)
{
    const int row = index + 1;
    grid_->setRowCount(set_.size() + 1);
    grid_->grid()->setRow(row, rowTexts(spectrum));
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
        grid_->setRowCount(2);
        grid_->grid()->setRow(1, QStringList(gridColumns, QString()));
        return;
    }
    grid_->setRowCount(n + 1);
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        rows.push_back(rowTexts(set_.at(i)));
    grid_->grid()->setDataRows(std::move(rows));
}
