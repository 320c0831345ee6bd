#include "excel/workbook/WorkbookServer.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

// The workbook tests read the written files with the unzip program, which
// QProcess runs under an application object. The files the server writes
// are kept for the user in its own program; the tests' files are removed.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    const QString folder = workbookServerFolder();
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
    return result;
}
