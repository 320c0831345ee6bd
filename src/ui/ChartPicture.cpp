#include "ui/ChartPicture.h"

#include "common/KavrelError.h"
#include "export/SafeFileWriter.h"

#include <QBuffer>
#include <QImage>
#include <QWidget>

QByteArray renderWidgetBmp(QWidget* widget)
{
    // QWidget::render into an image of size() gives exactly the client size;
    // grab() would give device pixels on a scaled screen.
    QImage image(widget->size(), QImage::Format_RGB32);
    if (image.isNull())
        throw KavrelError(QStringLiteral("Stream write error"));
    image.fill(Qt::white);
    widget->QWidget::render(&image);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        throw KavrelError(QStringLiteral("Stream write error"));
    return bytes;
}

void saveWidgetPicture(QWidget* widget, const QString& path)
{
    writeFileAtomically(path, renderWidgetBmp(widget));
}
