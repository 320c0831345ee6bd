#include "ui/ReportPrinter.h"

#include "common/KavrelError.h"
#include "export/CheckPage.h"
#include "export/ReportPage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QPainter>
#include <QPrinter>

#include <functional>

namespace {

// The page's facts: its size from the printable area's corner (where the
// painter starts), a line of text and a quarter inch.
struct PageMeasures {
    QRectF page;
    QFont font;
    qreal rowHeight;
    qreal quarterInch;
};

PageMeasures beginPage(QPainter& painter, QPrinter* printer)
{
    if (!painter.begin(printer))
        throw KavrelError(QCoreApplication::translate("SafeFileWriter", "Stream write error"));
    PageMeasures measures;
    measures.page = QRectF(QPointF(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());
    measures.font = painter.font();
    measures.font.setPointSizeF(10);
    measures.rowHeight = QFontMetricsF(measures.font, printer).height() * 1.5;
    measures.quarterInch = printer->resolution() / 4.0;
    return measures;
}

void endPage(QPainter& painter)
{
    if (!painter.end())
        throw KavrelError(QCoreApplication::translate("SafeFileWriter", "Stream write error"));
}

// Cells framed, texts left-aligned and cut short with an ellipsis; the first
// row bold when it is a header. Rows lower than asked shrink their text.
void drawTable(QPainter& painter, const PageMeasures& measures, qreal rowHeight, const QList<QStringList>& rows,
               int columns, bool headerRow, const std::function<QRectF(int, int)>& cell,
               const QList<QColor>& fills = {})
{
    QFont font = measures.font;
    if (rowHeight < measures.rowHeight)
        font.setPointSizeF(std::max(10 * rowHeight / measures.rowHeight, 1.0));
    QFont bold = font;
    bold.setBold(true);
    const qreal padding = measures.quarterInch / 4;
    for (int row = 0; row < rows.size(); ++row) {
        painter.setFont(headerRow && row == 0 ? bold : font);
        const QColor fill = row < fills.size() ? fills[row] : QColor();
        for (int column = 0; column < columns; ++column) {
            const QRectF box = cell(row, column);
            if (fill.isValid())
                painter.fillRect(box, fill);
            painter.setPen(QPen(Qt::black, 0));
            painter.drawRect(box);
            const QString text = column < rows[row].size() ? rows[row][column] : QString();
            const QRectF inside = box.adjusted(padding, 0, -padding, 0);
            painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(inside.width())));
        }
    }
}

void drawChart(QPainter& painter, QGraphicsView* chart, const QRectF& box)
{
    chart->render(&painter, box, QRect(QPoint(0, 0), chart->size()), Qt::KeepAspectRatio);
}

} // namespace

void printReport(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& table)
{
    QPainter painter;
    const PageMeasures measures = beginPage(painter, printer);
    const ReportLayout layout = layoutReportPage(measures.page, chart->size(), static_cast<int>(table.size()),
                                                 measures.rowHeight, measures.quarterInch);
    drawChart(painter, chart, layout.chart);
    drawTable(painter, measures, layout.rowHeight, table, reportColumns, true,
              [&layout](int row, int column) { return layout.cell(row, column); });
    endPage(painter);
}

void printCheckSheet(QPrinter* printer, QGraphicsView* chart, const QList<QStringList>& recordRows,
                     const QList<QStringList>& verdictRows, const QList<QColor>& verdictFills)
{
    QPainter painter;
    const PageMeasures measures = beginPage(painter, printer);
    const CheckPageLayout layout =
        layoutCheckPage(measures.page, chart->size(), static_cast<int>(recordRows.size()),
                        static_cast<int>(verdictRows.size()), measures.rowHeight, measures.quarterInch);
    drawChart(painter, chart, layout.chart);
    const int recordColumns = recordRows.isEmpty() ? 0 : static_cast<int>(recordRows.front().size());
    const QList<qreal> recordShares = recordColumnShares(recordColumns);
    drawTable(painter, measures, layout.rowHeight, recordRows, recordColumns, true,
              [&](int row, int column) { return tableCell(layout.records, layout.rowHeight, recordShares, row, column); });
    const QList<qreal> verdictShares = verdictColumnShares();
    drawTable(painter, measures, layout.rowHeight, verdictRows, static_cast<int>(verdictShares.size()), false,
              [&](int row, int column) { return tableCell(layout.verdicts, layout.rowHeight, verdictShares, row, column); },
              verdictFills);
    endPage(painter);
}
