#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Save Picture: the chart as it looks on screen, as a Windows bitmap (BMP)
// of the widget's own size in logical pixels, whatever the screen's scale.

// Renders `widget` and returns the encoded BMP file. Throws KavrelError
// "Stream write error" when no picture can be made (a widget of no size).
QByteArray renderWidgetBmp(QWidget* widget);

// Creates or replaces the file at `path` with that picture; a failure leaves
// an existing file as it was. Throws KavrelError
// "Cannot create file "<full path>". <reason>" or "Stream write error".
void saveWidgetPicture(QWidget* widget, const QString& path);
