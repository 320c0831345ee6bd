#include "ui/QtUserDialogs.h"

#include "UiTestHelpers.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Stands in for the desktop's browser and document handlers.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    explicit OpenedUrls(const QStringList& schemes) : schemes_(schemes)
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }

private:
    QStringList schemes_;
};

TEST(MessageBoxIconTest, IconBitsOfTheFlags)
{
    EXPECT_EQ(messageBoxIcon(UserDialogs::IconInformation), QMessageBox::Information);
    EXPECT_EQ(messageBoxIcon(0x40 | 0x01), QMessageBox::Information);  // buttons do not change the icon
    EXPECT_EQ(messageBoxIcon(0x30), QMessageBox::Warning);
    EXPECT_EQ(messageBoxIcon(0x20), QMessageBox::Question);
    EXPECT_EQ(messageBoxIcon(0x10), QMessageBox::Critical);
    EXPECT_EQ(messageBoxIcon(0), QMessageBox::NoIcon);
}

class QtUserDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName("Kavrel_Spect");
    }
    void TearDown() override { QCoreApplication::setApplicationName(previousName); }

    // Shows a box through `show`, and reports what it looked like.
    QMessageBox::Icon boxShown(const std::function<void()>& show, const QString& caption, const QString& text)
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        onNextModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            EXPECT_EQ(titleBarText(box), caption);
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        show();
        return icon;
    }

    QtUserDialogs dialogs;
    QString previousName;
};

TEST_F(QtUserDialogsTest, BoxesCarryTheApplicationTitleAndTheirIcon)
{
    EXPECT_EQ(boxShown([&] { dialogs.warning("AlphaMax must be postive."); }, "Kavrel_Spect",
                       "AlphaMax must be postive."),
              QMessageBox::Warning);
    EXPECT_EQ(boxShown([&] { dialogs.information("Export Completed"); }, "Kavrel_Spect", "Export Completed"),
              QMessageBox::NoIcon);
    EXPECT_EQ(boxShown([&] { dialogs.error("Cannot create file."); }, "Kavrel_Spect", "Cannot create file."),
              QMessageBox::Critical);
    EXPECT_EQ(boxShown([&] { dialogs.messageBox("Done", "Excel", UserDialogs::IconInformation); }, "Excel", "Done"),
              QMessageBox::Information);
}

class SaveDialogTest : public QtUserDialogsTest {
protected:
    void SetUp() override
    {
        QtUserDialogsTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        QFile existing(folder.filePath("chart.bmp"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        request.title = "Save Picture";
        request.filter = "Bitmaps (*.bmp)";
        request.defaultSuffix = "bmp";
        request.initialDir = folder.path();
        request.fileName = "Spectrum";
    }

    // Types `name` into the dialog and presses Save.
    static void typeAndSave(QFileDialog* dialog, const QString& name)
    {
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText(name);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Save button does
    }

    QTemporaryDir folder;
    SaveFileRequest request;
};

TEST_F(SaveDialogTest, HonoursTheRequestAndAddsTheDefaultSuffix)
{
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString("Save Picture"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Bitmaps (*.bmp)"});
        EXPECT_EQ(dialog->defaultSuffix(), QString("bmp"));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), QString("Spectrum"));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        typeAndSave(dialog, "new");
    });
    const auto chosen = dialogs.askSaveFileName(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir(folder.path()).filePath("new.bmp"));
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QString("new.bmp"));
}

TEST_F(SaveDialogTest, CancelGivesNothing)
{
    onNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(dialogs.askSaveFileName(request).has_value());
}

TEST_F(SaveDialogTest, ReplacingAFileIsAskedOnlyWhenRequested)
{
    request.confirmOverwrite = false;
    onNextModal<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        typeAndSave(dialog, "chart");
    });
    auto chosen = dialogs.askSaveFileName(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QString("chart.bmp"));

    request.confirmOverwrite = true;
    bool asked = false;
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        onNextModal<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::Yes)->click();
        });
        typeAndSave(dialog, "chart");
    });
    chosen = dialogs.askSaveFileName(request);
    EXPECT_TRUE(asked);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QString("chart.bmp"));
}

TEST_F(QtUserDialogsTest, ABareHostIsOpenedAsAnHttpPage)
{
    OpenedUrls desktop({"http", "https"});
    dialogs.openUrl("kavrel-spect.example.com");
    dialogs.openUrl("http://kavrel-spect.example.com/?page_id=60");
    dialogs.openUrl("https://www.example.org/");
    dialogs.openUrl("  ");
    EXPECT_EQ(desktop.urls, (QList<QUrl>{QUrl("http://kavrel-spect.example.com"),
                                         QUrl("http://kavrel-spect.example.com/?page_id=60"),
                                         QUrl("https://www.example.org/")}));
}

TEST_F(QtUserDialogsTest, ADocumentIsOpenedAsALocalFile)
{
    OpenedUrls desktop({"file"});
    EXPECT_TRUE(dialogs.openDocument("/tmp/kavrel spect/Book1.xlsx"));
    ASSERT_EQ(desktop.urls.size(), 1);
    EXPECT_TRUE(desktop.urls[0].isLocalFile());
    EXPECT_EQ(desktop.urls[0].toLocalFile(), QString("/tmp/kavrel spect/Book1.xlsx"));
}

TEST_F(QtUserDialogsTest, ADocumentNoProgramTakesIsReportedAsNotOpened)
{
    QTemporaryDir folder;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");  // no xdg-open, nor any other launcher
    const bool opened = dialogs.openDocument(folder.filePath("Book1.xlsx"));
    qputenv("PATH", path);
    EXPECT_FALSE(opened);
}

TEST_F(QtUserDialogsTest, AQuestionIsAnsweredWithYesOrNo)
{
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        onNextModal<QMessageBox>([answer](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QString("Kavrel_Spect"));
            EXPECT_EQ(box->text(), QString("Open the folder?"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.question("Open the folder?"), answer == QMessageBox::Yes);
    }
}

} // namespace

#include "QtUserDialogsTest.moc"
