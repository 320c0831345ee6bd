#include "MainWindowFixture.h"
#include "export/SetFile.h"
#include "records/RecordItem.h"
#include "records/TabulatedCurveItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "ui/SetDocument.h"

#include "excel/workbook/WorkbookServer.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScopedClassRegistration.h"
#include "support/TemporaryHome.h"
#include "ui/QtUserDialogs.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStatusBar>

namespace {

QString zipEntry(const QString& file, const QString& entry)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", file, entry});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) {
        ADD_FAILURE() << "cannot read " << entry.toStdString() << " of " << file.toStdString();
        return {};
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

class ExportWorkbookTest : public MainWindowTest {
protected:
    void exportChart() { QTest::mouseClick(control<QPushButton>("btn1"), Qt::LeftButton); }

    TemporaryHome home;
    ScopedClassRegistration excel{"Excel.Application", [] { return newWorkbookApplication(); }};
};

} // namespace

TEST_F(ExportWorkbookTest, ThreeSpectraOneHiddenBecomeOneWorkbookWithThreeSeries)
{
    create("A");
    type("edt1", "0.08");
    create("B");
    type("edt1", "0.12");
    create("C");
    form->checkList()->setFocus();
    form->checkList()->setCurrentRow(1);
    QTest::keyClick(form->checkList(), Qt::Key_Space);

    exportChart();
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.texts().join("; ").toStdString();
    ASSERT_EQ(dialogs.openedDocuments.size(), 1);
    const QString path = dialogs.openedDocuments[0];
    EXPECT_EQ(QFileInfo(path).fileName(), "Book1.xlsx");
    EXPECT_TRUE(form->excelOptions().excelApp.isObject());

    const QString sheet = zipEntry(path, "xl/worksheets/sheet1.xml");
    const QString strings = zipEntry(path, "xl/sharedStrings.xml");
    for (const char* title : {"A", "B", "C", "X"})
        EXPECT_TRUE(strings.contains(QString("<t>%1</t>").arg(title))) << title;
    EXPECT_TRUE(sheet.contains(QRegularExpression("<c r=\"F602\"[^>]*><v>0.01619")));  // C at 6 s, as a number
    EXPECT_FALSE(sheet.contains("r=\"G1\""));

    const QString chart = zipEntry(path, "xl/charts/chart1.xml");
    EXPECT_TRUE(chart.contains("<c:scatterChart>"));
    EXPECT_EQ(chart.count("<c:ser>"), 3);
    EXPECT_TRUE(chart.contains("<c:f>Sheet1!$D$1</c:f>"));
    EXPECT_TRUE(chart.contains("<c:f>Sheet1!$E$2:$E$602</c:f>"));
    EXPECT_TRUE(chart.contains("<c:f>Sheet1!$F$2:$F$602</c:f>"));
    EXPECT_TRUE(chart.contains("Period, T(s)"));
    EXPECT_TRUE(chart.contains("Spectral Accleration,Sa (g)"));
    EXPECT_FALSE(chart.contains("prstDash"));  // code spectra are drawn solid
    form->excelOptions().excelApp.clear();
}

TEST_F(ExportWorkbookTest, RecordsAndKeptCurvesKeepTheirDashesInTheWorkbook)
{
    SpectrumSet set;
    set.add(std::make_unique<KavrelSpectrum>("A", 0.08, 0.35, 0.05, 0));
    auto record = std::make_shared<GroundMotionRecord>();
    record->step = 0.01;
    record->accelerationG.assign(200, 0.1);
    set.add(std::make_unique<RecordItem>("R", record, RecordScaling{}));
    set.add(std::make_unique<TabulatedCurveItem>("M", std::vector<double>{0, 6}, std::vector<double>{0.1, 0.1}, 0.05,
                                                 std::vector<std::string>{"R"}));
    QTemporaryDir folder;
    const QString path = folder.filePath("mixed.kspect");
    saveSetFile(path, setContentsOf(set));
    form->document().openSetFile(path);
    ASSERT_EQ(form->spectra().size(), 3);

    exportChart();
    ASSERT_EQ(dialogs.openedDocuments.size(), 1);
    const QString chart = zipEntry(dialogs.openedDocuments[0], "xl/charts/chart1.xml");
    EXPECT_EQ(chart.count("<c:ser>"), 3);
    EXPECT_EQ(chart.count("<a:prstDash val=\"dash\"/>"), 1);
    EXPECT_EQ(chart.count("<a:prstDash val=\"dashDot\"/>"), 1);
    form->excelOptions().excelApp.clear();
}

