#include "WorkbookServerFixture.h"

#include "excel/ChartExport.h"
#include "excel/ExcelToolkit.h"
#include "support/FakeExportChart.h"
#include "support/ZipEntry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>

namespace {

// A spectrum-like curve of 601 points: T = 0 to 6 s, alpha rising from
// 0.45 of the plateau at T = 0 to the plateau at 0.1 s, falling off after 0.35 s.
FakeCurve spectrumCurve(const std::string& title, double plateau, ExportChart::Colour colour = {})
{
    FakeCurve curve{title, {}, {}, colour};
    for (int i = 0; i <= 600; ++i) {
        const double period = i * 0.01;
        double alpha = plateau;
        if (period < 0.1)
            alpha = plateau * (0.45 + 5.5 * period);
        else if (period > 0.35)
            alpha = plateau * std::pow(0.35 / period, 0.9);
        curve.x.push_back(period);
        curve.y.push_back(alpha);
    }
    return curve;
}

// Every workbook file written so far by this process.
QStringList writtenFiles()
{
    QStringList files;
    QDirIterator found(workbookServerFolder(), {QStringLiteral("*.xlsx")}, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << found.next();
    return files;
}

int occurrences(const QString& text, const QString& part)
{
    return static_cast<int>(text.count(part));
}

// The chart anchor's corner cells and offsets, from the drawing part.
struct Anchor {
    int fromColumn, fromColumnOffset, fromRow, fromRowOffset;
    int toColumn, toColumnOffset, toRow, toRowOffset;

    // With the default 48 x 15 point cells; offsets are in EMU, 12700 a point.
    double leftPoints() const { return fromColumn * 48.0 + fromColumnOffset / 12700.0; }
    double topPoints() const { return fromRow * 15.0 + fromRowOffset / 12700.0; }
    double widthPoints() const { return toColumn * 48.0 + toColumnOffset / 12700.0 - leftPoints(); }
    double heightPoints() const { return toRow * 15.0 + toRowOffset / 12700.0 - topPoints(); }
};

Anchor anchorOf(const QString& drawing)
{
    static const QRegularExpression corner(
        QStringLiteral("<xdr:col>(\\d+)</xdr:col><xdr:colOff>(\\d+)</xdr:colOff><xdr:row>(\\d+)</xdr:row>"
                       "<xdr:rowOff>(\\d+)</xdr:rowOff>"));
    auto corners = corner.globalMatch(drawing);
    int values[8] = {};
    for (int c = 0; c < 2; ++c) {
        if (!corners.hasNext()) {
            ADD_FAILURE() << "no anchor in the drawing: " << drawing.toStdString();
            return {};
        }
        const auto match = corners.next();
        for (int i = 0; i < 4; ++i)
            values[c * 4 + i] = match.captured(i + 1).toInt();
    }
    return {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
}

class WorkbookFile : public WorkbookServer {
protected:
    // The options of the export with the main window's axis titles.
    void SetUp() override
    {
        options.setDefaults();
        options.xAxisTitle = "Period, T(s)";
        options.yAxisTitle = "Spectral Accleration,Sa (g)";
    }

    // Exports `curves` through the product's export; `app` takes over the
    // application the export keeps, every other handle is released.
    void exportCurves(std::vector<FakeCurve> curves)
    {
        FakeExportChart chart;
        chart.curves = std::move(curves);
        exportChartToExcel(chart, options);
        app = std::move(options.excelApp);
        options.excelApp.clear();
    }

    // The one document opened so far.
    QString openedPath() const
    {
        EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "the workbook must be opened exactly once";
        return dialogs.openedDocuments.value(0);
    }

    // Parts of the file most recently opened.
    QString sheetXml() const { return zipEntry(openedPath(), QStringLiteral("xl/worksheets/sheet1.xml")); }
    QString chartXml() const { return zipEntry(openedPath(), QStringLiteral("xl/charts/chart1.xml")); }
    QString stringsXml() const { return zipEntry(openedPath(), QStringLiteral("xl/sharedStrings.xml")); }
    QString drawingXml() const { return zipEntry(openedPath(), QStringLiteral("xl/drawings/drawing1.xml")); }

    // One series over the three points written into columns A and B.
    Variant addSmallSeries()
    {
        setCellText(sheet, 1, 2, "Curve");
        for (int k = 0; k < 3; ++k) {
            setCellText(sheet, k + 2, 1, std::to_string(k));
            setCellText(sheet, k + 2, 2, std::to_string(k * k));
        }
        Variant series = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
        setSeriesData(series, "=Sheet1!$B$1", "=Sheet1!$A$2:$A$4", "=Sheet1!$B$2:$B$4");
        return series;
    }

    ExcelOp options;
};

} // namespace

TEST_F(WorkbookFile, AnExportIsWrittenAndOpenedOnceWhenItsLastHandleIsReleased)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    // The export let go of the workbook; its application handle is still
    // held and is not needed for the file.
    const QString path = openedPath();
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_EQ(path, home.workbooks() + QStringLiteral("/Book1.xlsx")) << "kept in the user's documents";
    EXPECT_EQ(workbookServerFolder(), home.workbooks());
    EXPECT_EQ(QDir(home.workbooks()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Book1.xlsx")}) << "nothing of the writing is left beside it";

    app.clear();
    EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "releasing the application opens nothing more";
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(WorkbookFile, CellsAreNumbersAndTexts)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:B602\"/>")));
    // Numbers as values of their own, texts through the shared strings.
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A2\"><v>0</v></c><c r=\"B2\"><v>0.036</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A12\"><v>0.1</v></c><c r=\"B12\"><v>0.08</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A602\"><v>6</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A1\" t=\"s\">")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"B1\" t=\"s\">")));
    const QString strings = stringsXml();
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>X</t>")));
    EXPECT_TRUE(strings.contains(QStringLiteral("<t>GB50011 frequent</t>")));
}

