#include "export/PictureFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr PictureFormat allFormats[] = {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Svg,
                                        PictureFormat::Pdf};

bool formatOfSuffix(const QString& suffix, PictureFormat& format)
{
    for (PictureFormat candidate : allFormats) {
        if (suffix.compare(pictureSuffix(candidate), Qt::CaseInsensitive) == 0) {
            format = candidate;
            return true;
        }
    }
    return false;
}

} // namespace

QStringList pictureFilters()
{
    QStringList filters;
    for (PictureFormat format : allFormats)
        filters << pictureFilter(format);
    return filters;
}

QString pictureFilter(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return QCoreApplication::translate("PictureFormat", "PNG Pictures (*.png)");
    case PictureFormat::Svg:
        return QCoreApplication::translate("PictureFormat", "SVG Drawings (*.svg)");
    case PictureFormat::Pdf:
        return QCoreApplication::translate("PictureFormat", "PDF Documents (*.pdf)");
    case PictureFormat::Bmp:
        break;
    }
    return QCoreApplication::translate("PictureFormat", "Bitmaps (*.bmp)");
}

QString pictureSuffix(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return QStringLiteral("png");
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    case PictureFormat::Bmp:
        break;
    }
    return QStringLiteral("bmp");
}

PictureFormat pictureFormatFor(const QString& path, const QString& chosenFilter)
{
    PictureFormat format = PictureFormat::Bmp;
    if (formatOfSuffix(QFileInfo(path).suffix(), format))
        return format;
    // The entry's pattern, e.g. "*.png" in "PNG Pictures (*.png)".
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(chosenFilter);
    if (match.hasMatch() && formatOfSuffix(match.captured(1), format))
        return format;
    return PictureFormat::Bmp;
}
