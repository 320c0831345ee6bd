#include "ui/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

BevelPanel::BevelPanel(QWidget* parent) : QFrame(parent)
{
    // Two one-pixel bevels; content stays inside them.
    setContentsMargins(2, 2, 2, 2);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadePanel(&painter, outer, palette(), true, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), false, 1);
}
