#pragma once

#include <QString>
#include <QStringList>

// The file types of Save Picture. The bitmap comes first and is the default;
// the others serve reports: PNG for a lossless picture of the same pixels,
// SVG and PDF for vector drawings whose texts stay text.
enum class PictureFormat { Bmp, Png, Svg, Pdf };

// The picture dialog's file-type entries, in the order offered, BMP first.
QStringList pictureFilters();

// The entry of `format` in that list.
QString pictureFilter(PictureFormat format);

// The extension of `format`, without the dot: "bmp", "png", "svg", "pdf".
QString pictureSuffix(PictureFormat format);

// The format of a file the user chose: the extension typed in the name when
// it is one of the four (in any case), otherwise the chosen entry's type,
// otherwise the bitmap.
PictureFormat pictureFormatFor(const QString& path, const QString& chosenFilter);
