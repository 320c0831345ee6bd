#pragma once

#include "spectrum/SpectrumSet.h"

#include <QList>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <utility>

class ChartControl;
class CheckListBox;
class StringGrid;

// The three views of the spectrum set. Each follows the set's changes by
// position; none of them looks at another.

// One curve per spectrum, drawn while its check mark is set. A change of any
// mark sets every curve from the marks again, so that a curve hidden in the
// legend alone comes back with the next toggle in the check list.
class ChartFollowsSet : public SpectrumSet::Listener {
public:
    ChartFollowsSet(const SpectrumSet& set, ChartControl* chart);
    void spectrumAdded(int index, const SetItem& item) override;
    void spectrumRemoved(int index) override;
    void spectraCleared() override;
    void visibilityChanged(int index, bool visible) override;
    void itemChanged(int index, const SetItem& item) override;

    // The item's curve: its values at the chart's periods.
    static QList<QPointF> curvePoints(const SetItem& item);

private:
    const SpectrumSet& set_;
    ChartControl* chart_;
};

// One check-list entry per spectrum, ticked while it is shown.
class CheckListFollowsSet : public SpectrumSet::Listener {
public:
    CheckListFollowsSet(const SpectrumSet& set, CheckListBox* list);
    void spectrumAdded(int index, const SetItem& item) override;
    void spectrumRemoved(int index) override;
    void spectraCleared() override;
    void visibilityChanged(int index, bool visible) override;
    void itemChanged(int, const SetItem&) override {}

private:
    const SpectrumSet& set_;
    CheckListBox* list_;
};

// The header row of periods, then one row of values per spectrum; with no
// spectrum one empty row.
class GridFollowsSet : public SpectrumSet::Listener {
public:
    GridFollowsSet(const SpectrumSet& set, StringGrid* grid);
    // Column count, the name column's width and the header row.
    void writeHeader();
    // The name column's heading, in the installed language.
    void writeNameHeading();
    void spectrumAdded(int index, const SetItem& item) override;
    void spectrumRemoved(int index) override;
    void spectraCleared() override;
    void visibilityChanged(int, bool) override {}
    void itemChanged(int index, const SetItem& item) override;

    // The grid row of one item: its name and its values at the grid periods.
    static QStringList rowTexts(const SetItem& item);

private:
    void rebuild();
    void widenNameColumnFor(const QString& name);

    const SpectrumSet& set_;
    StringGrid* grid_;
};

// Runs `changed` after every change of the set, whatever it was: for a
// window that shows a choice of the set's spectra.
class SetChangeNotifier : public SpectrumSet::Listener {
public:
    explicit SetChangeNotifier(std::function<void()> changed) : changed_(std::move(changed)) {}
    void spectrumAdded(int, const SetItem&) override { changed_(); }
    void itemChanged(int, const SetItem&) override { changed_(); }
    void spectrumRemoved(int) override { changed_(); }
    void spectraCleared() override { changed_(); }
    void visibilityChanged(int, bool) override {}

private:
    std::function<void()> changed_;
};
