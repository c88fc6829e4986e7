#include "platform/Colors.h"

#include <array>

namespace {

// Classic Windows system colours, 0x00BBGGRR.
constexpr std::array<TColor, 25> kSystemColours = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop background
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application workspace
    0xFF9933, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0xC8D0D4, // inactive caption text: light, as lists show it unfocused
    0xFFFFFF, // button highlight
    0x696969, // 3D dark shadow
    0xE3E3E3, // 3D light
    0x000000, // info text
    0xE1FFFF, // info background
};

} // namespace

TColor ColorToRGB(TColor colour) {
    if (colour & clSystemColor) {
        const TColor index = colour & 0xFF;
        return index < kSystemColours.size() ? kSystemColours[index] : clBlack;
    }
    return colour & 0x00FFFFFF;
}

QColor ToQColor(TColor colour) {
    const TColor rgb = ColorToRGB(colour);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& colour) {
    return TColor(colour.red()) | (TColor(colour.green()) << 8) | (TColor(colour.blue()) << 16);
}
