#include "common/KavrelVersion.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

// The pictures come from a resource of a static library, which is lost
// without a trace when the linker leaves it out.
TEST(ProgramIcon, EveryWindowShowsTheInstalledIconAtEachSize)
{
    const QIcon icon = QApplication::windowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
    for (int side : {48, 128, 256}) {
        const QImage picture = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(picture.size(), QSize(side, side));
        // A light square with transparent rounded corners.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << side;
        EXPECT_GT(qGray(picture.pixel(side / 2, side / 8)), 200) << side;
    }
    QWidget window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QString(KAVREL_APP_ID));
}
