#include <gtest/gtest.h>

#include <QCoreApplication>

// The input tests need Qt's main loop for the device notifiers, but no display.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
