#include "palette.h"

#include <string>

#include "numtext.h"

namespace lk {

std::array<Color, 16> Palette{};
Color CurColor = kButtonText;

void InitPalette() {
  Palette = {kButtonText,       RGB(0, 0, 255),     RGB(0, 224, 0),    RGB(255, 165, 0),
             RGB(0, 224, 224),  RGB(255, 0, 255),   RGB(0, 144, 144),  RGB(255, 0, 0),
             RGB(128, 128, 128), RGB(128, 0, 128),  RGB(0, 255, 0),    RGB(0, 255, 255),
             RGB(255, 0, 0),    RGB(255, 0, 255),   RGB(255, 255, 0),  RGB(255, 255, 255)};
}

Color NextColor(std::string_view entry) {
  if (auto comma = entry.find(','); comma != std::string_view::npos) {
    // An index outside the palette is taken as the nearest entry.
    std::int32_t i = CLng(Val(entry.substr(comma + 1)));
    if (i < 0) i = 0;
    if (i > 15) i = 15;
    return Palette[static_cast<std::size_t>(i)];
  }
  for (std::size_t i = 0; i < Palette.size(); ++i) {
    if (Palette[i] == CurColor) return Palette[(i + 1) % Palette.size()];
  }
  return Palette[1];
}

}  // namespace lk
