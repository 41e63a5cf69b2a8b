// What the window's files share: the window as designed, the place of the
// text area both kinds of section start from, the key prompt, and the short
// ways of setting text.
#pragma once

#include "dspcommon.h"
#include "surface.h"

namespace minimaxfit::drawing {

// ---- The window as designed (twips) ------------------------------------

inline constexpr double kClientWidth = 11910, kClientHeight = 8520;
inline constexpr double Fw = kClientWidth, Fh = kClientHeight;

// The press-any-key prompt (shares of the window).  The introduction of an
// approximation section stretches its text area down to it.
inline constexpr float kPromptA = 0.1f, kPromptB = 0.94f;

// The top-left corner of the text area, in shares of the window.
inline constexpr double kTextLeft = 0.05, kTextTop = 0.1;

inline float LetterWidth(const lk::Surface& p) { return p.TextWidth(QStringLiteral("A")); }
inline float LetterHeight(const lk::Surface& p) { return p.TextHeight(QStringLiteral("A")); }

inline void Text(lk::Surface& p, float& x, float y, const char* utf8) {
  lk::PrintText(p, x, y, lk::Q(utf8));
}
inline void Var(lk::Surface& p, float& x, float y, const char* letter) {
  lk::PrintVar(p, x, y, lk::Q(letter));
}

}  // namespace minimaxfit::drawing
