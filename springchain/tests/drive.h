// How the window tests drive the lattice lesson through its pauses and read
// back the chain: each atom's stamp where its Bessel function puts it, and
// text as the lesson prints it.
#pragma once

#include <QTest>
#include <QTimer>
#include <cmath>
#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "dspcommon.h"
#include "learner.h"
#include "mainwindow.h"
#include "program.h"

namespace springchain::test {

using lk::Color;
using lk::RGB;

constexpr Color kStampBack = RGB(0, 0, 255);
constexpr Color kRecordColour = RGB(0, 30, 255);
constexpr Color kGrey = RGB(128, 128, 128);
// The window is 1018 x 736 pixels: the strip 0.95 of the width plus 4,
// 971 pixels, gives u = round(971 / 23) = 42 and stamps of 0.6 u, 25 + 1.
constexpr int kU = 42, kD = 25, kR = 12;
constexpr int kRecordStartTop = 648;  // 0.88 of the height

// Acts at the lesson's pauses, in order: each step waits for the next pause
// (the prompt label showing for a pause not yet acted on), or for its own
// condition.
class Script : public QObject {
 public:
  explicit Script(mainWindow& w) : w_(w) {
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(1);
  }
  // At the next pause: a key to the window.
  Script& key(int qtKey = Qt::Key_Space) {
    return atPause([this, qtKey] { QTest::keyClick(&w_, Qt::Key(qtKey)); }, true);
  }
  // At the next pause: a click on the prompt label.
  Script& click() {
    return atPause([this] { QTest::mouseClick(w_.lblHitKey(), Qt::LeftButton); }, true);
  }
  // At the pause now showing (or the next one): look without ending it.
  Script& look(std::function<void()> f) { return atPause(std::move(f), false); }
  // As soon as cond holds.
  Script& when(std::function<bool()> cond, std::function<void()> f) {
    steps_.push_back({std::move(cond), std::move(f)});
    return *this;
  }
  bool done() const { return steps_.empty(); }

 private:
  struct Step {
    std::function<bool()> cond;
    std::function<void()> act;
  };
  Script& atPause(std::function<void()> f, bool ends) {
    steps_.push_back({[this] { return w_.lblHitKey()->isVisible() && w_.pauseCount() > acted_; },
                      [this, f = std::move(f), ends] {
                        if (ends) acted_ = w_.pauseCount();
                        f();
                      }});
    return *this;
  }
  void Poll() {
    if (steps_.empty() || acting_ || lk::Ending() || !steps_.front().cond()) return;
    Step step = steps_.front();
    steps_.pop_front();
    // Act from a posted call, so this timer keeps polling while the action
    // runs a wait of the lesson.
    acting_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, step] {
          acting_ = false;
          if (!lk::Ending()) lk::Guard(step.act);
        },
        Qt::QueuedConnection);
  }
  mainWindow& w_;
  QTimer timer_;
  std::deque<Step> steps_;
  bool acting_ = false;
  int acted_ = 0;
};

// Starts the lesson and runs it until the program ends.
inline void RunLesson(mainWindow& w) {
  w.Start();
  ASSERT_TRUE(lk::test::RunUntil([] { return lk::Ending(); })) << "the lesson did not end";
}

// True when the stamp appears in the strip with its top-left at (left, top).
inline bool StampShown(const lk::Surface& strip, const lk::Surface& stamp, int left, int top) {
  for (int y = 0; y < stamp.HeightPx(); ++y)
    for (int x = 0; x < stamp.WidthPx(); ++x)
      if (strip.PixelAt(left + x, top + y) != stamp.PixelAt(x, y)) return false;
  return true;
}

// Strip positions whose stamp is not where x pixel pos(k) puts it; only the
// atoms wholly inside the strip are looked at.
inline std::vector<int> MisplacedAtoms(const mainWindow& w, const std::vector<double>& pos) {
  const lk::Surface& strip = w.picB()->surface();
  const int yc = int(std::lround(strip.HeightPx() / 2.0));
  std::vector<int> wrong;
  for (int k = 0; k < kAtoms; ++k) {
    const int left = int(std::lround(pos[std::size_t(k)])) - kR;
    if (left < 0 || left + kD >= strip.WidthPx()) continue;
    const lk::Surface& stamp = w.picMass(StampOf(OrderAt(k, w.origin())));
    if (!StampShown(strip, stamp, left, yc - kR)) wrong.push_back(k);
  }
  return wrong;
}

// Where each atom stands at time t, from the library's Bessel functions.
inline std::vector<double> Expected(int origin, double t) {
  std::vector<double> pos;
  for (int k = 0; k < kAtoms; ++k) {
    const int n = k - (origin == 0 ? 6 : 1);
    pos.push_back((2 * k - 0.5 + std::cyl_bessel_j(double(std::abs(2 * n)), t)) * kU);
  }
  return pos;
}

inline std::vector<double> AtRest(int origin, double shift) {
  std::vector<double> pos = Expected(origin, 0);
  pos[origin == 0 ? 6 : 1] += (shift - 1) * kU;
  return pos;
}

// The text as the lesson prints it on a blank copy of a surface.
inline lk::Surface Printed(const lk::Surface& like, float x, float y, float size, Color colour,
                    const QString& text) {
  lk::Surface ref(like.WidthPx(), like.HeightPx(), lk::ScaleMode::Pixels);
  ref.SetBackColor(like.BackColor());
  ref.FontSize = size;
  ref.ForeColor = colour;
  lk::PrintText(ref, x, y, text);
  return ref;
}

inline int Differences(const lk::Surface& a, const lk::Surface& b, int x0, int y0, int x1,
                       int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += a.PixelAt(x, y) != b.PixelAt(x, y);
  return n;
}

inline int Count(const lk::Surface& s, int x0, int y0, int x1, int y1,
                 const std::function<bool(Color)>& pred) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += pred(s.PixelAt(x, y));
  return n;
}

inline bool Dark(Color c) {
  return ((c >> 16) & 255) < 100 && ((c >> 8) & 255) < 100 && (c & 255) < 100;
}

}  // namespace springchain::test
