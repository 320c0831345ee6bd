#include "MainWindowFixture.h"
#include "support/FolderFiles.h"
#include "UiTestHelpers.h"

#include "records/RecordReader.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/ArtificialRecordsDialog.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/LanguageSwitch.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>
#include <functional>
#include <limits>

namespace {

bool holdsChinese(const QString& text)
{
    static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    return han.match(text).hasMatch();
}

// Texts composed by core code (the record reader, the artificial records'
// generator, the record check, the safe writer), as the windows show them.
class CoreMessagesLanguageTest : public MainWindowTest, protected FolderFiles {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override
    {
        installLanguage(Language::English);
        MainWindowTest::TearDown();
    }

    QString lastBox() const { return dialogs.boxes.empty() ? QString() : dialogs.boxes.back().text; }

    // A check window of its own against the set's first spectrum.
    std::unique_ptr<CheckRecordsWindow> checkWindow(const QList<CheckRecordChoice>& records)
    {
        auto window = std::make_unique<CheckRecordsWindow>();
        window->setTargets({{"Target", &checkTarget, 3, 0}});
        window->setRecords(records);
        auto* periods = window->findChild<QLineEdit*>("edtMainPeriods");
        periods->setText("1.0");
        window->finishPendingCheck();
        return window;
    }

    FakeUserDialogs dialogs;
    const KavrelSpectrum checkTarget{"Target", 0.16, 0.4, 0.05, 0};
};

CheckRecordChoice steadyRecord(const QString& name, double g)
{
    return {name, true, std::vector<double>(801, g), 0.01, true};
}

} // namespace

// Each refusal in Chinese names what it is about, and back in English reads
// exactly as it always has (the text kspect prints as well).
TEST_F(CoreMessagesLanguageTest, RefusalsComposedByTheCoreFollowTheLanguage)
{
    create("A");
    ASSERT_EQ(form->spectra().size(), 1);
    write("bad.AT2", "PEER NGA STRONG MOTION DATABASE RECORD\nx\nACCELERATION TIME SERIES IN UNITS OF G\n"
                     "NPTS=      3, DT=   0.0100 SEC\n0.1 0.2\n");
    const QString missing = QDir::toNativeSeparators(path("missing/A.csv"));

    struct Case {
        const char* what;
        std::function<QString()> shown;
        QString named;  // what the Chinese text must still name
        QString english;
    };
    const std::vector<Case> cases = {
        {"a damaged record file",
         [this] {
             dialogs.openFilesAnswers = {{path("bad.AT2")}};
             control<QAction>("AddRecords1")->trigger();
             return lastBox();
         },
         "bad.AT2",
         "This file could not be added as a record:\n\"bad.AT2\": the header gives 3 values, the file holds 2"},
        {"an artificial record too short to match",
         [this] {
             QString shown;
             onNextModal<ArtificialRecordsDialog>([this, &shown](ArtificialRecordsDialog* d) {
                 d->findChild<QLineEdit*>("artificialDuration")->setText("5");
                 QTest::mouseClick(d->findChild<QPushButton*>("artificialGenerate"), Qt::LeftButton);
                 shown = lastBox();
                 d->reject();
             });
             control<QAction>("ArtificialRecords1")->trigger();
             return shown;
         },
         "5 s", "The duration is 5 s: matching periods up to 6 s takes at least 12 s."},
        {"a record the check cannot read",
         [this] {
             CheckRecordChoice broken = steadyRecord("R1", 0.05);
             broken.acceleration[3] = std::numeric_limits<double>::quiet_NaN();
             const auto window = checkWindow({broken});
             EXPECT_EQ(window->findChild<QLabel*>("lblRefusal")->text(), window->refusal());
             return window->refusal();
         },
         "R1", "The record R1 has a value that is not a number."},
        {"a file the safe writer cannot create",
         [this, &missing] {
             dialogs.saveAnswers = {missing};
             control<QAction>("SaveData1")->trigger();
             return lastBox();
         },
         missing, "Cannot create file \"" + missing + "\". No such file or directory"},
    };

    for (const Case& c : cases) {
        installLanguage(Language::SimplifiedChinese);
        const QString chinese = c.shown();
        EXPECT_TRUE(holdsChinese(chinese)) << c.what << ": " << chinese.toStdString();
        EXPECT_TRUE(chinese.contains(c.named)) << c.what << ": " << chinese.toStdString();
        installLanguage(Language::English);
        EXPECT_EQ(c.shown(), c.english) << c.what;
    }
    EXPECT_EQ(form->spectra().size(), 1) << "every refusal left the set as it was";
}

