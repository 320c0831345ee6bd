#include "MainWindowFixture.h"

#include "spectrum/KavrelSpectrum.h"
#include "support/AnalysisFileReaders.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const KavrelSpectrum* spectrumNamed(const MainWindow& form, const std::string& name)
{
    const int index = form.spectra().indexOf(name);
    return index < 0 ? nullptr : form.spectra().spectrumAt(index);
}

} // namespace

TEST_F(MainWindowTest, SaveForAnalysisWritesTheSpectrumWithTheFocusRectangleInThePickedFormat)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QAction* item = control<QAction>("SaveForAnalysis1");
    const QList<QAction*> edit = control<QMenu>("Edit1")->actions();
    ASSERT_EQ(edit.indexOf(item), edit.indexOf(control<QAction>("SavePicture1")) + 1);
    EXPECT_EQ(item->text(), "Save for Analysis...");

    item->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"No spectrum have been create."});
    EXPECT_TRUE(dialogs.saveRequests.empty());

    // The only spectrum is saved even without the focus rectangle.
    create("A");
    form->checkList()->setCurrentRow(-1);
    dialogs.saveAnswers = {folder.filePath("A.sgs")};
    dialogs.filterAnswers = {"MIDAS Gen/Civil (*.sgs)"};
    item->trigger();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const SaveFileRequest& asked = dialogs.saveRequests[0];
    EXPECT_EQ(asked.filters, (QStringList{"CSI SAP2000/ETABS (*.txt)", "MIDAS Gen/Civil (*.sgs)", "STAAD.Pro (*.txt)",
                                          "OpenSees Tcl (*.tcl)", "CSV (*.csv)", "Table (*.txt)"}));
    EXPECT_EQ(asked.filter, asked.filters[0]);
    EXPECT_EQ(asked.defaultSuffix, "txt");
    EXPECT_EQ(asked.fileName, "A");
    EXPECT_TRUE(asked.confirmOverwrite);
    const ReadFile midas = readMidasFile(contentOf(folder.filePath("A.sgs")));
    EXPECT_EQ(midas.error, QString());
    EXPECT_EQ(midas.titles.value(0), "A");
    EXPECT_EQ(dialogs.boxes.size(), 1u);  // no message on success, as Save Picture

    // Of several, the one with the focus rectangle; the type picked last is offered again.
    type("edt1", "0.08");
    create("B");
    type("edt1", "0.12");
    create("C");
    form->checkList()->setCurrentRow(-1);
    item->trigger();
    EXPECT_EQ(dialogs.texts().last(), "Click the spectrum to save in the list first.");
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);

    form->checkList()->setCurrentRow(1);
    dialogs.saveAnswers = {folder.filePath("B.txt")};
    dialogs.filterAnswers = {"STAAD.Pro (*.txt)"};
    item->trigger();
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(dialogs.saveRequests[1].filter, "MIDAS Gen/Civil (*.sgs)");
    EXPECT_EQ(dialogs.saveRequests[1].defaultSuffix, "sgs");
    EXPECT_EQ(dialogs.saveRequests[1].fileName, "B");
    const KavrelSpectrum* b = spectrumNamed(*form, "B");
    ASSERT_NE(b, nullptr);
    const ReadFile staad = readStaadFile(contentOf(folder.filePath("B.txt")));
    ASSERT_EQ(staad.error, QString());
    ASSERT_EQ(staad.points.size(), 601u);
    double alpha = 0;
    b->alphaAt(6.0, alpha);
    EXPECT_EQ(staad.points.back().second, alpha);
    EXPECT_DOUBLE_EQ(staad.points[10].second, 0.08);  // B's plateau: A's is 0.04, C's 0.12

    // A file that cannot be created ends the command with the error box.
    const QString missing = folder.filePath("missing/A.txt");
    dialogs.saveAnswers = {missing};
    item->trigger();
    EXPECT_EQ(dialogs.boxes.back().kind, "error");
    EXPECT_EQ(dialogs.boxes.back().text, "Cannot create file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(form->spectra().size(), 3);
}
