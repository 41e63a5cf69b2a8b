// The Fermat's principle lesson driven as a learner would: the mouse moved
// along the water surface of picB, clicks left and right, Home and End, the
// index scroll bar and box.  The picture is read back pixel by pixel.
#include "mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "drive.h"
#include "learner.h"
#include "screen.h"
#include "sounds.h"

using namespace lightpath::test;
using lightpath::Scene;
using lk::test::ColourNear;
using lk::test::CountOf;

namespace {

// The bottom of result row r, in window pixels.
int RowBottomPx(mainWindow& w, float r) {
  return int(std::ceil((w.RowTop(r) + w.form().TextHeight(QStringLiteral("A"))) / 15));
}

}  // namespace

// ---- The window as it opens ------------------------------------------------

TEST(LightpathWindow, OpensWithItsControlsAndTheStraightTrial) {
  Started s;
  mainWindow& w = s.w;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("フェルマの原理 ( 19 ページ， 27-28ページ， 問題 2．1 ) "));
  EXPECT_EQ(w.size(), QSize(634, 448));  // 9510 x 6720 twips
  EXPECT_EQ(w.lblHead()->text(), QStringLiteral("《 光の屈折 －－ フェルマの原理 》"));
  EXPECT_EQ(w.lbl(1)->text(), QStringLiteral("  フェルマの原理によれば，光学的距離が"));
  EXPECT_EQ(w.lbl(4)->text(), QStringLiteral("マウスにより光線の経路を指定して下さい。"));
  EXPECT_EQ(w.lbl(0)->text(), QStringLiteral("屈折率"));
  EXPECT_EQ(w.picB()->geometry(), QRect(7, 49, 299, 393));
  EXPECT_EQ(w.hsbN()->geometry(), QRect(376, 420, 111, 18));
  EXPECT_EQ(w.txtN()->geometry(), QRect(495, 415, 69, 27));
  EXPECT_EQ(w.btnRestart()->geometry(), QRect(569, 377, 60, 33));
  EXPECT_EQ(w.btnEnd()->geometry(), QRect(569, 412, 60, 33));
  EXPECT_EQ(w.btnRestart()->text(), QStringLiteral("再実行"));
  EXPECT_EQ(w.btnEnd()->text(), QStringLiteral("終 了"));

  EXPECT_EQ(w.hsbN()->value(), 1330);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("1.33"));
  EXPECT_TRUE(w.hsbN()->isVisible());
  EXPECT_FALSE(w.btnRestart()->isVisible());
  EXPECT_TRUE(w.btnEnd()->isVisible());

  // Air above the surface row, water below, white P and Q in the corners.
  const Scene& sc = w.scene();
  EXPECT_EQ(sc.W(), 299);
  EXPECT_EQ(sc.H(), 393);
  const lk::Surface& p = Pic(w);
  EXPECT_EQ(p.PixelAt(5, 5), kAir);
  EXPECT_EQ(p.PixelAt(250, sc.yline()), kAir);
  EXPECT_EQ(p.PixelAt(250, sc.yline() + 1), kWater);
  EXPECT_EQ(p.PixelAt(150, sc.H() - 80), kWater);
  EXPECT_EQ(p.PixelAt(sc.W() - 9, 2), kFixed);
  EXPECT_EQ(p.PixelAt(8, sc.H() - 3), kFixed);
  EXPECT_EQ(p.PixelAt(sc.W() - 20, 20), kAir);  // outside the disc of radius 12
  // The four labels are written in black.
  for (auto [x, y] : {std::pair{0.82, 0.99 * sc.b()}, {-0.6, 0.7 * sc.b()},
                      {0.6, -0.7 * sc.b()}, {-0.9, -0.88 * sc.b()}}) {
    int black = 0;
    for (int dy = 0; dy < 20; ++dy)
      for (int dx = 0; dx < 20; ++dx) black += p.PixelAt(sc.px(x) + dx, sc.py(y) + dy) == 0;
    EXPECT_GT(black, 0) << x;
  }
  // The first trial is the straight diagonal through the centre.
  EXPECT_TRUE(PathIs(w, 0, kTrial));
  EXPECT_EQ(TextInk(w), 0);
  EXPECT_FALSE(w.started());
}

