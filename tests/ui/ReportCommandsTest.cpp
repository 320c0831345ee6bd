#include "FakePrintDialogs.h"
#include "MainWindowFixture.h"
#include "PdfReading.h"

#include "export/PictureFormat.h"
#include "ui/CheckLegend.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

class ReportCommandsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        QGuiApplication::clipboard()->clear();
    }

    void run(const char* actionName) { control<QAction>(actionName)->trigger(); }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static const QMimeData* clipboard() { return QGuiApplication::clipboard()->mimeData(); }

    // The grid's rows as tab-separated lines, each ending with a line feed.
    QString gridAsTsv(int firstRow, int lastRow) const
    {
        QString text;
        for (int row = firstRow; row <= lastRow; ++row)
            text += gridRow(row).join('\t') + '\n';
        return text;
    }

    FakePrintDialogs printing;
    QTemporaryDir folder;
};

} // namespace

TEST_F(ReportCommandsTest, NewItemsFollowTheEditMenusOwnBehindASeparator)
{
    QStringList items;
    for (QAction* action : control<QMenu>("Edit1")->actions())
        items << (action->isSeparator() ? QString("|") : action->objectName() + "=" + action->text());
    EXPECT_EQ(items, (QStringList{"Create1=Create", "Delete1=Delete", "DeleteAll1=Delete All",
                                  "SaveData1=Save Data", "SavePicture1=Save Picture",
                                  "SaveForAnalysis1=Save for Analysis...", "ArtificialRecords1=Artificial Records...", "|",
                                  "CopyChart1=Copy Chart", "CopyData1=Copy Data", "|", "Print1=Print...",
                                  "PrintPreview1=Print Preview...", "|",
                                  "RecordProperties1=Record Properties...", "|", "CheckRecords1=Check Records..."}));
    EXPECT_EQ(control<QAction>("CopyChart1")->shortcut(), QKeySequence("Ctrl+Shift+C"));
    EXPECT_EQ(control<QAction>("CopyData1")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(control<QAction>("Print1")->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST_F(ReportCommandsTest, SavePictureOffersFourTypesAndWritesTheOneChosenOrTyped)
{
    create("A");
    // The type chosen in the dialog, the name already carrying its extension.
    dialogs.saveAnswers = {folder.filePath("chosen.png")};
    dialogs.filterAnswers = {pictureFilter(PictureFormat::Png)};
    run("SavePicture1");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filters,
              (QStringList{"Bitmaps (*.bmp)", "PNG Pictures (*.png)", "SVG Drawings (*.svg)", "PDF Documents (*.pdf)"}));
    EXPECT_EQ(dialogs.saveRequests[0].filter, "Bitmaps (*.bmp)");
    EXPECT_TRUE(read(folder.filePath("chosen.png")).startsWith("\x89PNG"));
    EXPECT_EQ(QImage(folder.filePath("chosen.png")).size(), form->chart()->size());

    // An extension typed under the bitmap type wins; the next question
    // offers the bitmap first again.
    dialogs.saveAnswers = {folder.filePath("typed.SVG"), folder.filePath("drawing.pdf")};
    run("SavePicture1");
    EXPECT_EQ(dialogs.saveRequests[1].filter, "Bitmaps (*.bmp)");
    EXPECT_TRUE(read(folder.filePath("typed.SVG")).contains("<svg"));
    run("SavePicture1");
    EXPECT_TRUE(read(folder.filePath("drawing.pdf")).startsWith("%PDF-"));

    // A name whose extension is none of them gets the chosen type's content.
    dialogs.saveAnswers = {folder.filePath("chart.v2")};
    dialogs.filterAnswers = {pictureFilter(PictureFormat::Svg)};
    run("SavePicture1");
    EXPECT_TRUE(read(folder.filePath("chart.v2")).contains("<svg"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ReportCommandsTest, CopyDataPutsTheGridsTextsAsTabsAndAsATable)
{
    run("CopyData1");
    EXPECT_EQ(dialogs.texts(), QStringList{"No spectrum have been create."});
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    create("Spectrum-1");
    create("R&D <2>");
    run("CopyData1");
    ASSERT_NE(clipboard(), nullptr);
    const QString text = clipboard()->text();
    EXPECT_EQ(text, gridAsTsv(0, 2));
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 4);  // three rows and the final line feed
    EXPECT_EQ(lines[0].split('\t').mid(0, 4), (QStringList{" Name", "0", "0.05", "0.1"}));
    EXPECT_EQ(lines[0].split('\t').last(), "6");
    EXPECT_EQ(lines[1].split('\t').size(), 122);
    EXPECT_EQ(lines[1].split('\t').mid(0, 2), (QStringList{"Spectrum-1", form->grid()->text(1, 1)}));
    EXPECT_EQ(lines[2].split('\t').first(), "R&D <2>");

    const QString html = clipboard()->html();
    EXPECT_TRUE(html.contains("<tr><th> Name</th><th>0</th><th>0.05</th>"));
    EXPECT_TRUE(html.contains("<tr><td>R&amp;D &lt;2&gt;</td><td>" + form->grid()->text(2, 1) + "</td>"));
    EXPECT_EQ(html.count("<tr>"), 3);
    EXPECT_EQ(html.count("<td>"), 2 * 122);
}

TEST_F(ReportCommandsTest, CtrlCInTheGridCopiesTheSelectedCellsOrAll)
{
    create("A");
    create("B");
    StringGrid* grid = form->grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    ASSERT_NE(clipboard(), nullptr);
    EXPECT_EQ(clipboard()->text(), gridAsTsv(0, 2));  // nothing selected: everything

    // Columns 2 to 3 of both spectra (the model's rows leave out the header).
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 2), grid->model()->index(1, 3)),
                                   QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), grid->text(1, 2) + '\t' + grid->text(1, 3) + '\n' + grid->text(2, 2) + '\t'
                                       + grid->text(2, 3) + '\n');
    EXPECT_FALSE(clipboard()->html().contains("<th>"));

    // Ctrl+C in the name box copies the typed name, not the grid.
    QLineEdit* name = control<QLineEdit>("edt4");
    name->setFocus();
    name->setText("typed");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "typed");
}

