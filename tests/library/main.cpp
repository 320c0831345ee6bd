#include <QCoreApplication>

#include <gtest/gtest.h>

// QProcess runs kspect; an application object gives it its event loop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
