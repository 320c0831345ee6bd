#include "support/TemporaryHome.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// The workbook tests read the written files with the unzip program, which
// QProcess runs under an application object. The workbooks go to a
// temporary home, never to the user's documents.
int main(int argc, char* argv[])
{
    TemporaryHome home;
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
