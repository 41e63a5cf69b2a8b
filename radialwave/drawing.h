// What the window's files share: the window's outer size, which places the
// plot and the boxes, the texts of the notice, and the letter measures and
// number texts the plot and the boxes are laid out with.
#pragma once

#include <QString>

#include "surface.h"

namespace radialwave::drawing {

// The window's outer size in twips, frame included: the shares that place
// the plot and the boxes of section 3 are of this size.
inline constexpr double kWf = 11940, kHf = 8820;

// The plot of sections 1 and 2 (twips).
inline constexpr double kPlotLeft = 0.02 * kWf, kPlotTop = 0.1 * kHf, kPlotWidth = 0.96 * kWf,
                        kPlotHeight = 0.75 * kHf;

// The notice for a refused energy.
inline constexpr const char* kNegativeOnly = "エネルギー値は負に限ります.";
inline constexpr const char* kNotNegative = "エネルギー値は 0 以上に限ります.";

inline float LetterWidth(const lk::Surface& p) { return p.TextWidth(QStringLiteral("A")); }
inline float LetterHeight(const lk::Surface& p) { return p.TextHeight(QStringLiteral("A")); }

// A text of digits as the rows and boxes show it: a "0" before a bare point.
inline QString WithLeadZero(const QString& t) {
  return t.startsWith(QLatin1Char('.')) ? QStringLiteral("0") + t : t;
}

}  // namespace radialwave::drawing
