#include "ui/ReportPrinter.h"

#include "common/KavrelError.h"
#include "export/CheckPage.h"
#include "export/ReportPage.h"
#include "ui/ChartControl.h"
#include "ui/CheckLegend.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QChart>
#include <QGraphicsView>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
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

namespace {

// The chart's curves as a plain legend (a line in the curve's pen, its
// title) in the top right corner of the plot frame of the chart drawn in
// `box`: the window's legend, with its check boxes, is no part of a page.
void drawPlainLegend(QPainter& painter, const PageMeasures& measures, ChartControl* chart, const QRectF& box,
                     const QList<const QLineSeries*>& shown)
{
    if (shown.isEmpty() || chart->width() <= 0 || chart->height() <= 0)
        return;
    // Where render() put the view: scaled to fit, centred.
    const qreal scale = std::min(box.width() / chart->width(), box.height() / chart->height());
    const QPointF origin(box.left() + (box.width() - chart->width() * scale) / 2,
                         box.top() + (box.height() - chart->height() * scale) / 2);
    const QRectF plotInView =
        chart->mapFromScene(chart->chart()->mapToScene(chart->chart()->plotArea())).boundingRect();
    const QRectF plot(origin + plotInView.topLeft() * scale, plotInView.size() * scale);

    QFont font = measures.font;
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height() * 1.2;
    const qreal sample = measures.quarterInch * 1.5;
    const qreal padding = measures.quarterInch / 4;
    qreal textWidth = 0;
    for (const QLineSeries* curve : shown)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(curve->name()));
    const QSizeF size(padding * 3 + sample + textWidth, padding * 2 + line * shown.size());
    const QRectF frame(plot.right() - size.width() - padding, plot.top() + padding, size.width(), size.height());
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < shown.size(); ++i) {
        const qreal y = frame.top() + padding + line * (i + 0.5);
        QPen pen = shown[i]->pen();
        pen.setWidthF(std::max<qreal>(pen.widthF() * scale, 1));
        painter.setPen(pen);
        painter.drawLine(QPointF(frame.left() + padding, y), QPointF(frame.left() + padding + sample, y));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawText(QRectF(frame.left() + padding * 2 + sample, y - line / 2, textWidth + padding, line),
                         Qt::AlignVCenter | Qt::AlignLeft, shown[i]->name());
    }
}

} // namespace

void printCheckSheet(QPrinter* printer, ChartControl* chart, const CheckSheetPrint& sheet)
{
    const QStringList& heading = sheet.heading;
    const QList<QStringList>& recordRows = sheet.recordRows;
    const QList<QStringList>& verdictRows = sheet.verdictRows;
    QPainter painter;
    const PageMeasures measures = beginPage(painter, printer);
    const CheckPageLayout layout = layoutCheckPage(measures.page, chart->size(), static_cast<int>(heading.size()),
                                                   static_cast<int>(recordRows.size()),
                                                   static_cast<int>(verdictRows.size()), measures.rowHeight,
                                                   measures.quarterInch);
    for (int i = 0; i < heading.size(); ++i) {
        QFont font = measures.font;
        if (i == 0) {
            font.setPointSizeF(13);
            font.setBold(true);
        }
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 0));
        const QRectF line(layout.heading.left(), layout.heading.top() + i * layout.rowHeight, layout.heading.width(),
                          layout.rowHeight);
        painter.drawText(line, Qt::AlignVCenter | Qt::AlignLeft,
                         QFontMetricsF(font, printer).elidedText(heading[i], Qt::ElideRight, line.width()));
    }
    QGraphicsItem* legend = chart->checkLegend();
    const bool legendShown = legend->isVisible();
    legend->setVisible(false);
    drawChart(painter, chart, layout.chart);
    legend->setVisible(legendShown);
    drawPlainLegend(painter, measures, chart, layout.chart, sheet.legend);
    const int recordColumns = recordRows.isEmpty() ? 0 : static_cast<int>(recordRows.front().size());
    const QList<qreal> recordShares = recordColumnShares(recordColumns);
    drawTable(painter, measures, layout.rowHeight, recordRows, recordColumns, true,
              [&](int row, int column) { return tableCell(layout.records, layout.rowHeight, recordShares, row, column); });
    if (layout.verdictsOnSecondPage && !printer->newPage())
        throw KavrelError(QCoreApplication::translate("SafeFileWriter", "Stream write error"));
    const QList<qreal> verdictShares = verdictColumnShares();
    drawTable(painter, measures, layout.rowHeight, verdictRows, static_cast<int>(verdictShares.size()), false,
              [&](int row, int column) { return tableCell(layout.verdicts, layout.rowHeight, verdictShares, row, column); },
              sheet.verdictFills);
    endPage(painter);
}
