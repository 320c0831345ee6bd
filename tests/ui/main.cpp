#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need an application object for their whole run.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
