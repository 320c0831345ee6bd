#include "export/ReportPage.h"

#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "records/TabulatedCurveItem.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCoreApplication>

#include <algorithm>

QList<QStringList> parameterTable(const SpectrumSet& spectra, const std::vector<bool>& drawn)
{
    QList<QStringList> rows;
    // The printed page is read by people: its headings in the installed language.
    rows << QStringList{QCoreApplication::translate("ReportPage", "Name"),
                        QCoreApplication::translate("ReportPage", "Design Code"),
                        QCoreApplication::translate("ReportPage", "AlphaMax"),
                        QCoreApplication::translate("ReportPage", "Tg (s)"),
                        QCoreApplication::translate("ReportPage", "Damping Ratio")};
    for (int i = 0; i < spectra.size(); ++i) {
        if (static_cast<std::size_t>(i) >= drawn.size() || !drawn[static_cast<std::size_t>(i)])
            continue;
        const SetItem& item = spectra.item(i);
        if (const KavrelSpectrum* s = codeSpectrumOf(item)) {
            rows << QStringList{fromNarrow(s->responseName), QString::fromStdString(s->codeName()),
                                formatGeneral(s->alphaMax), formatGeneral(s->tg), formatGeneral(s->dampingRatio)};
        } else if (const RecordItem* r = recordItemOf(item)) {
            rows << QStringList{
                fromNarrow(r->name()),
                QCoreApplication::translate("ReportPage", "Record: %1")
                    .arg(QString::fromStdString(r->record().sourceFileName)),
                QCoreApplication::translate("ReportPage", "Peak %1 cm/s²").arg(formatGeneral(r->usedPeakGal())),
                QString(), formatGeneral(r->scaling().damping)};
        } else if (const TabulatedCurveItem* c = tabulatedCurveOf(item)) {
            rows << QStringList{fromNarrow(c->name()),
                                QCoreApplication::translate("ReportPage", "Mean of records (%1)")
                                    .arg(c->recordNames().size()),
                                QString(), QString(), formatGeneral(c->damping())};
        }
    }
    return rows;
}

QRectF ReportLayout::cell(int row, int column) const
{
    qreal left = table.left();
    for (int c = 0; c < column && c < reportColumns; ++c)
        left += table.width() * reportColumnShares[c];
    const qreal width = table.width() * reportColumnShares[std::clamp(column, 0, reportColumns - 1)];
    return QRectF(left, table.top() + row * rowHeight, width, rowHeight);
}

ReportLayout layoutReportPage(const QRectF& page, const QSizeF& chartSize, int rows, qreal rowHeight, qreal gap)
{
    ReportLayout layout;
    layout.rows = std::max(rows, 0);
    layout.rowHeight = rowHeight;
    // Many spectra: the rows get lower rather than leave the page.
    const qreal tableLimit = page.height() / 2;
    if (layout.rows * rowHeight > tableLimit)
        layout.rowHeight = tableLimit / layout.rows;
    const qreal tableHeight = layout.rows * layout.rowHeight;

    qreal chartWidth = page.width();
    qreal chartHeight = 0;
    if (chartSize.width() > 0 && chartSize.height() > 0) {
        chartHeight = chartWidth * chartSize.height() / chartSize.width();
        const qreal room = std::max<qreal>(page.height() - tableHeight - gap, 0);
        if (chartHeight > room) {
            chartHeight = room;
            chartWidth = chartHeight * chartSize.width() / chartSize.height();
        }
    } else {
        chartWidth = 0;
    }
    layout.chart = QRectF(page.left() + (page.width() - chartWidth) / 2, page.top(), chartWidth, chartHeight);
    layout.table = QRectF(page.left(), layout.chart.bottom() + gap, page.width(), tableHeight);
    return layout;
}
