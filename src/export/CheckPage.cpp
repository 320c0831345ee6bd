#include "export/CheckPage.h"

#include <algorithm>

namespace {

// The tables may take this share of the page before their rows get lower.
constexpr qreal tableShare = 0.6;

} // namespace

CheckPageLayout layoutCheckPage(const QRectF& page, const QSizeF& chartSize, int recordRows, int verdictRows,
                                qreal rowHeight, qreal gap)
{
    CheckPageLayout layout;
    const int rows = std::max(recordRows, 0) + std::max(verdictRows, 0);
    layout.rowHeight = rowHeight;
    const qreal limit = std::max<qreal>(page.height() * tableShare - gap, 0);
    if (rows > 0 && rows * rowHeight > limit)
        layout.rowHeight = limit / rows;
    const qreal tablesHeight = rows * layout.rowHeight + gap;

    qreal chartWidth = 0;
    qreal chartHeight = 0;
    if (chartSize.width() > 0 && chartSize.height() > 0) {
        chartWidth = page.width();
        chartHeight = chartWidth * chartSize.height() / chartSize.width();
        const qreal room = std::max<qreal>(page.height() - tablesHeight - gap, 0);
        if (chartHeight > room) {
            chartHeight = room;
            chartWidth = chartHeight * chartSize.width() / chartSize.height();
        }
    }
    layout.chart = QRectF(page.left() + (page.width() - chartWidth) / 2, page.top(), chartWidth, chartHeight);
    layout.records = QRectF(page.left(), layout.chart.bottom() + gap, page.width(),
                            std::max(recordRows, 0) * layout.rowHeight);
    layout.verdicts = QRectF(page.left(), layout.records.bottom() + gap, page.width(),
                             std::max(verdictRows, 0) * layout.rowHeight);
    return layout;
}

QList<qreal> recordColumnShares(int columns)
{
    if (columns <= 0)
        return {};
    // The name counts as two columns.
    const qreal unit = 1.0 / (columns + 1);
    QList<qreal> shares{2 * unit};
    for (int c = 1; c < columns; ++c)
        shares << unit;
    return shares;
}

QList<qreal> verdictColumnShares()
{
    return {0.24, 0.08, 0.68};
}

QRectF tableCell(const QRectF& table, qreal rowHeight, const QList<qreal>& shares, int row, int column)
{
    if (shares.isEmpty())
        return QRectF();
    const int last = static_cast<int>(shares.size()) - 1;
    qreal left = table.left();
    for (int c = 0; c < column && c <= last; ++c)
        left += table.width() * shares[c];
    return QRectF(left, table.top() + row * rowHeight, table.width() * shares[std::clamp(column, 0, last)], rowHeight);
}
