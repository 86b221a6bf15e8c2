// The main function of every test program: a QApplication on the offscreen
// platform (unless the environment chooses another) with the engine's text
// backend, then GoogleTest.
#include "platform/qt/QtColors.h"
#include "platform/qt/QtTextBackend.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    platform::qt::FollowApplicationPalette();
    const platform::qt::EngineTextBackend text;
    return RUN_ALL_TESTS();
}
