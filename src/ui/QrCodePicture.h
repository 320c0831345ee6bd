#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// A QR code picture of `text` (encoded as UTF-8) of exactly `size` pixels:
// whole-pixel modules, a quiet zone of four modules, centred on white, so
// that stretching it to its box changes nothing and a camera reads it.
// Throws KavrelError when the text does not fit in a QR code.
QImage qrCodePicture(const QString& text, QSize size, QColor dark = Qt::black);
