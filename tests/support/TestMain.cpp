// Test main: a headless QApplication, zero waits, German regional settings unless a test says otherwise.
#include "platform/core/Services.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    talur::setWaitScale(0.0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