// The check window's figure column reads in the window's language, and so
// does the sheet Copy puts on the clipboard; in English Copy gives the sheet
// as kspect prints it.
TEST_F(CoreMessagesLanguageTest, CheckFiguresAndTheCopiedSheetFollowTheWindowsLanguage)
{
    const QString english = "3 records, at least 3; with 3 to 6 the larger of the envelope of the results and the "
                            "response-spectrum result governs";
    installLanguage(Language::SimplifiedChinese);
    const auto window = checkWindow({steadyRecord("R1", 0.05), steadyRecord("R2", 0.05), steadyRecord("R3", 0.05)});
    ASSERT_TRUE(window->check().has_value()) << window->refusal().toStdString();
    auto* verdicts = window->findChild<QTableWidget*>("tblVerdicts");
    ASSERT_GE(verdicts->rowCount(), 1);
    EXPECT_EQ(verdicts->item(0, 0)->text(), "记录数量");
    EXPECT_EQ(verdicts->item(0, 2)->text(), "3 条记录，至少 3 条；3 至 6 条时取时程法的包络值和振型分解反应谱法的较大值");
    window->findChild<QPushButton*>("btnCopy")->click();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains("记录数量\t"));
    EXPECT_TRUE(copied->text().contains("3 条记录，至少 3 条；3 至 6 条时取时程法的包络值和振型分解反应谱法的较大值"));
    EXPECT_TRUE(copied->html().contains("天然波"));
    EXPECT_FALSE(copied->text().contains("peak_cm_s2"));

    installLanguage(Language::English);
    QCoreApplication::processEvents();  // Qt posts the change to the windows
    EXPECT_EQ(verdicts->item(0, 2)->text(), english) << "retranslated with the window";
    window->findChild<QPushButton*>("btnCopy")->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->text().startsWith("record\tkind\tpeak_cm_s2\t"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->text().contains("count\tpass\t" + english));
}

// A refusal made in a worker thread (Add Records, the check) is worded in the
// installed language too; with no translator, as kspect runs, in English.
TEST_F(CoreMessagesLanguageTest, TheSameCoreCallSpeaksEnglishWithoutATranslator)
{
    const auto refusal = [] {
        try {
            parseRecord("1 2 3\n", "r.txt");
        } catch (const RecordReadError& error) {
            return error.message();
        }
        return QString();
    };
    const QString english = "\"r.txt\": line 1: 3 numbers, not the two columns \"time value\" "
                            "(a file of values needs its step)";
    EXPECT_EQ(refusal(), english);
    installLanguage(Language::SimplifiedChinese);
    EXPECT_EQ(QtConcurrent::run(refusal).result(),
              "“r.txt”：第 1 行：有 3 个数，而不是“时间 数值”两列（只有数值的文件需给出时间步长）");
    installLanguage(Language::English);
    EXPECT_EQ(QtConcurrent::run(refusal).result(), english);
}

// The analysis format is the one at the chosen file type's place, whatever
// the language of its text; the file's bytes never follow the language.
TEST_F(CoreMessagesLanguageTest, SaveForAnalysisFindsTheFormatByItsPlaceInChinese)
{
    create("A");
    installLanguage(Language::SimplifiedChinese);
    struct Case {
        QString filter;
        QString file;
        QByteArray start;
    };
    const std::vector<Case> cases = {
        {"表格 (*.txt)", "table.txt", "period_s\talpha_g\n0\t"},
        {"CSV 文件 (*.csv)", "a.csv", "period_s,alpha_g\n0,"},
        {"CSI SAP2000/ETABS (*.txt)", "csi.txt", "$ Response spectrum: A\r\n$ Design code: GB 50011-2010\r\n"},
        {"STAAD.Pro (*.txt)", "staad.txt", "1 -"},
        {"MIDAS Gen/Civil (*.sgs)", "a.sgs", "*SGSw\r\n*TITLE, A\r\n"},
    };
    for (const Case& c : cases) {
        dialogs.saveAnswers = {path(c.file)};
        dialogs.filterAnswers = {c.filter};
        control<QAction>("SaveForAnalysis1")->trigger();
        const QByteArray bytes = read(path(c.file));
        EXPECT_TRUE(bytes.startsWith(c.start)) << c.filter.toStdString() << ": " << bytes.left(60).toStdString();
    }
    const SaveFileRequest& asked = dialogs.saveRequests.back();
    EXPECT_EQ(asked.filters, (QStringList{"CSI SAP2000/ETABS (*.txt)", "MIDAS Gen/Civil (*.sgs)", "STAAD.Pro (*.txt)",
                                          "OpenSees Tcl (*.tcl)", "CSV 文件 (*.csv)", "表格 (*.txt)"}));
    EXPECT_TRUE(dialogs.boxes.empty()) << lastBox().toStdString();

    // Chosen in Chinese, offered again in English at the same place.
    dialogs.saveAnswers = {path("table.txt")};
    dialogs.filterAnswers = {"表格 (*.txt)"};
    control<QAction>("SaveForAnalysis1")->trigger();
    installLanguage(Language::English);
    dialogs.saveAnswers = {std::nullopt};
    control<QAction>("SaveForAnalysis1")->trigger();
    EXPECT_EQ(dialogs.saveRequests.back().filter, "Table (*.txt)");
    EXPECT_EQ(dialogs.saveRequests.back().defaultSuffix, "txt");
}
