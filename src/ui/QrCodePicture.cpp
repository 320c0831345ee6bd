#include "ui/QrCodePicture.h"

#include "common/KavrelError.h"

#include <QPainter>
#include <algorithm>
#include <memory>
#include <qrencode.h>

namespace {

constexpr int quietZone = 4;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage qrCodePicture(const QString& text, QSize size, QColor dark)
{
    const QByteArray utf8 = text.toUtf8();
    // Version 0 lets the library pick the smallest symbol that holds the text.
    std::unique_ptr<QRcode, QrCodeFree> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M));
    if (!code)
        throw KavrelError(QStringLiteral("The code picture of \"%1\" could not be made.").arg(text));

    const int modules = code->width;
    const int span = modules + 2 * quietZone;
    const int scale = std::max(1, std::min(size.width(), size.height()) / span);
    const int left = (size.width() - modules * scale) / 2;
    const int top = (size.height() - modules * scale) / 2;

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int row = 0; row < modules; ++row) {
        for (int column = 0; column < modules; ++column) {
            // Bit 0 of each module byte marks a dark module.
            if (code->data[row * modules + column] & 1)
                painter.fillRect(left + column * scale, top + row * scale, scale, scale, dark);
        }
    }
    return picture;
}
