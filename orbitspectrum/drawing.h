// What the sections of the orbit window draw alike: the ink of the run's
// figures, r(t) and theta as the narration writes them, and the width a
// piece of text would take.
#pragma once

#include <cmath>

#include "dspcommon.h"

namespace orbitspectrum::drawing {

constexpr lk::Color kFigureInk = lk::RGB(51, 51, 160);  // labels of the figures

// r(t) with italic r and t, the pieces 0.3 of an "n" apart.
inline void ShowRt(lk::Surface& s, float& x, float y) {
  const float w = s.TextWidth(QStringLiteral("n"));
  lk::PrintVar(s, x, y, QStringLiteral("r"));
  x += 0.3f * w;
  lk::PrintText(s, x, y, QStringLiteral("("));
  x += 0.3f * w;
  lk::PrintVar(s, x, y, QStringLiteral("t"));
  x += 0.3f * w;
  lk::PrintText(s, x, y, QStringLiteral(")"));
}

inline void PrintTheta(lk::Surface& s, float& x, float y) { lk::PrintSymItalic(s, x, y, QStringLiteral("q")); }

// The width a printer would take, measured on a scratch surface in the same font.
template <typename Printer>
float Advance(const lk::Surface& like, Printer print) {
  lk::Surface scratch(1, 1, like.Scale());
  scratch.FontName = like.FontName;
  scratch.FontSize = like.FontSize;
  float x = 0;
  print(scratch, x);
  return x;
}

inline float Rounded(float v) { return std::round(v); }

}  // namespace orbitspectrum::drawing
