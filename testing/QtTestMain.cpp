// Morvane test support.
// The main function of widget tests: GoogleTest inside a QApplication, offscreen unless the
// environment names another platform.
#include <QApplication>

#include <gtest/gtest.h>

// Read by the leak checker of sanitizer builds before LSAN_OPTIONS, which may add to it.
extern "C" const char *__lsan_default_options()
{
    return "suppressions=" MORVANE_LSAN_SUPPRESSIONS;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
