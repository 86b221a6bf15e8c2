#include "platform/Colors.h"
#include "platform/qt/QtColors.h"

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

TEST(Colors, SystemColoursFollowAPaletteChange)
{
    const QPalette before = QGuiApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
    changed.setColor(QPalette::Active, QPalette::Highlight, QColor(0xAB, 0xCD, 0xEF));
    QGuiApplication::setPalette(changed);
    const QRgb face = ToRgb(clBtnFace);
    const QRgb highlight = ToRgb(clHighlight);
    const TColor plainFace = PlainColor(clBtnFace);
    QGuiApplication::setPalette(before);

    EXPECT_EQ(face, qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(highlight, qRgb(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(plainFace, RgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ToRgb(clBtnFace), before.color(QPalette::Active, QPalette::Button).rgb());
}
