#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One Qt application for the whole program, on the offscreen platform unless the caller
// chose another (the screenshot script runs these widgets on Xvfb). Each test program has
// a settings folder of its own: Qt's file dialog keeps its state there, and test programs
// that run at once would otherwise wait on each other's lock of one file.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
