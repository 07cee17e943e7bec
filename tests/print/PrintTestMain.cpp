#include <QApplication>
#include <gtest/gtest.h>

// Fonts and printers need an application object; the offscreen platform serves when none is
// chosen (test discovery runs without the test's environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
