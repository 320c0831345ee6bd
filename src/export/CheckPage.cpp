#include "export/CheckPage.h"

#include <algorithm>

namespace {

// The chart keeps at least this share of the page's height.
constexpr qreal chartShare = 1.0 / 3.0;

// The largest rectangle of `ratio` (width / height) within `width` x `height`,
// centred at the top of `area`.
QRectF fitChart(const QRectF& area, const QSizeF& chartSize)
{
    if (chartSize.width() <= 0 || chartSize.height() <= 0 || area.width() <= 0 || area.height() <= 0)
        return QRectF(area.center().x(), area.top(), 0, 0);
    qreal width = area.width();
    qreal height = width * chartSize.height() / chartSize.width();
    if (height > area.height()) {
        height = area.height();
        width = height * chartSize.width() / chartSize.height();
    }
    return QRectF(area.left() + (area.width() - width) / 2, area.top(), width, height);
}

} // namespace

CheckPageLayout layoutCheckPage(const QRectF& page, const QSizeF& chartSize, int headingLines, int recordRows,
                                int verdictRows, qreal rowHeight, qreal gap)
{
    CheckPageLayout layout;
    headingLines = std::max(headingLines, 0);
    recordRows = std::max(recordRows, 0);
    verdictRows = std::max(verdictRows, 0);
    layout.rowHeight = rowHeight;
    const qreal minimumChart = page.height() * chartShare;
    const qreal below = [&] {
        // The room under the heading and the chart's least height.
        const qreal heading = headingLines * rowHeight + (headingLines > 0 ? gap : 0);
        return std::max<qreal>(page.height() - heading - minimumChart - gap, 0);
    }();
    const qreal bothTables = (recordRows + verdictRows) * rowHeight + (verdictRows > 0 ? gap : 0);
    if (bothTables > below) {
        layout.verdictsOnSecondPage = verdictRows > 0;
        // Lower rows only where a table is too long even so.
        if (recordRows > 0 && recordRows * layout.rowHeight > below)
            layout.rowHeight = below / recordRows;
        if (verdictRows > 0 && verdictRows * layout.rowHeight > page.height())
            layout.rowHeight = page.height() / verdictRows;
    }
    const qreal row = layout.rowHeight;
    layout.heading = QRectF(page.left(), page.top(), page.width(), headingLines * row);
    const qreal chartTop = layout.heading.bottom() + (headingLines > 0 ? gap : 0);
    const qreal tablesBelow =
        recordRows * row + (layout.verdictsOnSecondPage || verdictRows == 0 ? 0 : gap + verdictRows * row);
    const qreal chartRoom = std::max<qreal>(page.bottom() - chartTop - gap - tablesBelow, 0);
    layout.chart = fitChart(QRectF(page.left(), chartTop, page.width(), chartRoom), chartSize);
    layout.records = QRectF(page.left(), layout.chart.bottom() + gap, page.width(), recordRows * row);
    const qreal verdictsTop = layout.verdictsOnSecondPage ? page.top() : layout.records.bottom() + gap;
    layout.verdicts = QRectF(page.left(), verdictsTop, page.width(), verdictRows * row);
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
