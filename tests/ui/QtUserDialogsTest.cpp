#include "ui/QtUserDialogs.h"

#include "UiTestHelpers.h"
#include "support/FakeDesktopOpener.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QComboBox>
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

TEST(MessageBoxIconTest, EachIconHasQtsOwn)
{
    EXPECT_EQ(messageBoxIcon(MessageIcon::Information), QMessageBox::Information);
    EXPECT_EQ(messageBoxIcon(MessageIcon::Warning), QMessageBox::Warning);
    EXPECT_EQ(messageBoxIcon(MessageIcon::Question), QMessageBox::Question);
    EXPECT_EQ(messageBoxIcon(MessageIcon::Error), QMessageBox::Critical);
    EXPECT_EQ(messageBoxIcon(MessageIcon::None), QMessageBox::NoIcon);
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
    EXPECT_EQ(boxShown([&] { dialogs.messageBox("Done", "Excel", MessageIcon::Information); }, "Excel", "Done"),
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

TEST_F(SaveDialogTest, TheSuffixFollowsTheFileTypePicked)
{
    request.filters = {"CSI SAP2000/ETABS (*.txt)", "MIDAS Gen/Civil (*.sgs)", "OpenSees Tcl (*.tcl)"};
    request.filter = request.filters[0];
    request.defaultSuffix = "txt";
    onNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->nameFilters(), request.filters);
        EXPECT_EQ(dialog->selectedNameFilter(), request.filters[0]);
        // The user picks the second type with the keyboard.
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        typeAndSave(dialog, "model");
    });
    const auto answer = dialogs.askSaveFile(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(QFileInfo(answer->fileName).fileName(), QString("model.sgs"));
    EXPECT_EQ(answer->filter, QString("MIDAS Gen/Civil (*.sgs)"));
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

// The desktop's answer is the opener's exit status: xdg-open starts and
// then fails with 3 when no program on the desktop handles the type.
TEST_F(QtUserDialogsTest, ADocumentIsOpenedOnlyWhenTheDesktopsOpenerSucceeds)
{
    struct Case {
        const char* desktop;
        int exitCode;
        bool absent;
        bool opened;
    };
    for (const Case& c : {Case{"a program for the type", 0, false, true},
                          Case{"no program for the type", 3, false, false},
                          Case{"an opener that fails", 1, false, false},
                          Case{"no opener at all", 0, true, false}}) {
        SCOPED_TRACE(c.desktop);
        QTemporaryDir folder;
        const QString document = folder.filePath("kavrel spect/Book1.xlsx");
        const FakeDesktopOpener opener(c.exitCode, c.absent);
        EXPECT_EQ(dialogs.openDocument(document), c.opened);
        if (!c.absent) {
            EXPECT_EQ(opener.opened(), QStringList{document}) << "handed over as a local file";
        }
    }
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