TEST_F(WorkbookFile, TheExportsChartIsASmoothScatterChartOverTheCells)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:scatterChart>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:scatterStyle val=\"smoothMarker\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$1</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$A$2:$A$602</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$2:$B$602</c:f>")));
    // The caches come from number cells: 601 points each.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"601\"/>")), 2);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:v>GB50011 frequent</c:v>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:smooth val=\"1\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:symbol val=\"none\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:spPr><a:ln w=\"12700\"></a:ln></c:spPr>"))) << "a line weight of 1 point";

    const Anchor anchor = anchorOf(drawingXml());
    EXPECT_EQ(anchor.fromColumn, 2) << "column C";
    EXPECT_EQ(anchor.fromRow, 4) << "row 5";
    EXPECT_EQ(anchor.fromColumnOffset, 0);
    EXPECT_EQ(anchor.fromRowOffset, 0);
    EXPECT_NEAR(anchor.widthPoints(), 280.0, 0.75);
    EXPECT_NEAR(anchor.heightPoints(), 450.0, 0.75);
}

TEST_F(WorkbookFile, TheExportsFormattingReachesTheChart)
{
    exportCurves({spectrumCurve("GB50011 frequent", 0.08)});

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Period, T(s)</a:t>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Spectral Accleration,Sa (g)</a:t>")));
    // Axis titles, tick labels of both axes and the legend in 10 points.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"1000\"")), 5);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorTickMark val=\"in\"/>")), 2);
    // The far-away crossing puts each axis at the other's low end.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crosses val=\"min\"/>")), 2);
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:majorGridlines")));
    // Both axis lines and the plot-area border in the text colour, black.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln><a:solidFill><a:srgbClr val=\"000000\"/>")), 3);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:legendPos val=\"r\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:overlay val=\"1\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>"))) << "no chart title";
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:style "))) << "style 240 keeps the default look";
}

