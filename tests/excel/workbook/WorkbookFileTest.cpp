#include "WorkbookFileFixture.h"

#include "common/KavrelError.h"
#include "excel/ExcelToolkit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Every workbook file written so far by this process.
QStringList writtenFiles()
{
    QStringList files;
    QDirIterator found(workbookServerFolder(), {QStringLiteral("*.xlsx")}, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << found.next();
    return files;
}

} // namespace

TEST_F(WorkbookFile, AnExportIsWrittenAndOpenedOnceWhenItsLastHandleIsReleased)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    // The export let go of the workbook; its application handle is still
    // held and is not needed for the file.
    const QString path = openedPath();
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_EQ(path, home.workbooks() + QStringLiteral("/Book1.xlsx")) << "kept in the user's documents";
    EXPECT_EQ(status, QStringLiteral("Saved Documents/Kavrel_Spect/Book1.xlsx"));
    EXPECT_EQ(workbookServerFolder(), home.workbooks());
    EXPECT_EQ(QDir(home.workbooks()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Book1.xlsx")}) << "nothing of the writing is left beside it";

    app.clear();
    EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "releasing the application opens nothing more";
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(WorkbookFile, AnInvisibleApplicationWritesTheFileAndOpensItOnlyOnceShown)
{
    const QStringList before = writtenFiles();
    app = start();
    workbook = callFunction(getProperty(app, "Workbooks"), "Add");
    sheet = getWithText(workbook, "Sheets", "Sheet1");
    setCellText(sheet, 1, 1, "2.5");
    sheet.clear();
    workbook.clear();
    handOver();

    EXPECT_TRUE(dialogs.openedDocuments.isEmpty());
    QStringList written = writtenFiles();
    for (const QString& old : before)
        written.removeOne(old);
    ASSERT_EQ(written.size(), 1);

    showExcelApplication(app);
    EXPECT_EQ(openedPath(), written.front());
    EXPECT_TRUE(sheetXml().contains(QStringLiteral("<c r=\"A1\"><v>2.5</v></c>")));
    showExcelApplication(app);
    handOver();
    EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "shown once";
}

TEST_F(WorkbookFile, AFailurePartWayStillWritesWhatWasDoneOnceTheHandlesGo)
{
    try {
        startWithSheet();
        setCellText(sheet, 1, 1, "X");
        setCellText(sheet, 2, 1, "0.25");
        const Variant chartObject = addChartAt(sheet, 96, 60, 280, 450);
        putText(chartObject, "Colour", "red");  // not a member: the export would end here
        FAIL() << "the unknown member was answered";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.code(), hresult::UnknownName);
    }
    EXPECT_TRUE(dialogs.openedDocuments.isEmpty()) << "the test still holds the workbook";
    releaseAll();

    EXPECT_TRUE(sheetXml().contains(QStringLiteral("<c r=\"A2\"><v>0.25</v></c>")));
    EXPECT_EQ(occurrences(chartXml(), QStringLiteral("<c:scatterChart>")), 1);
}

// The desktop takes no workbook here, so a hand-over would ask about the
// folder: after a failure it must not, not even while the error unwinds.
TEST_F(WorkbookFile, WhatTheUserSeesIsDecidedOnlyOnceTheExportHasReturned)
{
    struct Case {
        const char* export_;
        std::string xAxisPosition;
        QString kind;  // of the one box
        int opened;
    };
    for (const Case& c : {Case{"that succeeds", "", QStringLiteral("question"), 1},
                          Case{"that fails part-way", "left", QStringLiteral("error"), 0}}) {
        SCOPED_TRACE(c.export_);
        TemporaryHome ownHome;
        dialogs.boxes.clear();
        dialogs.openedDocuments.clear();
        dialogs.documentOpener = [](const QString&) { return false; };
        bool returned = false;
        dialogs.onBox = [&returned](const FakeUserDialogs::Box& box) {
            EXPECT_TRUE(returned) << "shown before the export returned: " << box.text.toStdString();
        };
        options.xAxisPosition = c.xAxisPosition;
        FakeExportChart chart;
        chart.curves = {spectrumCurve("A", 0.08)};
        const auto exportCommand = [&] {
            try {
                exportChartToExcel(chart, options);
            } catch (...) {
                returned = true;
                throw;
            }
            returned = true;
        };
        QString shownStatus;
        try {
            runWithWorkbookHandOver(exportCommand, [&shownStatus](const QString& text) { shownStatus = text; });
        } catch (const KavrelError& error) {
            userDialogs().error(error.message());  // as the command's handler does
        }
        options.excelApp.clear();

        const QString path = ownHome.workbooks() + QStringLiteral("/Book1.xlsx");
        ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
        EXPECT_EQ(dialogs.boxes[0].kind, c.kind);
        EXPECT_TRUE(dialogs.boxes[0].text.contains(path)) << dialogs.boxes[0].text.toStdString();
        EXPECT_EQ(dialogs.openedDocuments.size(), c.opened);
        EXPECT_EQ(shownStatus, QStringLiteral("Saved Documents/Kavrel_Spect/Book1.xlsx"));
        EXPECT_TRUE(QFileInfo(path).size() > 0) << "what was made is kept";
    }
    dialogs.onBox = nullptr;
}

TEST_F(WorkbookFile, NoWorkbookEverReplacesAnEarlierOne)
{
    // Left by an earlier run of the program, or by the user.
    ASSERT_TRUE(QDir().mkpath(home.workbooks()));
    for (const char* name : {"Book1.xlsx", "Book3.xlsx"}) {
        QFile earlier(home.workbooks() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }

    Variant first = start();
    showExcelApplication(first);
    callFunction(getProperty(first, "Workbooks"), "Add");
    callFunction(getProperty(first, "Workbooks"), "Add");
    Variant second = start();
    showExcelApplication(second);
    callFunction(getProperty(second, "Workbooks"), "Add");
    handOver();

    QStringList names;
    for (const QString& path : dialogs.openedDocuments)
        names << QFileInfo(path).fileName();
    EXPECT_EQ(names, (QStringList{"Book2.xlsx", "Book4.xlsx", "Book5.xlsx"}))
        << "the second application's Book1 must not replace the first's, nor any earlier file";
    for (const char* name : {"Book1.xlsx", "Book3.xlsx"}) {
        QFile earlier(home.workbooks() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("earlier")) << name;
    }
    EXPECT_TRUE(zipEntry(dialogs.openedDocuments[2], QStringLiteral("xl/workbook.xml")).contains("Sheet1"));
}

TEST_F(WorkbookFile, WithoutADocumentsFolderTheDataFolderThenAPrivateTemporaryOneTakesTheWorkbook)
{
    // A file where the documents folder should be: nothing can be made in it.
    QFile blocker(home.path() + QStringLiteral("/Documents"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    exportCurves({spectrumCurve("A", 0.08)});
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    ASSERT_EQ(dialogs.openedDocuments.size(), 1);
    EXPECT_EQ(dialogs.openedDocuments[0], dataFolder + QStringLiteral("/workbooks/Book1.xlsx"));
    EXPECT_TRUE(QFileInfo(dialogs.openedDocuments[0]).size() > 0);

    // Nor a data folder: the system's temporary location, which others share.
    QDir(home.path() + QStringLiteral("/.local")).removeRecursively();
    QFile dataBlocker(home.path() + QStringLiteral("/.local"));
    ASSERT_TRUE(dataBlocker.open(QIODevice::WriteOnly));
    dataBlocker.close();
    exportCurves({spectrumCurve("A", 0.08)});
    ASSERT_EQ(dialogs.openedDocuments.size(), 2);
    const QFileInfo written(dialogs.openedDocuments[1]);
    EXPECT_TRUE(written.isFile()) << written.filePath().toStdString();
    EXPECT_TRUE(written.path().startsWith(QDir::tempPath())) << written.filePath().toStdString();
    const QFileInfo folder(written.path());
    EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                      QFile::WriteOther | QFile::ExeOther),
              QFile::Permissions()) << "a folder in the shared temporary location must be the user's own";
    EXPECT_TRUE(dialogs.boxes.empty());
    QDir(written.path()).removeRecursively();
}

TEST_F(WorkbookFile, AWorkbookTheDesktopCannotOpenIsNamedInOneQuestionThatOffersItsFolder)
{
    dialogs.documentOpener = [](const QString&) { return false; };
    exportCurves({spectrumCurve("A", 0.08)});
    const QString path = home.workbooks() + QStringLiteral("/Book1.xlsx");
    ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("question"));
    EXPECT_TRUE(dialogs.boxes[0].text.contains(path)) << dialogs.boxes[0].text.toStdString();
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("Open the folder")));
    EXPECT_TRUE(QFileInfo(path).size() > 0);
    EXPECT_EQ(dialogs.openedDocuments, QStringList{path}) << "No: the folder is not opened";
    app.clear();
    EXPECT_EQ(dialogs.boxes.size(), 1u) << "said once";

    // Yes opens the folder; when that works, nothing more is said.
    dialogs.documentOpener = [](const QString& document) { return !document.endsWith(QStringLiteral(".xlsx")); };
    dialogs.questionAnswers = {true};
    exportCurves({spectrumCurve("A", 0.08)});
    const QString second = home.workbooks() + QStringLiteral("/Book2.xlsx");
    EXPECT_EQ(dialogs.openedDocuments, (QStringList{path, second, home.workbooks()}));
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_TRUE(dialogs.boxes.back().text.contains(second));

    // A folder that cannot be opened either is said, not passed over.
    dialogs.documentOpener = [](const QString&) { return false; };
    dialogs.questionAnswers = {true};
    exportCurves({spectrumCurve("A", 0.08)});
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[3].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.boxes[3].text,
              QStringLiteral("The folder %1 could not be opened either.").arg(home.workbooks()));
}

