// What the window tests of the Legendre lesson share: the partial sums
// worked out on their own, a look for dark ink, and a wait for section 2.
#pragma once

#include <QTest>
#include <cmath>

#include <gtest/gtest.h>

#include "learner.h"
#include "mainwindow.h"

namespace zonalpoly::test {

// The partial sum of the completeness relation from the standard library's
// polynomials.
inline double Sum(int N, double x, double y) {
  double s = 0;
  for (int i = 0; i <= N; ++i)
    s += (i + 0.5) * std::legendre(unsigned(i), x) * std::legendre(unsigned(i), y);
  return s;
}

// True when something dark is drawn in the rectangle (pixels, ends included).
inline bool DarkIn(const lk::Surface& s, int x1, int y1, int x2, int y2) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) {
      const lk::Color c = s.PixelAt(x, y);
      if (((c >> 16) & 255) < 100 && ((c >> 8) & 255) < 100 && (c & 255) < 100) return true;
    }
  return false;
}
inline bool AnyDark(const lk::Surface& s) { return DarkIn(s, 0, 0, s.WidthPx() - 1, s.HeightPx() - 1); }

// Section 2 hands over to its timer, so the key that starts it returns early.
inline void RunUntilIdle(const mainWindow& w, const lk::test::Learner& l) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.mode == 0 && l.done(); }, 60000));
}

}  // namespace zonalpoly::test
