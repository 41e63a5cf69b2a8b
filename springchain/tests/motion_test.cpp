// The chain in motion for t = 0 .. 32 and the restart after it: every frame
// whole, each atom where its Bessel function puts it at the time shown, the
// record of the paths rising to the title, the clock's pace.
#include "mainwindow.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cmath>
#include <memory>
#include <vector>

#include "drive.h"
#include "looks.h"
#include "program.h"

using namespace springchain;
using namespace springchain::test;

using lk::test::ClockSpeed;

// The motion for t = 0 .. 32: the last frame is the last row of the record,
// the time reads 32.0, the record has risen to just below the title, and its
// paths lie where the Bessel functions put them.
TEST(SpringchainWindow, MotionRunsToTheLastRowAndTime32) {
  auto w = std::make_unique<mainWindow>();
  int nT = 0, lastStep = -1, recordTop = 0, titleBottom = 0, timeDifferences = -1;
  int pathMisses = 0, pathPoints = 0, ticks = 0;
  std::vector<int> misplaced{-1};
  bool animatingAtEnd = true, buttonShown = false;
  Script script(*w);
  script.key().key().key().key().key().key()
      .when([&] { return w->btnAgain()->isVisible(); },
            [&] {
              buttonShown = true;
              animatingAtEnd = w->animating();
              nT = w->record()->nT();
              lastStep = w->step();
              recordTop = w->picA()->y();
              titleBottom = w->picTitle()->geometry().bottom() + 1;
              misplaced = MisplacedAtoms(*w, Expected(0, 32));
              const lk::Surface& f = w->form();
              const lk::Surface ref = Printed(f, 0.05f * 1018, 0.04f * 736, 15.5f, lk::col::Black,
                                              QStringLiteral("Time： 32.0"));
              timeDifferences = Differences(f, ref, 0, 0, 240, 80);
              // Every path, row by row, within a pixel of J_|2n|(t).
              const lk::Surface& a = w->picA()->surface();
              for (int j = 0; j <= nT; j += 7) {
                const std::vector<double> at = Expected(0, 32.0 * j / nT);
                for (int k = 1; k < kAtoms; ++k) {
                  ++pathPoints;
                  const int x = int(std::lround(at[std::size_t(k)]));
                  bool hit = false;
                  for (int dx = -1; dx <= 1; ++dx) hit |= a.PixelAt(x + dx, j) == kRecordColour;
                  pathMisses += !hit;
                }
              }
              // The ticks over the atoms while the chain moves.
              const lk::Surface& s = w->picB()->surface();
              for (int k = 1; k < kAtoms; ++k)
                ticks += s.PixelAt(w->record()->at(k, nT), 2) == lk::col::Black;
              QTest::keyClick(w.get(), Qt::Key_Escape);
            });
  RunLesson(*w);

  ASSERT_TRUE(buttonShown);
  EXPECT_FALSE(animatingAtEnd);
  EXPECT_EQ(lastStep, nT);
  EXPECT_EQ(recordTop, titleBottom + 10);
  EXPECT_EQ(recordTop, kRecordStartTop - (nT + 1));
  EXPECT_TRUE(misplaced.empty()) << misplaced.size();
  EXPECT_EQ(timeDifferences, 0);
  EXPECT_GT(pathPoints, 500);
  EXPECT_EQ(pathMisses, 0);
  EXPECT_EQ(ticks, 11);
}

// Mid-motion the strip shows the row of the current time and the clock
// paces it: 1.5 s per unit of time.
TEST(SpringchainWindow, MotionIsPacedAndShowsTheCurrentRow) {
  auto w = std::make_unique<mainWindow>();
  ClockSpeed slow(1e-3);  // the clock moves by the pacing alone
  double startedAt = 0, at12 = 0;
  int step = -1;
  float time = 0;
  std::vector<int> misplaced{-1};
  QString shownTime;
  Script script(*w);
  script.key().key().key().key().key()
      .look([&] { startedAt = lk::Now(); })
      .key()
      .when([&] { return w->animating() && w->record()->time(w->step()) >= 12; },
            [&] {
              at12 = lk::Now();
              step = w->step();
              time = w->record()->time(step);
              misplaced = MisplacedAtoms(*w, Expected(0, time));
              QTest::keyClick(w.get(), Qt::Key_Escape);
            });
  RunLesson(*w);

  ASSERT_GT(step, 0);
  EXPECT_TRUE(misplaced.empty()) << misplaced.size();
  // The step shown waits until 1.5 t has passed since the motion began.
  EXPECT_NEAR(at12 - startedAt, 1.5 * time, 1.5 * 32.0 / w->record()->nT() + 0.05);
}

