#include "ui/Graphpanelform.h"

#include "ui/ChartControl.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

QPointer<TForm2> Form2;

TForm2::TForm2(QWidget* owner) : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form2");
    setWindowTitle("GraphPanel");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    resize(857, 353);
    if (owner) {
        const QRect over = owner->frameGeometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm2::host(ChartControl* chart)
{
    layout()->addWidget(chart);
    chart->show();
}

void TForm2::FormClose()
{
    if (hostedChart && homeParent)
        returnChartHome(hostedChart, homeParent);
    if (hostedChart) {
        hostedChart->setHint("Double click to Poup the Graph Panel.");
        hostedChart->setTag(0);
    }
}

void TForm2::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();  // released once the close completes (WA_DeleteOnClose)
}

void returnChartHome(ChartControl* chart, QGroupBox* home)
{
    if (chart->parentWidget() == home)
        return;
    home->layout()->addWidget(chart);
    chart->show();
}
