#pragma once

#include <QWidget>

class ChartControl;
class QGroupBox;

// The graph panel: a sizeable, always-on-top window that hosts the main
// window's chart while it is popped out. Closing it, however that happens,
// returns the chart to its home box and releases the panel.
class GraphPanel : public QWidget {
    Q_OBJECT
public:
    // Takes `chart` out of `home` into the panel, centred over `owner` at
    // 857 x 353, and tells the chart so (tag 1 and its restore hint).
    GraphPanel(QWidget* owner, ChartControl* chart, QGroupBox* home);

    ChartControl* hostedChart() const { return hostedChart_; }
    QGroupBox* homeBox() const { return home_; }

    // Puts `chart` back into `home`, filling it, with tag 0 and its pop-out
    // hint; a chart already there stays as it is.
    static void returnChart(ChartControl* chart, QGroupBox* home);
    // The chart's hint at home (pop out) or in the panel (restore), in the
    // installed language.
    static QString chartHint(bool inPanel);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ChartControl* hostedChart_;  // not owned
    QGroupBox* home_;            // not owned
};
