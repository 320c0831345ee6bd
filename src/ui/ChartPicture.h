#pragma once

#include "export/PictureFormat.h"

#include <QByteArray>
#include <QString>

class QWidget;

// Save Picture: the chart as it looks on screen, at the widget's own size in
// logical pixels whatever the screen's scale: a Windows bitmap (BMP) or PNG
// of those pixels, or an SVG or one-page PDF drawing of that size whose
// texts stay text.

// Renders `widget` and returns the encoded BMP file. Throws KavrelError
// "Stream write error" when no picture can be made (a widget of no size).
QByteArray renderWidgetBmp(QWidget* widget);

// The same in any of the picture formats.
QByteArray renderWidgetPicture(QWidget* widget, PictureFormat format);

// Creates or replaces the file at `path` with that picture; a failure leaves
// an existing file as it was. Throws KavrelError
// "Cannot create file "<full path>". <reason>" or "Stream write error".
void saveWidgetPicture(QWidget* widget, const QString& path, PictureFormat format = PictureFormat::Bmp);
