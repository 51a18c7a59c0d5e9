#include <QApplication>
#include <gtest/gtest.h>

// One Qt application for the whole program, on the offscreen platform unless the caller
// chose another (the screenshot script runs these widgets on Xvfb).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
