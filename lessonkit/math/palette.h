// The colour palette of the lessons and the colour chooser.  Plain C++.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lk {

// 0x00RRGGBB, or kButtonText, the system colour for button text.
using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
  return (Color(r & 255) << 16) | (Color(g & 255) << 8) | Color(b & 255);
}
constexpr Color kButtonText = 0x80000012u;  // black on a default desktop

// The colour a drawing really uses: system colours resolved.
constexpr Color Resolve(Color c) { return c == kButtonText ? RGB(0, 0, 0) : c; }

// Named colours the lessons use directly.
namespace col {
constexpr Color Blue = RGB(0, 0, 255), MediumBlue = RGB(0, 0, 205), SlateGrey = RGB(96, 96, 128),
                Teal = RGB(0, 144, 144), Lime = RGB(0, 255, 0), Green = RGB(0, 224, 0),
                DarkGreen = RGB(0, 136, 0), Cyan = RGB(0, 255, 255), DarkCyan = RGB(0, 224, 224),
                Red = RGB(255, 0, 0), Maroon = RGB(128, 0, 0), DarkRed = RGB(139, 0, 0),
                Olive = RGB(128, 128, 0), Magenta = RGB(255, 0, 255), Yellow = RGB(255, 255, 0),
                Purple = RGB(128, 0, 128), Violet = RGB(192, 0, 192), Orange = RGB(255, 165, 0),
                DarkOrange = RGB(255, 96, 0), Grey = RGB(128, 128, 128), White = RGB(255, 255, 255),
                Black = RGB(0, 0, 0), ButtonText = kButtonText;
constexpr Color FormBack = RGB(240, 240, 240);  // windows and controls
constexpr Color PlotBack = RGB(220, 220, 220);  // graph pictures
}  // namespace col

extern std::array<Color, 16> Palette;
extern Color CurColor;

// Fills Palette (entry 0 the button-text colour, 1 blue, 2 green, ...).
void InitPalette();

// The colour chooser: "a,i" gives Palette entry i (clamped to 0..15);
// otherwise the entry after CurColor in the palette (15 wraps to 0), or entry 1
// when CurColor is not in the palette.
Color NextColor(std::string_view entry);

}  // namespace lk