TEST(LightpathWindow, ScrollBarSetsTheIndexUntilTheFirstDrag) {
  Started s;
  mainWindow& w = s.w;
  w.hsbN()->setValue(2000);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("2"));
  w.hsbN()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("2.01"));
  w.hsbN()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("2.21"));
  w.hsbN()->setValue(9999);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("5"));
  w.hsbN()->setValue(0);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("1"));
  w.hsbN()->setValue(1330);

  // Moving off the surface starts nothing; the first move on it reads the index.
  Move(w, 150, 50);
  EXPECT_TRUE(w.hsbN()->isVisible());
  Move(w, 150, w.scene().yline() + 2);
  EXPECT_TRUE(w.started());
  EXPECT_FALSE(w.hsbN()->isVisible());
  EXPECT_DOUBLE_EQ(w.scene().n(), 1.33);
  EXPECT_TRUE(w.txtN()->isReadOnly());
  // Home brings the scroll bar back and the index can change again.
  lk::test::PressKey(&w, Qt::Key_Home);
  EXPECT_TRUE(w.hsbN()->isVisible());
  EXPECT_FALSE(w.txtN()->isReadOnly());
  EXPECT_FALSE(w.started());
  w.hsbN()->setValue(2500);
  Click(w, Qt::LeftButton);  // a click reads it as well
  EXPECT_FALSE(w.hsbN()->isVisible());
  EXPECT_DOUBLE_EQ(w.scene().n(), 2.5);
}

// ---- Dragging ----------------------------------------------------------------

TEST(LightpathWindow, DragAlongTheSurfaceMovesTheTrial) {
  Started s;
  mainWindow& w = s.w;
  const Scene& sc = w.scene();
  Slide(w, 150, 100);
  EXPECT_NEAR(w.xCur(), sc.qx(100), 0.021);
  EXPECT_DOUBLE_EQ(w.xDrag(), sc.qx(100));
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  // The straight trial it started from is gone.
  EXPECT_FALSE(PathIs(w, 0, kTrial));
  // The markers stay white.
  EXPECT_EQ(Pic(w).PixelAt(sc.W() - 9, 2), kFixed);
  EXPECT_EQ(Pic(w).PixelAt(8, sc.H() - 3), kFixed);
  // And back to the right, a few pixels above the surface line.
  Slide(w, 100, 230, -6);
  EXPECT_NEAR(w.xCur(), sc.qx(230), 0.021);
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  // Only one trial path is ever drawn: the air colour is back where it was.
  for (int y : {sc.yline() / 3, 2 * sc.yline() / 3})
    EXPECT_FALSE(ColourNear(Pic(w), UpperColumn(sc, sc.qx(100), y), y, kTrial));
  EXPECT_EQ(TextInk(w), 0);
}

TEST(LightpathWindow, JumpsAndMovesOffTheSurfaceDoNotMoveTheTrial) {
  Started s;
  mainWindow& w = s.w;
  const Scene& sc = w.scene();
  const int yl = sc.yline();
  const int jump = sc.px(0.05) - sc.px(0);  // 0.05 in pixels
  // Straight to a point 0.05 or more away from the centre.
  Move(w, 150 - jump - 1, yl);
  Move(w, 150 + jump + 1, yl);
  EXPECT_FALSE(w.started());
  EXPECT_EQ(w.xCur(), 0);
  // Ten pixels above or below the line, even right at the centre.
  for (int dy : {-10, 10, -40, 60}) {
    Slide(w, 150, 130, dy, 2);
    EXPECT_EQ(w.xDrag(), 0) << dy;
  }
  EXPECT_TRUE(PathIs(w, 0, kTrial));
  EXPECT_TRUE(w.hsbN()->isVisible());
  // Nine pixels away counts.
  Slide(w, 150, 130, 9, 2);
  EXPECT_TRUE(w.started());
  EXPECT_NEAR(w.xCur(), sc.qx(130), 0.021);
  // Once under way, a jump is refused just the same.
  const double before = w.xCur();
  Move(w, 130 - jump - 1, yl);
  EXPECT_EQ(w.xCur(), before);
  EXPECT_TRUE(PathIs(w, before, kTrial));
}