TEST_F(WorkbookFile, AChangeAfterCompletionIsWrittenAgainButNotOpenedAgain)
{
    exportCurves({spectrumCurve("A", 0.08)});
    EXPECT_TRUE(chartXml().contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));

    Variant chart = getProperty(app, "ActiveChart");
    setHasTitle(chart, true);
    chart.clear();
    handOver();

    EXPECT_EQ(dialogs.openedDocuments.size(), 1);
    EXPECT_TRUE(chartXml().contains(QStringLiteral("<a:t>Chart Title</a:t>")));
}

TEST_F(WorkbookFile, AFileThatCannotBeWrittenIsReportedAndNotOpened)
{
    startWithSheet();
    sheet.clear();
    workbook.clear();
    const QString folder = QFileInfo(openedPath()).path();
    // The workbook is assembled in the temporary location before it is
    // saved: for the next one, a file stands there instead of a folder.
    QFile blocker(home.path() + QStringLiteral("/not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(blocker.fileName()));

    EXPECT_NO_THROW(callFunction(getProperty(app, "Workbooks"), "Add"));
    if (temporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporary);
    EXPECT_TRUE(dialogs.boxes.empty()) << "nothing is shown until the caller's command has returned";
    handOver();

    EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "Book2 must not be opened";
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("The workbook Book2 could not be written: ")))
        << dialogs.boxes[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/Book2.xlsx"))) << "the name it held is given back";
}

TEST_F(WorkbookFile, AnApplicationThatCannotStartIsOneInformationBoxAndNoError)
{
    ScopedClassRegistration noExcel("Excel.Application", nullptr);
    FakeExportChart chart;
    chart.curves = {spectrumCurve("A", 0.08)};

    EXPECT_NO_THROW(runWithWorkbookHandOver([&] { exportChartToExcel(chart, options); },
                                            [this](const QString& text) { status = text; }));

    ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("box"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("创建Excel文件出错, 请确认本机是否安装了MS-EXCEL."));
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Information) << "an information, not an error";
    EXPECT_TRUE(status.isEmpty());
    EXPECT_TRUE(dialogs.openedDocuments.isEmpty());
    EXPECT_TRUE(options.excelApp.isEmpty());
}
