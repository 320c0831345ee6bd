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
    dialog.defaultExt = "bmp";
    dialog.initialDir = "/tmp/";
    dialog.fileName = "Spectrum";
    dialog.confirmOverwrite = false;

    dialogs.saveAnswers = {std::nullopt, QString("/tmp/a.bmp")};
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(dialog.fileName, "Spectrum");
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(dialog.fileName, "/tmp/a.bmp");
    dialogs.saveAnswers = {QString("/home/u/pictures/b.bmp")};
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(dialog.initialDir, "/home/u/pictures/");

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
