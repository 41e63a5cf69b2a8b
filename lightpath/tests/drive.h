// How the window tests move the pointer over picB, click, and read the paths
// and the result rows back from the pixels.
#pragma once

#include <QCursor>
#include <QTest>
#include <cmath>

#include "looks.h"
#include "mainwindow.h"
#include "program.h"

namespace lightpath::test {

constexpr lk::Color kAir = lk::RGB(192, 192, 192);
constexpr lk::Color kWater = lk::RGB(112, 112, 192);
constexpr lk::Color kTrial = lk::RGB(136, 255, 102);
constexpr lk::Color kFixed = lk::RGB(255, 255, 255);
constexpr lk::Color kAnswer = lk::RGB(230, 0, 0);

inline const lk::Surface& Pic(const mainWindow& w) { return w.picB()->surface(); }

// The pointer moves over picB with no button held, as the window system
// delivers it (so the picture must track the mouse to see it).
inline void Move(mainWindow& w, double X, double Y) {
  QTest::mouseMove(w.picB(), QPoint(int(std::lround(X)), int(std::lround(Y))));
  QCoreApplication::processEvents();
}

// Moves along the surface line from column X1 to X2 in steps of a few pixels.
inline void Slide(mainWindow& w, int X1, int X2, int dY = 0, int step = 3) {
  const int yline = w.scene().yline();
  const int dir = X2 >= X1 ? 1 : -1;
  for (int X = X1; dir * (X2 - X) >= 0; X += dir * step) Move(w, X, yline + dY);
  Move(w, X2, yline + dY);
}

inline void Click(mainWindow& w, Qt::MouseButton b) {
  const QPoint at = w.picB()->mapFromGlobal(QCursor::pos());
  QTest::mouseClick(w.picB(), b, Qt::NoModifier, at);
  QCoreApplication::processEvents();
}

// The column where the upper segment of the path crossing at x passes row y
// (and the lower one, below the surface).
inline int UpperColumn(const Scene& s, double x, int y) {
  const double X = s.px(x);
  return int(std::lround(X + (s.W() - X) * double(s.yline() - y) / s.yline()));
}
inline int LowerColumn(const Scene& s, double x, int y) {
  const double X = s.px(x);
  return int(std::lround(X * double(s.H() - y) / (s.H() - s.yline())));
}

// True when both segments of the path crossing at x are drawn in c at two
// rows each, away from the markers and labels (or next to those places:
// lines fall on whole pixels).
inline bool PathIs(const mainWindow& w, double x, lk::Color c) {
  const Scene& s = w.scene();
  const int yl = s.yline();
  for (int y : {yl / 3, 2 * yl / 3})
    if (!lk::test::ColourNear(Pic(w), UpperColumn(s, x, y), y, c)) return false;
  for (int y : {yl + (s.H() - yl) / 3, yl + 2 * (s.H() - yl) / 3})
    if (!lk::test::ColourNear(Pic(w), LowerColumn(s, x, y), y, c)) return false;
  return true;
}

// Ink of the window's own text in result row r (rows may be halves).
inline int RowInk(mainWindow& w, float r) {
  return lk::test::InkCount(w.form(), float(w.textLeft()), w.RowTop(r) + 0.1f * w.lineStep(),
                            w.form().ScaleWidth(), w.RowTop(r) + 0.9f * w.lineStep());
}
inline int TextInk(mainWindow& w) {
  return lk::test::InkCount(w.form(), float(w.textLeft()), w.RowTop(0), w.form().ScaleWidth(),
                            w.form().ScaleHeight());
}

struct Started {
  mainWindow w;
  Started() {
    w.Start();
    QCoreApplication::processEvents();
  }
  ~Started() { lk::EndProgram(); }
};

}  // namespace lightpath::test