TEST_F(WorkbookFile, ThreeCurvesFillSixColumnsUnderOneChartAtC5)
{
    exportCurves({spectrumCurve("A", 0.08), spectrumCurve("B", 0.16), spectrumCurve("C", 0.24)});

    EXPECT_TRUE(sheetXml().contains(QStringLiteral("<dimension ref=\"A1:F602\"/>")));
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 3);
    for (const char* formula : {"Sheet1!$D$1", "Sheet1!$C$2:$C$602", "Sheet1!$D$2:$D$602", "Sheet1!$F$1",
                                "Sheet1!$E$2:$E$602", "Sheet1!$F$2:$F$602"})
        EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>%1</c:f>").arg(QLatin1String(formula)))) << formula;
    const Anchor anchor = anchorOf(drawingXml());
    EXPECT_EQ(anchor.fromColumn, 2);
    EXPECT_EQ(anchor.fromRow, 4);
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

    EXPECT_TRUE(dialogs.openedDocuments.isEmpty());
    QStringList written = writtenFiles();
    for (const QString& old : before)
        written.removeOne(old);
    ASSERT_EQ(written.size(), 1);

    showExcelApplication(app);
    EXPECT_EQ(openedPath(), written.front());
    EXPECT_TRUE(sheetXml().contains(QStringLiteral("<c r=\"A1\"><v>2.5</v></c>")));
    showExcelApplication(app);
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

TEST_F(WorkbookFile, SeriesColoursMarkersAndTypesAreWritten)
{
    startWithChart();
    Variant red = addSmallSeries();
    setSeriesLineColor(red, 255, 0, 0);
    Variant blue = callFunction(callFunction(chart, "SeriesCollection"), "NewSeries");
    setSeriesData(blue, "Blue", "=Sheet1!$A$2:$A$4", "=Sheet1!$B$2:$B$4");
    setSeriesLineColor(blue, 0, 0, 255);
    setSeriesMarker(blue, 8, 4);
    setSeriesMarkerFill(blue, 0, 128, 0);
    setSeriesLineWeight(blue, 2.5f);
    putInt(blue, "ChartType", -4169);
    red.clear();
    blue.clear();
    releaseAll();

    const QString chartPart = chartXml();
    // The automation colour is red + 256 green + 65536 blue; the file's is RRGGBB.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:ln><a:solidFill><a:srgbClr val=\"FF0000\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:symbol val=\"circle\"/><c:size val=\"4\"/>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:solidFill><a:srgbClr val=\"008000\"/></a:solidFill>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:srgbClr val=\"0000FF\"/>"))) << "the marker edge";
    // Markers only: no line, not smoothed, whatever was set before the type.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:tx><c:v>Blue</c:v></c:tx><c:spPr><a:ln><a:noFill/></a:ln>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:smooth val=\"1\"/>")), 1);
}

TEST_F(WorkbookFile, AMarkersOnlyChartGridlinesAndATitleAreWritten)
{
    startWithSheet();
    selectChart(callWithInts(getProperty(sheet, "Shapes"), "AddChart2", 240, -4169));
    addSmallSeries();
    setMajorGridlines(chart, true);
    setHasTitle(chart, true);
    setChartTitleText(chart, "Response spectra");
    releaseAll();

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:scatterStyle val=\"lineMarker\"/>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:smooth val=\"1\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorGridlines/>")), 2);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Response spectra</a:t>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:legend>"))) << "no legend until one is asked for";
}

TEST_F(WorkbookFile, AnEmptyChartIsStillWrittenWithItsFrame)
{
    exportCurves({});

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:scatterChart>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Period, T(s)</a:t>")));
    // The one series it needs draws nothing and has no legend entry.
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$XFD$1048576</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:legendEntry><c:idx val=\"0\"/><c:delete val=\"1\"/>")));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(WorkbookFile, AChangeAfterCompletionIsWrittenAgainButNotOpenedAgain)
{
    exportCurves({spectrumCurve("A", 0.08)});
    EXPECT_TRUE(chartXml().contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));

    Variant chart = getProperty(app, "ActiveChart");
    setHasTitle(chart, true);
    chart.clear();

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

    EXPECT_EQ(dialogs.openedDocuments.size(), 1) << "Book2 must not be opened";
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("The workbook Book2 could not be written: ")))
        << dialogs.boxes[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/Book2.xlsx"))) << "the name it held is given back";
}

