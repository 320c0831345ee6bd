#include "ui/KavrelApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    KavrelApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
