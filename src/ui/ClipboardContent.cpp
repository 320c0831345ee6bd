#include "ui/ClipboardContent.h"

#include "export/TableText.h"
#include "ui/ChartPicture.h"

#include <QImage>
#include <QMimeData>

QMimeData* chartMimeData(QWidget* chart)
{
    const QByteArray png = renderWidgetPicture(chart, PictureFormat::Png);
    const QByteArray svg = renderWidgetPicture(chart, PictureFormat::Svg);
    auto* data = new QMimeData();
    // The image for programs that take the platform's own picture type; the
    // PNG bytes so that the exact pixels of Save Picture arrive.
    data->setImageData(QImage::fromData(png, "PNG"));
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("image/svg+xml"), svg);
    return data;
}

QMimeData* tableMimeData(const QList<QStringList>& rows, bool headerRow)
{
    auto* data = new QMimeData();
    data->setText(tabSeparatedText(rows));
    data->setHtml(htmlTable(rows, headerRow));
    return data;
}
