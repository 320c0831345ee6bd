#include "MainWindowFixture.h"

#include "ui/GraphPanel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class SaveCommandsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    void saveData() { QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton); }
    void savePicture() { QTest::mouseClick(control<QPushButton>("Button3"), Qt::LeftButton); }

    QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Pixels of `colour` in a picture: a drawn curve leaves hundreds.
    static int pixelsOf(const QImage& image, QColor colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SaveCommandsTest, SaveDataWritesTheFileAndSaysSo)
{
    create("Spectrum-1");
    const QString path = folder.filePath("Spectrum.csv");
    dialogs.saveAnswers = {path};
    saveData();

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const SaveFileRequest& asked = dialogs.saveRequests[0];
    EXPECT_EQ(asked.filter, QString::fromUtf8("CSV(逗号分隔)(*.csv)"));
    EXPECT_EQ(asked.defaultSuffix, "csv");
    EXPECT_EQ(asked.fileName, "Spectrum");
    EXPECT_TRUE(asked.confirmOverwrite);

    const QByteArray bytes = read(path);
    EXPECT_EQ(bytes.count("\r\n"), 606);
    EXPECT_TRUE(bytes.startsWith("ResponseName,DesignCode,Alphamax,Tg(s),DampingRatio\r\n"
                                 "Spectrum-1,GB 50011-2010,0.04,0.2,0.05\r\n\r\n"));
    EXPECT_TRUE(bytes.endsWith("6.00,5.3970E-03,\r\n"));
    EXPECT_EQ(dialogs.texts(), QStringList{"Export Completed"});
    EXPECT_EQ(dialogs.boxes[0].kind, "information");
    EXPECT_EQ(form->pictureSaveDialog().folder, folder.path() + "/");  // the picture dialog follows
}

TEST_F(SaveCommandsTest, SaveDataWithNothingToSaveOrCancelled)
{
    control<QAction>("SaveData1")->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"No spectrum have been create."});
    EXPECT_TRUE(dialogs.saveRequests.empty());

    create("A");
    saveData();  // no answer scripted: the user cancels
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(SaveCommandsTest, AFileThatCannotBeCreatedEndsTheCommandWithAnError)
{
    create("A");
    const QString before = form->pictureSaveDialog().folder;
    const QString path = folder.filePath("missing/Spectrum.csv");
    dialogs.saveAnswers = {path};
    saveData();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
    EXPECT_EQ(dialogs.boxes[0].text, "Cannot create file \"" + path + "\". No such file or directory");
    EXPECT_EQ(form->pictureSaveDialog().folder, before);
    EXPECT_EQ(form->spectra().size(), 1);

    // The program goes on: the next save works.
    dialogs.saveAnswers = {folder.filePath("ok.csv")};
    saveData();
    EXPECT_EQ(dialogs.texts().last(), "Export Completed");
}

TEST_F(SaveCommandsTest, ANameHoldingANulIsRefusedByBothSaves)
{
    // Pasted into the save dialog, it used to be saved as "Spectrum" with no word.
    create("A");
    const QString path = folder.filePath("Spectrum" + QString(QChar(u'\0')) + ".csv");
    const QString error = "Cannot create file \"" + path + "\". Invalid argument";

    // Neither command hands its folder on to the other dialog.
    const QString bmpDir = form->pictureSaveDialog().folder;
    dialogs.saveAnswers = {path};
    saveData();
    EXPECT_EQ(form->pictureSaveDialog().folder, bmpDir);
    const QString csvDir = form->dataSaveDialog().folder;
    dialogs.saveAnswers = {path};
    savePicture();
    EXPECT_EQ(form->dataSaveDialog().folder, csvDir);

    ASSERT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.kind, "error");
        EXPECT_EQ(box.text, error);
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

TEST_F(SaveCommandsTest, PictureHasTheChartsSizeWhereverItIs)
{
    create("A");
    const QString path = folder.filePath("Spectrum.bmp");
    dialogs.saveAnswers = {path};
    savePicture();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, "bmp");
    EXPECT_TRUE(dialogs.saveRequests[0].confirmOverwrite);
    EXPECT_TRUE(dialogs.boxes.empty());  // no message on success
    QImage atHome(path, "BMP");
    EXPECT_EQ(atHome.size(), form->chart()->size());
    EXPECT_EQ(form->dataSaveDialog().folder, folder.path() + "/");

    QTest::mouseDClick(form->chart()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(form->chart()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QCoreApplication::processEvents();
    ASSERT_FALSE((form->graphPanel() == nullptr));
    dialogs.saveAnswers = {path};
    savePicture();
    EXPECT_EQ(QImage(path, "BMP").size(), QSize(857, 353));
    form->graphPanel()->close();
}

TEST_F(SaveCommandsTest, AHiddenCurveIsNotInThePicture)
{
    create("A");
    QLineSeries* curve = form->chart()->curve(0);
    const QColor colour = curve->color();
    const QString shown = folder.filePath("shown.bmp");
    const QString hidden = folder.filePath("hidden.bmp");

    dialogs.saveAnswers = {shown};
    savePicture();
    form->checkList()->setFocus();
    form->checkList()->setCurrentRow(0);
    QTest::keyClick(form->checkList(), Qt::Key_Space);
    ASSERT_FALSE(curve->isVisible());
    dialogs.saveAnswers = {hidden};
    savePicture();

    const int withCurve = pixelsOf(QImage(shown, "BMP"), colour);
    const int withoutCurve = pixelsOf(QImage(hidden, "BMP"), colour);
    EXPECT_GT(withCurve, 300);
    EXPECT_LT(withoutCurve, 100);  // only the legend's colour line remains
}
