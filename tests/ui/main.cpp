#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The UI tests run without a display: Qt's offscreen platform, set before
// the application object exists.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