// ---- Fixing paths ----------------------------------------------------------

TEST(LightpathWindow, ClickFixesTheTrialInWhiteAndPrintsItsLength) {
  Started s;
  mainWindow& w = s.w;
  Slide(w, 150, 120);
  const double first = w.xCur();
  Click(w, Qt::LeftButton);
  EXPECT_EQ(w.paths().count(), 1);
  EXPECT_EQ(w.paths().last(), first);
  EXPECT_TRUE(PathIs(w, first, kFixed));
  EXPECT_FLOAT_EQ(w.resultRow(), 1);
  EXPECT_GT(RowInk(w, 1), 0);
  EXPECT_EQ(RowInk(w, 2), 0);

  // The trial moves on: the fixed path stays white, the trial is green.
  Slide(w, 120, 60);
  EXPECT_TRUE(PathIs(w, first, kFixed));
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  Click(w, Qt::LeftButton);
  Slide(w, 60, 200);
  Click(w, Qt::LeftButton);
  EXPECT_EQ(w.paths().count(), 3);
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(PathIs(w, w.paths().at(i), kFixed)) << i;
  for (int r = 1; r <= 3; ++r) EXPECT_GT(RowInk(w, float(r)), 0) << r;
  EXPECT_EQ(RowInk(w, 4), 0);
  // Each line of results is as long as the first: the same pattern of texts.
  const int firstInk = RowInk(w, 1);
  EXPECT_NEAR(RowInk(w, 3), firstInk, firstInk / 4);
  // Moving on from the last fixed path draws a trial beside three white ones.
  Slide(w, 200, 170);
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  EXPECT_TRUE(PathIs(w, w.paths().at(3), kFixed));
}

TEST(LightpathWindow, TrialOnTheLastFixedPathDoesNotEraseIt) {
  Started s;
  mainWindow& w = s.w;
  // A click on the straight trial, before any drag, fixes the diagonal.
  Click(w, Qt::LeftButton);
  EXPECT_TRUE(PathIs(w, 0, kFixed));
  // Small moves that do not shift the trial, then one that does.
  Slide(w, 150, 148, 0, 1);
  EXPECT_EQ(w.xCur(), 0);
  Slide(w, 148, 140, 0, 1);
  EXPECT_LT(w.xCur(), -0.02);
  EXPECT_TRUE(PathIs(w, 0, kFixed));
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  // Further on, the earlier fixed path survives each erase of the trial.
  Slide(w, 140, 90);
  Click(w, Qt::LeftButton);
  Slide(w, 90, 40);
  Slide(w, 40, 80);
  EXPECT_TRUE(PathIs(w, 0, kFixed));
  EXPECT_TRUE(PathIs(w, w.paths().at(2), kFixed));
}

