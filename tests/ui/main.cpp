#include "support/TemporaryHome.h"
#include "ui/KavrelApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Whatever a test exports lands in a temporary home, not the user's.
    TemporaryHome home;
    KavrelApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
