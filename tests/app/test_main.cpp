// The application object itself is the test run's QApplication, so that its
// initInstance runs here as it runs in the program.

#include <gtest/gtest.h>

#include "app/gitterwerk_app.h"

int main(int argc, char** argv) {
    // Without a chosen platform (test discovery at build time) run offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    CGitterwerkApp application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
