// Morvane program tests.
// The main function of the program's tests: each test makes its own application, and with it
// the QApplication, offscreen unless the environment names another platform.
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
