#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/testenvironment.h"

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