// The chain is never seen half drawn: each change of the strip while the
// lesson runs is one whole frame, with all its stamps and its frame lines.
TEST(SpringchainWindow, EveryFrameIsShownComplete) {
  auto w = std::make_unique<mainWindow>();
  int frames = 0, incomplete = 0;
  lk::Surface& strip = w->picB()->surface();
  strip.Changed = [&] {
    if (w->stage() == 0) return;  // laid out anew before the narration
    ++frames;
    const int H = strip.HeightPx(), W = strip.WidthPx();
    const int stampTop = int(std::lround(H / 2.0)) - kR;
    const int blue = Count(strip, 0, stampTop, W, stampTop + 1,
                           [](Color c) { return c == kStampBack; });
    const int bottom = Count(strip, 0, H - 1, W, H, [](Color c) { return c == kGrey; });
    if (blue < 10 * (kD + 1) || bottom != W) ++incomplete;
  };
  Script script(*w);
  script.key().key().key().key().key().key()
      .when([&] { return w->btnAgain()->isVisible(); },
            [&] { QTest::keyClick(w.get(), Qt::Key_Escape); });
  RunLesson(*w);
  strip.Changed = nullptr;

  // One frame at rest, 43 of the displacement, nT + 1 of the motion.
  EXPECT_EQ(frames, 1 + 43 + w->record()->nT() + 1);
  EXPECT_EQ(incomplete, 0);
}

// "原点を移動して再実行" runs the lesson again with atom 0 second from the
// left, on a clean window; a second click brings it back to the centre.
TEST(SpringchainWindow, RestartMovesTheOrigin) {
  auto w = std::make_unique<mainWindow>();
  std::vector<int> origins, misplacedLeft{-1}, misplacedCentre{-1};
  bool recordHidden = false, buttonHidden = false, maskHidden = false;
  int timeInkAfter = -1, timeInkBefore = 0, zeroAt = -1;
  QString line;
  auto toEnd = [&](Script& s) {
    s.key().key().key().key().key().key().when([&] { return w->btnAgain()->isVisible(); },
                                               [&] {
                                                 timeInkBefore = Count(w->form(), 0, 20, 240, 70, Dark);
                                                 w->btnAgain()->click();
                                               });
  };
  Script script(*w);
  toEnd(script);
  script.look([&] {
    origins.push_back(w->origin());
    recordHidden = !w->picA()->isVisible();
    buttonHidden = !w->btnAgain()->isVisible();
    maskHidden = !w->lblMask(0)->isVisible() && !w->lblMask(1)->isVisible();
    timeInkAfter = Count(w->form(), 0, 20, 240, 70, Dark);
  });
  script.key().look([&] {
    misplacedLeft = MisplacedAtoms(*w, AtRest(1, 0));
    // The stamp that reads 0 stands second: at 1.5 u.
    const lk::Surface& s = w->picB()->surface();
    zeroAt = StampShown(s, w->picMass(0), int(std::lround(1.5 * kU)) - kR,
                        int(std::lround(s.HeightPx() / 2.0)) - kR);
  });
  script.key().look([&] { line = w->maskShown(); }).key().key().key().key()
      .when([&] { return w->btnAgain()->isVisible(); }, [&] { w->btnAgain()->click(); })
      .look([&] { origins.push_back(w->origin()); })
      .key()
      .look([&] { misplacedCentre = MisplacedAtoms(*w, AtRest(0, 0)); })
      .key(Qt::Key_Escape);
  RunLesson(*w);

  EXPECT_EQ(origins, (std::vector<int>{1, 0}));
  EXPECT_TRUE(recordHidden);
  EXPECT_TRUE(buttonHidden);
  EXPECT_TRUE(maskHidden);
  EXPECT_GT(timeInkBefore, 100);
  EXPECT_EQ(timeInkAfter, 0) << "the old time stayed on the window";
  EXPECT_TRUE(misplacedLeft.empty()) << misplacedLeft.size();
  EXPECT_EQ(zeroAt, 1);
  EXPECT_EQ(line, QStringLiteral("左端の原子 0 を このように 右側へ変位させましょう。"));
  EXPECT_TRUE(misplacedCentre.empty()) << misplacedCentre.size();
}
