// Shared main of every test program: offscreen widgets, a private home, a
// QApplication for the whole run.
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qlx::test::prepareProcessEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
