// The gui tests' entry: one QApplication for the whole run, on the offscreen
// platform unless the environment chooses another (e.g. xcb under Xvfb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "ui/qt/web_engine_setup.h"

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no windows.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
    quotexa::PrepareWebEngine();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
