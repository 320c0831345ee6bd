#include "ui/GraphPanel.h"

#include "ui/ChartControl.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QVBoxLayout>

QString GraphPanel::chartHint(bool inPanel)
{
    return inPanel ? tr("Double click to restore the Graph Panel.") : tr("Double click to Poup the Graph Panel.");
}

GraphPanel::GraphPanel(QWidget* owner, ChartControl* chart, QGroupBox* home)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), hostedChart_(chart), home_(home)
{
    setObjectName("Form2");
    setWindowTitle(tr("GraphPanel"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    resize(857, 353);
    if (owner) {
        const QRect over = owner->frameGeometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
    chart->setHint(chartHint(true));
    layout->addWidget(chart);
    chart->show();
    chart->setPlace(ChartPlace::GraphPanel);
}

void GraphPanel::returnChart(ChartControl* chart, QGroupBox* home)
{
    if (chart->parentWidget() != home) {
        home->layout()->addWidget(chart);
        chart->show();
    }
    chart->setHint(chartHint(false));
    chart->setPlace(ChartPlace::Home);
}

// The chart's hint follows the main window's retranslation.
void GraphPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("GraphPanel"));
    QWidget::changeEvent(event);
}

void GraphPanel::closeEvent(QCloseEvent* event)
{
    if (hostedChart_ && home_)
        returnChart(hostedChart_, home_);
    event->accept();  // released once the close completes (WA_DeleteOnClose)
}