TEST(LightpathWindow, ClicksBeyondTheLastFreeRowAreRefused) {
  Started s;
  mainWindow& w = s.w;
  Slide(w, 150, 200);
  const int dings = lk::SoundCount(lk::Sound::Ding);
  for (int i = 0; i < lightpath::kMaxPaths && lk::SoundCount(lk::Sound::Ding) == dings; ++i)
    Click(w, Qt::LeftButton);
  // The rows ran out long before the list of paths: one more result and the
  // answer's two rows would have reached "再実行", which shows with the answer.
  const int count = w.paths().count();
  const int buttonTop = w.btnRestart()->geometry().top();
  std::printf("fixed paths the result rows hold: %d\n", count);
  EXPECT_LT(count, lightpath::kMaxPaths);
  EXPECT_EQ(w.resultRow(), float(count));
  EXPECT_LE(RowBottomPx(w, count + 2.5f), buttonTop);
  EXPECT_GT(RowBottomPx(w, count + 3.5f), buttonTop);
  Click(w, Qt::LeftButton);
  // End would print an answer and leave no room for the last one.
  Slide(w, 200, 150);
  lk::test::PressKey(&w, Qt::Key_End);
  EXPECT_EQ(w.paths().count(), count);
  EXPECT_EQ(w.resultRow(), float(count));
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 3);
  // The lesson goes on: the trial moves, and the answer fits above the button.
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  Click(w, Qt::RightButton);
  EXPECT_TRUE(w.finished());
  EXPECT_FLOAT_EQ(w.resultRow(), count + 2.5f);
  EXPECT_TRUE(w.btnRestart()->isVisible());
  EXPECT_SCREEN(&w, "the answer below the last free row");
}

// ---- Restart and the end ----------------------------------------------------

TEST(LightpathWindow, HomeAndRestartBeginAgain) {
  for (bool byButton : {false, true}) {
    Started s;
    mainWindow& w = s.w;
    Slide(w, 150, 110);
    Click(w, Qt::LeftButton);
    Slide(w, 110, 60);
    Click(w, Qt::LeftButton);
    Click(w, Qt::RightButton);
    ASSERT_TRUE(w.btnRestart()->isVisible());
    if (byButton) {
      QTest::mouseClick(w.btnRestart(), Qt::LeftButton);
    } else {
      w.hsbN()->setFocus();  // Home is the lesson's, not the scroll bar's
      QTest::keyClick(w.hsbN(), Qt::Key_Home);
    }
    EXPECT_FALSE(w.finished()) << byButton;
    EXPECT_FALSE(w.started());
    EXPECT_EQ(w.paths().count(), 0);
    EXPECT_EQ(w.resultRow(), 0);
    EXPECT_EQ(TextInk(w), 0);
    EXPECT_TRUE(w.hsbN()->isVisible());
    EXPECT_EQ(w.hsbN()->value(), 1330);
    EXPECT_FALSE(w.btnRestart()->isVisible());
    EXPECT_EQ(CountOf(Pic(w), kAnswer), 0);
    EXPECT_TRUE(PathIs(w, 0, kTrial));
    EXPECT_EQ(w.xDrag(), 0);
    // No white path left, only the markers.
    EXPECT_FALSE(PathIs(w, -0.5, kFixed));
    EXPECT_LT(CountOf(Pic(w), kFixed), 2 * 12 * 12);
    // And the lesson runs again from the centre.
    Slide(w, 150, 120);
    EXPECT_TRUE(w.started());
    EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  }
}

TEST(LightpathWindow, EndButtonAndClosingEndTheProgram) {
  {
    Started s;
    QTest::mouseClick(s.w.btnEnd(), Qt::LeftButton);
    EXPECT_TRUE(lk::Ending());
  }
  {
    Started s;
    EXPECT_FALSE(lk::Ending());
    lk::test::PressKey(&s.w, Qt::Key_Escape);  // not one of this lesson's keys
    lk::test::PressKey(&s.w, Qt::Key_Q);
    EXPECT_FALSE(lk::Ending());
    s.w.close();
    EXPECT_TRUE(lk::Ending());
  }
}

// ---- Random input ----------------------------------------------------------

