#include "ui/ChartPicture.h"

#include "common/KavrelError.h"
#include "export/SafeFileWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>

namespace {

// Logical pixels are 96 to the inch, as on an unscaled screen; the vector
// pictures use that resolution so that they have the chart's size.
constexpr int pixelsPerInch = 96;

[[noreturn]] void noPicture()
{
    throw KavrelError(QCoreApplication::translate("SafeFileWriter", "Stream write error"));
}

QImage widgetImage(QWidget* widget)
{
    // QWidget::render into an image of size() gives exactly the client size;
    // grab() would give device pixels on a scaled screen.
    QImage image(widget->size(), QImage::Format_RGB32);
    if (image.isNull())
        noPicture();
    image.fill(Qt::white);
    widget->QWidget::render(&image);
    return image;
}

QByteArray encodedImage(QWidget* widget, const char* format)
{
    const QImage image = widgetImage(widget);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        noPicture();
    return bytes;
}

// Paints the widget onto a vector device; the painter's texts reach the
// device as text, so they stay searchable and sharp.
void paintWidget(QWidget* widget, QPaintDevice* device)
{
    QPainter painter;
    if (!painter.begin(device))
        noPicture();
    painter.fillRect(QRect(QPoint(0, 0), widget->size()), Qt::white);
    widget->QWidget::render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end())
        noPicture();
}

QByteArray svgDrawing(QWidget* widget)
{
    const QSize size = widget->size();
    if (size.isEmpty())
        noPicture();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(pixelsPerInch);
    svg.setTitle(QStringLiteral("Response spectra"));
    svg.setDescription(QStringLiteral("Kavrel_Spect chart"));
    paintWidget(widget, &svg);
    return bytes;
}

QByteArray pdfDocument(QWidget* widget)
{
    const QSize size = widget->size();
    if (size.isEmpty())
        noPicture();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        noPicture();
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(pixelsPerInch);
        pdf.setCreator(QStringLiteral("Kavrel_Spect"));
        pdf.setTitle(QStringLiteral("Response spectra"));
        // One page exactly the chart's size: 72 points to 96 pixels.
        const QSizeF points(size.width() * 72.0 / pixelsPerInch, size.height() * 72.0 / pixelsPerInch);
        pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintWidget(widget, &pdf);
    }  // the writer finishes the file as it goes
    return bytes;
}

} // namespace

QByteArray renderWidgetBmp(QWidget* widget)
{
    return encodedImage(widget, "BMP");
}

QByteArray renderWidgetPicture(QWidget* widget, PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return encodedImage(widget, "PNG");
    case PictureFormat::Svg:
        return svgDrawing(widget);
    case PictureFormat::Pdf:
        return pdfDocument(widget);
    case PictureFormat::Bmp:
        break;
    }
    return encodedImage(widget, "BMP");
}

void saveWidgetPicture(QWidget* widget, const QString& path, PictureFormat format)
{
    writeFileAtomically(path, renderWidgetPicture(widget, format));
}
