#pragma once

#include <QPointer>
#include <QWidget>

class ChartControl;
class QGroupBox;

// The graph panel: a sizeable, always-on-top window that hosts the main
// window's chart while it is popped out. Closing it, however that happens,
// returns the chart home and releases the panel.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);

    ChartControl* hostedChart = nullptr;  // not owned
    QGroupBox* homeParent = nullptr;      // not owned

    // Takes `chart` into the panel's client area.
    void host(ChartControl* chart);

    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The panel created last; null once it has been released.
extern QPointer<TForm2> Form2;

// Puts `chart` back into its home box, filling it.
void returnChartHome(ChartControl* chart, QGroupBox* home);