TEST_F(ReportCommandsTest, CopyChartPutsThePictureAndTheDrawing)
{
    create("A");
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(clipboard(), nullptr);
    ASSERT_TRUE(clipboard()->hasImage());
    const QImage image = qvariant_cast<QImage>(clipboard()->imageData());
    EXPECT_EQ(image.size(), form->chart()->size());
    EXPECT_EQ(QImage::fromData(clipboard()->data("image/png"), "PNG").size(), form->chart()->size());
    const QByteArray svg = clipboard()->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("Period, T(s)"));
    EXPECT_TRUE(svg.contains(">A</text>"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ReportCommandsTest, PrintingMakesOneLandscapePageOfTheChartAndTheShownSpectra)
{
    create("Shown-A");
    create("Hidden-B");
    create("Shown-C");
    form->checkList()->setFocus();
    form->checkList()->setCurrentRow(1);
    QTest::keyClick(form->checkList(), Qt::Key_Space);
    ASSERT_FALSE(form->spectra().isVisible(1));

    run("Print1");  // cancelled
    EXPECT_EQ(printing.printQuestions, 1);
    EXPECT_EQ(printing.offeredOrientation, QPageLayout::Landscape);

    printing.printFile = folder.filePath("printed.pdf");
    QCoreApplication::processEvents();  // the left axis fits its labels to the plot
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printing.printQuestions, 2);
    const QString info = pdfFileInfo(printing.printFile);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());  // landscape

    const QString text = pdfFileText(printing.printFile);
    for (const char* expected : {"Period, T(s)", "Design Code", "AlphaMax", "Damping Ratio", "Shown-A",
                                 "Shown-C", "GB 50011-2010", "0.04", "0.05"})
        EXPECT_TRUE(text.contains(expected)) << expected << " in\n" << text.toStdString();
    // The hidden spectrum keeps its legend row on the chart but is not in the table.
    EXPECT_EQ(text.count("Hidden-B"), 1) << text.toStdString();
    EXPECT_EQ(text.count("Shown-A"), 2);

    // The preview draws the same page.
    run("PrintPreview1");
    EXPECT_EQ(printing.previews, 1);
    printing.previewFile = folder.filePath("preview.pdf");
    run("PrintPreview1");
    EXPECT_EQ(pdfFileText(printing.previewFile), text);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ReportCommandsTest, ACurveHiddenThroughTheLegendIsNeitherDrawnNorListed)
{
    create("Kept-A");
    create("Legend-B");
    CheckLegend* legend = form->chart()->checkLegend();
    const QPoint row = form->chart()->mapFromScene(legend->mapToScene(legend->rowRect(1).center()));
    QTest::mouseClick(form->chart()->viewport(), Qt::LeftButton, {}, row);
    QCoreApplication::processEvents();
    ASSERT_FALSE(form->chart()->curve(1)->isVisible());
    ASSERT_TRUE(form->checkList()->isChecked(1));  // the list keeps its own state

    printing.printFile = folder.filePath("legend.pdf");
    run("Print1");
    const QString text = pdfFileText(printing.printFile);
    EXPECT_EQ(text.count("Kept-A"), 2) << text.toStdString();  // legend row and table row
    EXPECT_EQ(text.count("Legend-B"), 1) << text.toStdString();  // its legend row only
}

TEST_F(ReportCommandsTest, APrintFileThatCannotBeWrittenGivesAnError)
{
    printing.printFile = folder.filePath("missing/printed.pdf");
    run("Print1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, "error");
    EXPECT_EQ(dialogs.boxes[0].text, "Stream write error");
}