TEST_F(WorkbookFile, TheFourteenthCurveAndLaterReferToColumnsBeyondZ)
{
    std::vector<FakeCurve> curves;
    for (int i = 1; i <= 15; ++i)
        curves.push_back(spectrumCurve("Curve " + std::to_string(i), 0.01 * i));
    exportCurves(std::move(curves));

    // Curve 13 takes Y and Z, curve 14 AA and AB, curve 15 AC and AD.
    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:AD602\"/>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"Z12\"><v>0.13</v></c><c r=\"AA12\"><v>0.1</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"AC12\"><v>0.1</v></c><c r=\"AD12\"><v>0.15</v></c>")));
    EXPECT_TRUE(stringsXml().contains(QStringLiteral("<t>Curve 15</t>")));

    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 15);
    for (const char* formula : {"Sheet1!$Z$1", "Sheet1!$Y$2:$Y$602", "Sheet1!$Z$2:$Z$602", "Sheet1!$AB$1",
                                "Sheet1!$AA$2:$AA$602", "Sheet1!$AB$2:$AB$602", "Sheet1!$AD$1",
                                "Sheet1!$AC$2:$AC$602", "Sheet1!$AD$2:$AD$602"})
        EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>%1</c:f>").arg(QLatin1String(formula)))) << formula;
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:v>Curve 14</c:v>")));
    // Every series' caches come from number cells.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"601\"/>")), 30);
}

TEST_F(WorkbookFile, ACurvesColourReachesTheFileWithRedFirst)
{
    options.lineColorMode = 1;
    options.showMarker = true;
    options.markerColorMode = 1;
    exportCurves({spectrumCurve("A", 0.08, {0x12, 0x34, 0x56})});

    // Line, marker fill and marker edge all in RGB 12 34 56.
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:srgbClr val=\"123456\"/>")), 3) << chartPart.toStdString();
    EXPECT_FALSE(chartPart.contains(QStringLiteral("563412")));
}

TEST_F(WorkbookFile, TheExportsOptionsReachTheChart)
{
    options.showTitle = true;
    options.titleText = "Design spectra";
    options.showGridlines = true;
    options.showLegend = false;
    options.showAxisLine = false;
    options.showPlotAreaLine = false;
    options.xAxisPosition = "3";
    options.yAxisPosition = "";
    options.axisTitleFontSize = 12;
    options.tickLabelFontSize = 9;
    options.lineWeight = 2.5f;
    options.showMarker = true;
    options.markerStyle = 2;
    options.markerSize = 7;
    FakeCurve dots = spectrumCurve("Dots", 0.16);
    dots.pointsOnly = true;
    exportCurves({spectrumCurve("A", 0.08), dots});

    const QString chartPart = chartXml();
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<a:t>Design spectra</a:t>")));
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:autoTitleDeleted val=\"1\"/>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:majorGridlines/>")), 2);
    EXPECT_FALSE(chartPart.contains(QStringLiteral("<c:legend>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"1200\"")), 2) << "axis titles";
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:defRPr sz=\"900\"")), 2) << "tick labels";
    // Only the horizontal axis' crossing is given, inside the data.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crossesAt val=\"3\"/>")), 1);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:crosses val=\"autoZero\"/>")), 1);
    // Both axis lines, the plot-area border and the markers-only curve's line are hidden.
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln><a:noFill/></a:ln>")), 4);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:symbol val=\"diamond\"/><c:size val=\"7\"/>")), 2);
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<a:ln w=\"31750\">")), 1) << "2.5 points";
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:smooth val=\"1\"/>")), 1) << "the markers-only curve is not smoothed";
}

TEST_F(WorkbookFile, ACombinedExportIsOneSeriesOverAllCurvesRows)
{
    options.combinedOutput = 1;
    exportCurves({spectrumCurve("A", 0.08), spectrumCurve("B", 0.16)});

    const QString sheetPart = sheetXml();
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<dimension ref=\"A1:C1203\"/>")));
    // The second curve starts at row 603 with its name in column A.
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"A603\" t=\"s\"><v>1</v></c><c r=\"B603\"><v>0</v></c>")));
    EXPECT_TRUE(sheetPart.contains(QStringLiteral("<c r=\"B613\"><v>0.1</v></c><c r=\"C613\"><v>0.16</v></c>")));
    const QString chartPart = chartXml();
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ser>")), 1);
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:tx><c:v>X-Y</c:v></c:tx>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$B$2:$B$1203</c:f>")));
    EXPECT_TRUE(chartPart.contains(QStringLiteral("<c:f>Sheet1!$C$2:$C$1203</c:f>")));
    EXPECT_EQ(occurrences(chartPart, QStringLiteral("<c:ptCount val=\"1202\"/>")), 2);
}
