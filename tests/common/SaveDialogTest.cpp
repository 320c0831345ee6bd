#include "common/SaveDialog.h"
#include "support/FakeUserDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SaveDialog, OkTakesTheChosenPathAndCancelChangesNothing)
{
    FakeUserDialogs dialogs;
    SaveDialog dialog;
    dialog.filter = "Bitmaps (*.bmp)";
    dialog.defaultSuffix = "bmp";
    dialog.folder = "/tmp/";
    dialog.fileName = "Spectrum";
    dialog.confirmOverwrite = false;

    dialogs.saveAnswers = {std::nullopt, QString("/tmp/a.bmp")};
    EXPECT_FALSE(dialog.ask());
    EXPECT_EQ(dialog.fileName, "Spectrum");
    EXPECT_TRUE(dialog.ask());
    EXPECT_EQ(dialog.fileName, "/tmp/a.bmp");
    dialogs.saveAnswers = {QString("/home/u/pictures/b.bmp")};
    EXPECT_TRUE(dialog.ask());
    EXPECT_EQ(dialog.folder, "/home/u/pictures/");

    ASSERT_EQ(dialogs.saveRequests.size(), 3u);
    const SaveFileRequest& asked = dialogs.saveRequests[0];
    EXPECT_EQ(asked.filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(asked.defaultSuffix, "bmp");
    EXPECT_EQ(asked.initialDir, "/tmp/");
    EXPECT_EQ(asked.fileName, "Spectrum");
    EXPECT_FALSE(asked.confirmOverwrite);
}

TEST(SaveDialog, StartsInTheProgramFolderOnlyWhenItIsWritable)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    EXPECT_EQ(initialSaveFolder(program.path(), "/home/u/Documents"), program.path() + "/");
    EXPECT_EQ(initialSaveFolder(program.path() + "/missing", "/home/u/Documents"), "/home/u/Documents/");
    // A program path that is not a folder at all.
    QFile file(program.path() + "/kavrel-spect");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(initialSaveFolder(file.fileName(), "/home/u/Documents/"), "/home/u/Documents/");
}

TEST(SaveDialog, SeveralFileTypesOfferedAndThePickedOneKept)
{
    FakeUserDialogs dialogs;
    SaveDialog dialog;
    dialog.filters = {"CSI SAP2000/ETABS (*.txt)", "MIDAS Gen/Civil (*.sgs)"};
    dialog.filter = dialog.filters[0];

    dialogs.saveAnswers = {QString("/tmp/a.sgs"), std::nullopt};
    dialogs.filterAnswers = {"MIDAS Gen/Civil (*.sgs)"};
    EXPECT_TRUE(dialog.ask());
    EXPECT_EQ(dialog.filter, "MIDAS Gen/Civil (*.sgs)");
    EXPECT_FALSE(dialog.ask());  // cancel keeps the type picked last
    EXPECT_EQ(dialog.filter, "MIDAS Gen/Civil (*.sgs)");

    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(dialogs.saveRequests[0].filters, dialog.filters);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "CSI SAP2000/ETABS (*.txt)");
    EXPECT_EQ(dialogs.saveRequests[1].filter, "MIDAS Gen/Civil (*.sgs)");
}

// Offered again in another language, the type picked keeps its place.
TEST(SaveDialog, FileTypesOfferedAgainKeepThePickedOneByItsPlace)
{
    SaveDialog dialog;
    dialog.filter = "Kept from before";
    dialog.offerFilters({"CSI SAP2000/ETABS (*.txt)", "Table (*.txt)", "CSV (*.csv)"});
    EXPECT_EQ(dialog.filter, "CSI SAP2000/ETABS (*.txt)") << "none picked yet: the first";
    EXPECT_EQ(dialog.chosenFilterIndex(), 0);

    dialog.filter = "Table (*.txt)";
    EXPECT_EQ(dialog.chosenFilterIndex(), 1);
    dialog.offerFilters({"CSI SAP2000/ETABS (*.txt)", "表格 (*.txt)", "CSV 文件 (*.csv)"});
    EXPECT_EQ(dialog.filter, "表格 (*.txt)");
    EXPECT_EQ(dialog.chosenFilterIndex(), 1);
    dialog.offerFilters({"CSI SAP2000/ETABS (*.txt)", "Table (*.txt)", "CSV (*.csv)"});
    EXPECT_EQ(dialog.filter, "Table (*.txt)");

    // An answer that is not among the types offered counts as the first.
    dialog.filter = "All files (*)";
    EXPECT_EQ(dialog.chosenFilterIndex(), 0);
}

TEST(SaveDialog, SuffixOfAFileType)
{
    EXPECT_EQ(filterSuffix("MIDAS Gen/Civil (*.sgs)"), "sgs");
    EXPECT_EQ(filterSuffix(QString::fromUtf8("CSV(逗号分隔)(*.csv)")), "csv");
    EXPECT_EQ(filterSuffix("Text (*.txt *.dat)"), "txt");
    EXPECT_EQ(filterSuffix("Archives (*.tar.gz)"), "tar.gz");
    EXPECT_EQ(filterSuffix("All files (*)"), "");
    EXPECT_EQ(filterSuffix("Bitmaps"), "");
}
