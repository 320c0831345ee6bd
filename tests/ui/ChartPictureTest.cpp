#include "common/KavrelError.h"
#include "support/QtPrinters.h"
#include "PdfReading.h"
#include "ui/ChartControl.h"
#include "ui/ChartPicture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLineSeries>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <unistd.h>
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

namespace {

// A chart of the graph panel's size with two curves, the second hidden.
class ChartPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.resize(857, 353);
        QList<QPointF> rising, falling;
        for (int i = 0; i <= 600; ++i) {
            rising << QPointF(i * 0.01, 0.02 + i * 0.0001);
            falling << QPointF(i * 0.01, 0.09 - i * 0.0001);
        }
        chart.addCurve(QStringLiteral("Shown-1"), rising);
        hidden = chart.addCurve(QStringLiteral("Hidden-2"), falling);
        hidden->setVisible(false);
        chart.show();
        QCoreApplication::processEvents();
    }

    ChartControl chart;
    QLineSeries* hidden = nullptr;
};

// Number of pages: page objects, not the page tree ("/Pages").
int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The colour of `curve` as SVG writes a stroke.
QString svgColour(const QLineSeries* curve)
{
    return curve->color().name(QColor::HexRgb);
}

} // namespace

TEST_F(ChartPictures, EachFormatHasItsHeaderAndTheChartsSize)
{
    const QImage bmp = QImage::fromData(renderWidgetPicture(&chart, PictureFormat::Bmp), "BMP");
    const QByteArray pngBytes = renderWidgetPicture(&chart, PictureFormat::Png);
    ASSERT_TRUE(pngBytes.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage png = QImage::fromData(pngBytes, "PNG");
    EXPECT_EQ(png.size(), QSize(857, 353));
    EXPECT_EQ(png.size(), bmp.size());
    // Lossless: the same pixels as the bitmap.
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32));

    const QByteArray svg = renderWidgetPicture(&chart, PictureFormat::Svg);
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).constData();
    QXmlStreamReader xml(svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 857 353"));

    const QByteArray pdf = renderWidgetPicture(&chart, PictureFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdfPageCount(pdf), 1);
    // 857 x 353 pixels at 96 per inch are 642.75 x 264.75 points.
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)")).match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 642.75, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 264.75, 1.0);
}

TEST_F(ChartPictures, VectorPicturesKeepTheirTextsAsTextAndLeaveHiddenCurvesOut)
{
    const QByteArray svg = renderWidgetPicture(&chart, PictureFormat::Svg);
    QStringList texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Period, T(s)")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Spectral Accleration,Sa (g)"));
    EXPECT_TRUE(texts.contains("Shown-1"));
    EXPECT_TRUE(texts.contains("Hidden-2"));  // its legend row stays, unticked
    EXPECT_TRUE(texts.contains("6"));         // axis labels are text too

    // The shown curve is hundreds of line pieces in its colour; the hidden
    // one leaves only its legend line.
    const auto linesInColour = [&svg](const QString& colour) {
        int lines = 0;
        QXmlStreamReader reader(svg);
        QString strokeOfGroup;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QStringLiteral("g"))
                strokeOfGroup = reader.attributes().value("stroke").toString();
            else if (strokeOfGroup.compare(colour, Qt::CaseInsensitive) == 0)
                ++lines;
        }
        return lines;
    };
    EXPECT_GT(linesInColour(svgColour(chart.curve(0))), 300);
    EXPECT_EQ(linesInColour(svgColour(hidden)), 1);

    const QString pdfWords = pdfText(renderWidgetPicture(&chart, PictureFormat::Pdf));
    EXPECT_TRUE(pdfWords.contains("Period, T(s)")) << pdfWords.toStdString();
    EXPECT_TRUE(pdfWords.contains("Spectral Accleration,Sa (g)"));
    EXPECT_TRUE(pdfWords.contains("Shown-1"));
}

TEST_F(ChartPictures, AFailedWriteLeavesTheOldFileInEveryFormat)
{
    QTemporaryDir folder;
    const auto expectOldFile = [](const QString& path) {
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "old picture");
    };
    for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf}) {
        SCOPED_TRACE(pictureSuffix(format).toStdString());
        const QString path = folder.filePath("Spectrum." + pictureSuffix(format));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old picture");
        }
        // No picture to be had: nothing is written at all.
        QWidget empty;
        empty.resize(0, 0);
        EXPECT_EQ(errorOf([&] { saveWidgetPicture(&empty, path, format); }), "Stream write error");
        expectOldFile(path);

        // A read-only folder lets nothing be written beside the old file (the
        // superuser could write anyway).
        if (::geteuid() == 0)
            continue;
        ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString error = errorOf([&] { saveWidgetPicture(&chart, path, format); });
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_TRUE(error.startsWith("Cannot create file \"" + path + "\". ")) << error.toStdString();
        expectOldFile(path);
    }
}