TEST_F(ExportWorkbookTest, TwoExportsGiveTwoWorkbooksAndKeepTheSecondApplication)
{
    create("A");
    exportChart();
    const Dispatch* first = form->excelOptions().excelApp.objectValue();
    exportChart();
    EXPECT_NE(form->excelOptions().excelApp.objectValue(), first);
    ASSERT_EQ(dialogs.openedDocuments.size(), 2);
    EXPECT_NE(dialogs.openedDocuments[0], dialogs.openedDocuments[1]);
    for (const QString& path : dialogs.openedDocuments)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    form->excelOptions().excelApp.clear();
}

// A desktop without xdg-open, or whose xdg-open finds no program for the
// type: the program's real document opener fails, and the user is told
// where the workbook is instead of being left with nothing.
TEST_F(ExportWorkbookTest, WhenTheDesktopTakesNoWorkbookTheUserIsToldWhereItIs)
{
    for (const bool absent : {true, false}) {
        SCOPED_TRACE(absent ? "no opener" : "an opener that exits 3");
        TemporaryHome ownHome;
        QtUserDialogs desktop;
        dialogs.documentOpener = [&desktop](const QString& document) { return desktop.openDocument(document); };
        dialogs.boxes.clear();
        create("A");
        {
            const FakeDesktopOpener opener(3, absent);
            exportChart();
        }

        const QString workbook = ownHome.workbooks() + "/Book1.xlsx";
        ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
        EXPECT_EQ(dialogs.boxes[0].kind, "question");
        EXPECT_TRUE(dialogs.boxes[0].text.contains(workbook)) << dialogs.boxes[0].text.toStdString();
        EXPECT_EQ(form->statusBar()->currentMessage(), "Saved Documents/Kavrel_Spect/Book1.xlsx");
        EXPECT_TRUE(zipEntry(workbook, "xl/charts/chart1.xml").contains("<c:scatterChart>"));
        form->excelOptions().excelApp.clear();
        form->deleteAllSpectra();
    }
}

TEST_F(ExportWorkbookTest, AWorkbookTheDesktopOpensIsNamedInTheStatusBar)
{
    create("A");
    exportChart();
    EXPECT_EQ(dialogs.openedDocuments, QStringList{home.workbooks() + "/Book1.xlsx"});
    EXPECT_EQ(form->statusBar()->currentMessage(), "Saved Documents/Kavrel_Spect/Book1.xlsx");
    form->excelOptions().excelApp.clear();
}

// The export ends part-way, after the cells were written: its handles go
// while the error unwinds. Nothing is opened or asked then; the one error
// box says what failed and where the part made so far is.
TEST_F(ExportWorkbookTest, AnExportThatFailsPartWayShowsOnlyItsErrorNamingTheKeptWorkbook)
{
    dialogs.documentOpener = [](const QString&) { return false; };
    create("A");
    form->excelOptions().xAxisPosition = "left";
    exportChart();

    const QString workbook = home.workbooks() + "/Book1.xlsx";
    EXPECT_TRUE(dialogs.openedDocuments.isEmpty());
    ASSERT_EQ(dialogs.boxes.size(), 1u) << dialogs.texts().join("; ").toStdString();
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith("\"left\" is not a valid axis position.")) << dialogs.boxes[0].text.toStdString();
    EXPECT_TRUE(dialogs.boxes[0].text.contains(workbook)) << dialogs.boxes[0].text.toStdString();
    EXPECT_EQ(form->statusBar()->currentMessage(), "Saved Documents/Kavrel_Spect/Book1.xlsx");
    EXPECT_TRUE(zipEntry(workbook, "xl/worksheets/sheet1.xml").contains("<c r=\"B602\""));
    form->excelOptions().excelApp.clear();
    EXPECT_EQ(dialogs.boxes.size(), 1u) << "nothing more when the application goes";
}
