#include "gui/colors.h"

#include <array>

namespace gui {

namespace {

constexpr forms::Color SystemFlag = 0x80000000;

// Palette entries 0..24 as a light desktop shows them, as 0xRRGGBB. Entry 0 (the scroll bar) is
// used as the text colour of black numbers, so it must stay black.
constexpr std::array<QRgb, 25> SystemColors = {
    0x000000,  // 0 scroll bar
    0x3a6ea5,  // 1 desktop
    0x99b4d1,  // 2 active caption
    0xbfcddb,  // 3 inactive caption
    0xf0f0f0,  // 4 menu
    0xffffff,  // 5 window
    0x646464,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xffffff,  // 9 caption text: the ground of unmarked history rows
    0xb4b4b4,  // 10 active border
    0xf4f7fc,  // 11 inactive border
    0xababab,  // 12 application workspace
    0x3399ff,  // 13 highlight
    0xfcfcfc,  // 14 highlight text
    0xf0f0f0,  // 15 button face
    0xa0a0a0,  // 16 button shadow
    0x6d6d6d,  // 17 grey text
    0x000000,  // 18 button text
    0x000000,  // 19 inactive caption text
    0xffffff,  // 20 button highlight
    0x696969,  // 21 dark 3D shadow
    0xe3e3e3,  // 22 3D light
    0x000000,  // 23 tool tip text
    0xffffe1,  // 24 tool tip background
};

}  // namespace

QColor toQColor(forms::Color c) {
    if (c & SystemFlag) {
        const forms::Color index = c & ~SystemFlag;
        // An entry no desktop defines: black, which reads on every light background we use.
        return QColor(index < SystemColors.size() ? SystemColors[index] : 0x000000u);
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace gui