namespace {

// Random moves (mostly along the surface, where they count), drags, clicks
// of all three buttons and the lesson's keys, sent to picB of a window.
void RandomMouse(mainWindow& w, std::uint32_t seed, int events) {
  std::mt19937 rng(seed);
  const int W = w.scene().W(), H = w.scene().H(), yl = w.scene().yline();
  int X = W / 2;
  for (int i = 0; i < events && !lk::Ending(); ++i) {
    const int r = int(rng() % 100);
    if (r < 70) {
      X = std::clamp(X + int(rng() % 15) - 7, -5, W + 5);
      const int Y = (rng() % 4 == 0) ? int(rng() % unsigned(H)) : yl + int(rng() % 25) - 12;
      if (rng() % 5 == 0) {
        QMouseEvent e(QEvent::MouseMove, QPointF(X, Y), w.picB()->mapToGlobal(QPointF(X, Y)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.picB(), &e);  // a drag with the button held
      } else {
        Move(w, X, Y);
      }
    } else if (r < 84) {
      Click(w, Qt::LeftButton);
    } else if (r < 86) {
      Click(w, Qt::RightButton);
    } else if (r < 88) {
      Click(w, Qt::MiddleButton);
    } else if (r < 92) {
      lk::test::PressKey(&w, Qt::Key_End);
    } else if (r < 95) {
      lk::test::PressKey(&w, Qt::Key_Home);
    } else {
      w.hsbN()->triggerAction(rng() % 2 ? QAbstractSlider::SliderPageStepAdd
                                        : QAbstractSlider::SliderSingleStepSub);
    }
  }
}

}  // namespace

TEST(LightpathWindow, RandomInputKeepsTheLessonWorking) {
  // Keys, clicks, moves and drags anywhere on the window, the program
  // restarted when it ends.
  for (std::uint32_t seed : {1u, 2u}) {
    const lk::test::RandomRun run =
        lk::test::RunRandomInput(seed, 2000, [] { return std::make_unique<mainWindow>(); }, 10,
                                 lk::test::Pointer::MovesAndDrags);
    EXPECT_EQ(run.events, 2000) << seed;
    EXPECT_GE(run.programs, 1) << seed;
  }
  // The mouse over the picture, mostly along the surface where moves count
  // (the driver above seldom meets the drag rule there), with Home and End.
  for (std::uint32_t seed : {3u, 4u}) {
    Started s;
    RandomMouse(s.w, seed, 3000);
    EXPECT_FALSE(lk::Ending());
    EXPECT_LE(s.w.paths().count(), lightpath::kMaxPaths);
    const double n = s.w.scene().n();
    EXPECT_TRUE(n >= 1 && n <= 5) << n;
  }
  // A fresh window still does the lesson: drag, fix, answer.
  Started s;
  mainWindow& w = s.w;
  Slide(w, 150, 110);
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  Click(w, Qt::LeftButton);
  EXPECT_TRUE(PathIs(w, w.paths().last(), kFixed));
  EXPECT_GT(RowInk(w, 1), 0);
  EXPECT_SCREEN(&w, "a path fixed");
  Click(w, Qt::RightButton);
  EXPECT_TRUE(PathIs(w, w.scene().Exact(), kAnswer));
  EXPECT_TRUE(w.btnRestart()->isVisible());
  EXPECT_SCREEN(&w, "the answer");
}

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(LightpathWindow, DISABLED_RandomInputSoak) {
  const lk::test::RandomPlan plan = lk::test::RandomPlanFromEnv({100, 104, 20000});
  lk::test::RunRandomPlan(plan, [] { return std::make_unique<mainWindow>(); },
                          lk::test::Pointer::MovesAndDrags);
  for (std::uint32_t seed = plan.first; seed <= std::max(plan.first, plan.last); ++seed) {
    Started s;
    RandomMouse(s.w, seed, plan.events);
    EXPECT_FALSE(lk::Ending()) << seed;
  }
}

TEST(LightpathWindow, RestartsKeepNothingBehind) {
  if (!lk::test::MemoryFiguresMeaningful()) GTEST_SKIP() << "allocator holds freed memory";
  const long growth = lk::test::RestartGrowthKb(
      [] { return std::make_unique<mainWindow>(); },
      [](lk::LessonWindow& lw, lk::test::Learner& l) {
        l.then([&lw] {
          auto& w = static_cast<mainWindow&>(lw);
          Slide(w, 150, 100);
          Click(w, Qt::LeftButton);
          Click(w, Qt::RightButton);
        });
      });
  std::printf("resident memory growth over the restarts: %ld kB\n", growth);
  EXPECT_LT(growth, 2048);
}
