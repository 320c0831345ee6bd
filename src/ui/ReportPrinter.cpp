#include "ui/ReportPrinter.h"

#include "common/KavrelError.h"
#include "export/ReportPage.h"

#include <QFontMetricsF>
#include <QGraphicsView>
#include <QPainter>
#include <QPrinter>

void printReport(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& table)
{
    QPainter painter;
    if (!painter.begin(printer))
        throw KavrelError(QStringLiteral("Stream write error"));
    // The painter starts at the printable area's corner.
    const QRectF page(QPointF(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());

    QFont font = painter.font();
    font.setPointSizeF(10);
    const qreal lineHeight = QFontMetricsF(font, printer).height();
    const qreal quarterInch = printer->resolution() / 4.0;
    const ReportLayout layout =
        layoutReportPage(page, chart->size(), static_cast<int>(table.size()), lineHeight * 1.5, quarterInch);

    chart->render(&painter, layout.chart, QRect(QPoint(0, 0), chart->size()), Qt::KeepAspectRatio);

    // Many rows are lower than asked: their text shrinks with them.
    if (layout.rowHeight < lineHeight * 1.5)
        font.setPointSizeF(std::max(10 * layout.rowHeight / (lineHeight * 1.5), 1.0));
    QFont bold = font;
    bold.setBold(true);
    const qreal padding = quarterInch / 4;
    painter.setPen(QPen(Qt::black, 0));
    for (int row = 0; row < table.size(); ++row) {
        painter.setFont(row == 0 ? bold : font);
        for (int column = 0; column < reportColumns; ++column) {
            const QRectF cell = layout.cell(row, column);
            painter.drawRect(cell);
            const QString text = column < table[row].size() ? table[row][column] : QString();
            const QRectF inside = cell.adjusted(padding, 0, -padding, 0);
            painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(inside.width())));
        }
    }
    if (!painter.end())
        throw KavrelError(QStringLiteral("Stream write error"));
}
