#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(Colors, PlainColoursStoreRedInTheLowByte)
{
    EXPECT_EQ(toRgb(clRed), qRgb(255, 0, 0));
    EXPECT_EQ(toRgb(clGreen), qRgb(0, 128, 0));
    EXPECT_EQ(toRgb(clBlue), qRgb(0, 0, 255));
    EXPECT_EQ(rgbColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(Colors, SystemColoursComeFromThePalette)
{
    EXPECT_TRUE(isSystemColor(clBtnFace));
    EXPECT_FALSE(isSystemColor(clDefault));
    EXPECT_FALSE(isSystemColor(clNone));
    EXPECT_EQ(toRgb(clBtnFace), QGuiApplication::palette().color(QPalette::Button).rgb());
    EXPECT_EQ(toRgb(clWindowText), QGuiApplication::palette().color(QPalette::WindowText).rgb());
}
