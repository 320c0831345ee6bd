#include "common/KavrelError.h"
#include "support/QtPrinters.h"
#include "ui/ChartPicture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// A widget of a known size and colour with a child in another colour, so the
// picture shows whether it is the widget as drawn, at its own size.
class ColouredWidget {
public:
    ColouredWidget(int width, int height)
    {
        paint(&widget, Qt::red);
        widget.resize(width, height);
        paint(&child, Qt::blue);
        child.setGeometry(10, 20, 30, 15);
    }
    QWidget widget;
    QWidget child{&widget};

private:
    static void paint(QWidget* w, QColor colour)
    {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, colour);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
};

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KavrelError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(ChartPicture, BitmapOfTheWidgetSize)
{
    // An odd width, so that rows need padding in the file.
    ColouredWidget w(400, 200);
    w.widget.resize(857, 353);
    const QByteArray bytes = renderWidgetBmp(&w.widget);
    ASSERT_TRUE(bytes.startsWith("BM"));
    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 857);
    EXPECT_EQ(image.height(), 353);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(856, 352), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(39, 34), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(40, 35), QColor(Qt::red));
}

TEST(ChartPicture, SavedFileReplacesAnOldOne)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Spectrum.bmp"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 * 1024 * 1024, 'x'));
    }
    ColouredWidget w(120, 80);
    saveWidgetPicture(&w.widget, path);
    QImage image;
    ASSERT_TRUE(image.load(path, "BMP"));
    EXPECT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(image.pixelColor(60, 60), QColor(Qt::red));
}

TEST(ChartPicture, FileThatCannotBeCreated)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/Spectrum.bmp"));
    ColouredWidget w(120, 80);
    EXPECT_EQ(errorOf([&] { saveWidgetPicture(&w.widget, path); }),
              "Cannot create file \"" + path + "\". No such file or directory");
}

TEST(ChartPicture, WidgetOfNoSizeGivesNoPicture)
{
    QWidget widget;
    widget.resize(0, 0);
    EXPECT_EQ(errorOf([&] { renderWidgetBmp(&widget); }), "Stream write error");
}
