#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(Colors, PlainColoursStoreRedInTheLowByte)
{
    EXPECT_EQ(ToRgb(clRed), qRgb(255, 0, 0));
    EXPECT_EQ(ToRgb(clGreen), qRgb(0, 128, 0));
    EXPECT_EQ(ToRgb(clBlue), qRgb(0, 0, 255));
    EXPECT_EQ(RgbColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(Colors, SystemColoursComeFromThePalette)
{
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clDefault));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_EQ(ToRgb(clBtnFace), QGuiApplication::palette().color(QPalette::Button).rgb());
    EXPECT_EQ(ToRgb(clWindowText), QGuiApplication::palette().color(QPalette::WindowText).rgb());
}
