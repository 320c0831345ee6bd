#include "ui/QrCodePicture.h"

#include "common/KavrelError.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Reads a QR picture back into modules: finds the dark area, takes the module
// size from the top edge of the upper-left finder (seven modules long) and
// samples each module at its centre.
struct Modules {
    int left = 0, top = 0, scale = 0, count = 0;
    const QImage* picture = nullptr;
    QRgb dark = 0;

    bool isDark(int column, int row) const
    {
        return picture->pixel(left + column * scale + scale / 2, top + row * scale + scale / 2) == dark;
    }
};

Modules readModules(const QImage& picture, QRgb dark)
{
    Modules modules;
    modules.picture = &picture;
    modules.dark = dark;
    int right = -1, bottom = -1;
    modules.left = picture.width();
    modules.top = picture.height();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == dark) {
                modules.left = std::min(modules.left, x);
                modules.top = std::min(modules.top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    int run = 0;
    while (picture.pixel(modules.left + run, modules.top) == dark)
        ++run;
    modules.scale = run / 7;
    modules.count = (right - modules.left + 1) / std::max(1, modules.scale);
    EXPECT_EQ(right - modules.left, bottom - modules.top) << "the code is square";
    return modules;
}

// A finder pattern: dark ring of 7, light ring of 5, dark core of 3.
void expectFinderAt(const Modules& modules, int column, int row)
{
    SCOPED_TRACE(testing::Message() << "finder at module " << column << ", " << row);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(modules.isDark(column + i, row));
        EXPECT_TRUE(modules.isDark(column + i, row + 6));
        EXPECT_TRUE(modules.isDark(column, row + i));
        EXPECT_TRUE(modules.isDark(column + 6, row + i));
    }
    for (int i = 1; i < 6; ++i) {
        EXPECT_FALSE(modules.isDark(column + i, row + 1));
        EXPECT_FALSE(modules.isDark(column + 1, row + i));
    }
    for (int i = 2; i < 5; ++i)
        for (int j = 2; j < 5; ++j)
            EXPECT_TRUE(modules.isDark(column + i, row + j));
}

TEST(QrCodePictureTest, IsAReadableSymbolOfTheRequestedSize)
{
    const QColor navy(0x0a, 0x1e, 0x5a);
    const QImage picture = qrCodePicture("http://kavrel-spect.example.com/?page_id=4813", QSize(300, 300), navy);
    ASSERT_EQ(picture.size(), QSize(300, 300));

    const Modules modules = readModules(picture, navy.rgb());
    ASSERT_GE(modules.scale, 2);
    // 45 bytes exceed version 3 at the medium level (42 bytes): version 4,
    // 33 modules a side.
    EXPECT_EQ(modules.count, 33);
    // Centred, with a quiet zone of at least four modules on every side.
    EXPECT_GE(modules.left, 4 * modules.scale);
    EXPECT_GE(modules.top, 4 * modules.scale);
    EXPECT_LE(std::abs(modules.left - (300 - modules.left - modules.count * modules.scale)), 1);
    EXPECT_EQ(picture.pixel(0, 0), QColor(Qt::white).rgb());

    expectFinderAt(modules, 0, 0);
    expectFinderAt(modules, modules.count - 7, 0);
    expectFinderAt(modules, 0, modules.count - 7);
    // The timing row between the upper finders alternates, dark first.
    for (int column = 8; column < modules.count - 8; ++column)
        EXPECT_EQ(modules.isDark(column, 6), column % 2 == 0) << "timing module " << column;
}

TEST(QrCodePictureTest, DifferentAddressesGiveDifferentSymbols)
{
    EXPECT_NE(qrCodePicture("http://kavrel-spect.example.com", QSize(220, 220)),
              qrCodePicture("http://kavrel-spect.example.com/?p=11864", QSize(220, 220)));
}

TEST(QrCodePictureTest, TextBeyondTheLargestSymbolIsRefused)
{
    EXPECT_THROW(qrCodePicture(QString(8000, 'x'), QSize(300, 300)), KavrelError);
}

} // namespace
