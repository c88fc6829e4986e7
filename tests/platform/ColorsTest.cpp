#include "platform/Colors.h"

#include <gtest/gtest.h>

TEST(Colors, ValuesAreBlueGreenRedAndSystemCodesUseAFixedTable) {
    struct Case {
        TColor colour;
        QColor expected;
    } cases[] = {
        {clRed, QColor(255, 0, 0)},
        {clBlue, QColor(0, 0, 255)},
        {0x00123456, QColor(0x56, 0x34, 0x12)},
        {0x7F123456, QColor(0x56, 0x34, 0x12)}, // the top byte is no part of the colour
        {clBtnFace, QColor(0xF0, 0xF0, 0xF0)},
        {clWindow, QColor(255, 255, 255)},
        {clWindowText, QColor(0, 0, 0)},
        {clHighlight, QColor(0x33, 0x99, 0xFF)},
        {clInfoBk, QColor(0xFF, 0xFF, 0xE1)},
        {clSystemColor | 0xFF, QColor(0, 0, 0)}, // no such system colour
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected.rgb(), ToQColor(c.colour).rgb()) << std::hex << c.colour;
        EXPECT_EQ(ColorToRGB(c.colour), FromQColor(ToQColor(c.colour))) << std::hex << c.colour;
    }
}
