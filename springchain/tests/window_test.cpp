// The lattice lesson driven as a learner drives it: keys and clicks at its
// pauses, Esc, the restart button.  What is checked is what the learner
// sees: the layout, the narration and the sliding line, each atom's labelled
// stamp where it stands, the end.
#include "mainwindow.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "drive.h"
#include "learner.h"
#include "looks.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"

using namespace springchain;
using namespace springchain::test;

// ---------------------------------------------------------------------------

TEST(SpringchainWindow, CaptionTitleAndLayout) {
  auto w = std::make_unique<mainWindow>();
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" 格子振動とベッセル関数"));
  QRect title, strip, record, cover, prompt;
  bool stripShown = true, recordShown = true, coverShown = false;
  int titleInk = 0, stage = -1, narrationInk = 0;
  Script script(*w);
  script.look([&] {
    title = w->picTitle()->geometry();
    strip = w->picB()->geometry();
    record = w->picA()->geometry();
    cover = w->picCover()->geometry();
    prompt = w->lblHitKey()->geometry();
    stripShown = w->picB()->isVisible();
    recordShown = w->picA()->isVisible();
    coverShown = w->picCover()->isVisible();
    titleInk = lk::test::InkCount(w->picTitle()->surface());
    stage = w->stage();
    // The first line of the narration, at y0 = 3 L.
    const lk::Surface& f = w->form();
    narrationInk = Count(f, 0, 90, 1018, 150, Dark);
  }).key(Qt::Key_Escape);
  RunLesson(*w);

  EXPECT_EQ(stage, 1);
  EXPECT_GT(titleInk, 500);
  EXPECT_LE(std::abs(title.left() + title.right() - 1017), 1) << "the title is centred";
  EXPECT_GT(narrationInk, 1000);
  EXPECT_FALSE(stripShown);
  EXPECT_FALSE(recordShown);
  EXPECT_TRUE(coverShown);
  EXPECT_EQ(w->u(), float(kU));
  EXPECT_EQ(w->d(), kD);
  EXPECT_EQ(w->r(), kR);
  // Strip and record: one left edge, the inner width 23 u, centred.
  EXPECT_EQ(strip.width(), 23 * kU);
  EXPECT_EQ(record.width(), 23 * kU);
  EXPECT_EQ(strip.left(), record.left());
  EXPECT_EQ(strip.left(), (1018 - 23 * kU) / 2);
  EXPECT_EQ(record.top(), kRecordStartTop);
  EXPECT_EQ(strip.top(), kRecordStartTop - 2);
  EXPECT_EQ(strip.height(), 74);
  // The record fits between the title and its start: it reaches 10 pixels
  // below the title exactly at its last row.
  EXPECT_EQ(record.height(), kRecordStartTop - (title.bottom() + 1 + 10));
  EXPECT_EQ(cover.top(), strip.bottom() + 1);
  EXPECT_EQ(cover.width(), 1018);
  // The prompt below the narration, above the strip.
  EXPECT_GT(prompt.top(), 560);
  EXPECT_LT(prompt.bottom(), strip.top());
}

TEST(SpringchainWindow, PausesAdvanceByKeysAndClicks) {
  auto w = std::make_unique<mainWindow>();
  std::vector<int> stages;
  auto note = [&] { stages.push_back(w->stage()); };
  std::vector<int> restMisplaced{-1}, displacedMisplaced{-1};
  bool stripShownAtRest = false;
  QString shownLine, wholeLine;
  int lineDifferences = -1, lineInk = 0, beeps = -1;
  float shift = -1;
  const int beepsBefore = lk::BeepCount();

  Script script(*w);
  script.look(note).key()
      .look([&] {
        note();
        stripShownAtRest = w->picB()->isVisible();
        restMisplaced = MisplacedAtoms(*w, AtRest(0, 0));
      })
      .click()
      .look([&] {
        note();
        shift = w->displacement();
        displacedMisplaced = MisplacedAtoms(*w, AtRest(0, 255.0 / 256));
        shownLine = w->maskShown();
        wholeLine = w->maskText();
        const lk::Surface& m = w->lblMask(0)->surface();
        const lk::Surface ref = Printed(m, 0, 0, 15.5f, RGB(0, 0, 255), wholeLine);
        lineDifferences = Differences(m, ref, 0, 0, m.WidthPx(), m.HeightPx());
        lineInk = lk::test::CountOf(m, RGB(0, 0, 255));
        beeps = lk::BeepCount() - beepsBefore;
      })
      .key(Qt::Key_A)
      .look(note).key(Qt::Key_Return)
      .look(note).click()
      .look(note).key(Qt::Key_Escape);
  RunLesson(*w);

  EXPECT_EQ(stages, (std::vector<int>{1, 2, 2, 3, 4, 5}));
  EXPECT_EQ(w->pauseCount(), 6);
  EXPECT_TRUE(stripShownAtRest);
  EXPECT_TRUE(restMisplaced.empty()) << restMisplaced.size();
  EXPECT_FLOAT_EQ(shift, 255.0f / 256);
  EXPECT_TRUE(displacedMisplaced.empty()) << displacedMisplaced.size();
  // The whole line has appeared, in blue, as it would be printed.
  EXPECT_EQ(wholeLine, QStringLiteral("中央の原子 0 を このように 右側へ変位させましょう。"));
  EXPECT_EQ(shownLine, wholeLine);
  EXPECT_EQ(lineDifferences, 0);
  EXPECT_GT(lineInk, 300);
  EXPECT_EQ(beeps, 1);
  EXPECT_FALSE(w->picA()->isVisible()) << "the motion must not start";
}

// The line appears letter by letter while atom 0 moves: never ahead of the
// displacement, and the chain shows every displacement it is given.
TEST(SpringchainWindow, DisplacementRevealsTheLineAsAtom0Moves) {
  auto w = std::make_unique<mainWindow>();
  std::vector<float> shifts;
  std::vector<int> lengths;
  int misplacedFrames = 0;
  lk::Surface& strip = w->picB()->surface();
  Script script(*w);
  script.key().key().look([&] { strip.Changed = nullptr; }).key(Qt::Key_Escape);
  strip.Changed = [&] {
    if (w->stage() != 2 || w->displacement() == 0) return;
    shifts.push_back(w->displacement());
    lengths.push_back(int(w->maskShown().size()));
    if (!MisplacedAtoms(*w, AtRest(0, w->displacement())).empty()) ++misplacedFrames;
    w->update();
  };
  RunLesson(*w);
  strip.Changed = nullptr;

  // i = 3, 9, 15, ..., 255: 43 frames, i / 256 of u each.
  ASSERT_EQ(shifts.size(), 43u);
  for (std::size_t n = 0; n < shifts.size(); ++n)
    EXPECT_FLOAT_EQ(shifts[n], float(3 + 6 * n) / 256) << n;
  EXPECT_EQ(misplacedFrames, 0);
  EXPECT_TRUE(std::is_sorted(lengths.begin(), lengths.end()));
  EXPECT_LT(lengths.front(), 5);
  EXPECT_EQ(lengths.back(), int(w->maskText().size()));
}

// Esc ends the program at a pause, in the middle of the displacement and in
// the middle of the motion; nothing is drawn after the end.
TEST(SpringchainWindow, EscEndsAtAnyMoment) {
  {
    auto w = std::make_unique<mainWindow>();
    Script script(*w);
    script.key(Qt::Key_Escape);
    RunLesson(*w);
    EXPECT_EQ(w->stage(), 1);
    EXPECT_FALSE(w->isVisible());
  }
  for (int phase : {0, 1}) {
    auto w = std::make_unique<mainWindow>();
    QImage atEnd;
    float shiftAtEnd = 0;
    int stepAtEnd = -1;
    Script script(*w);
    auto stop = [&] {
      shiftAtEnd = w->displacement();
      stepAtEnd = w->step();
      QTest::keyClick(w.get(), Qt::Key_Escape);
      atEnd = w->picB()->surface().Image().copy();
    };
    if (phase == 0) {
      script.key().key().when([&] { return w->displacement() > 0.3f; }, stop);
    } else {
      script.key().key().key().key().key().key().when([&] { return w->step() > 100; }, stop);
    }
    RunLesson(*w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->picB()->surface().Image() == atEnd) << "drawn after the end, phase " << phase;
    EXPECT_EQ(w->displacement(), shiftAtEnd);
    EXPECT_EQ(w->step(), stepAtEnd);
    if (phase == 0) {
      EXPECT_LT(shiftAtEnd, 0.9f);
    } else {
      EXPECT_LT(stepAtEnd, w->record()->nT());
    }
    EXPECT_FALSE(w->btnAgain()->isVisible());
  }
}

// Keys pressed while nothing waits (during the displacement) do not skip
// the next pause; closing the window ends the lesson like Esc.
TEST(SpringchainWindow, EarlyKeysDoNotSkipAPauseAndClosingEnds) {
  auto w = std::make_unique<mainWindow>();
  int pausesAfterKeys = -1, stage = -1;
  Script script(*w);
  script.key().key()
      .when([&] { return w->displacement() > 0.2f; },
            [&] {
              for (Qt::Key k : {Qt::Key_Space, Qt::Key_X, Qt::Key_Return}) QTest::keyClick(w.get(), k);
            })
      .look([&] {
        pausesAfterKeys = w->pauseCount();
        stage = w->stage();
        w->close();
      });
  RunLesson(*w);
  EXPECT_EQ(pausesAfterKeys, 3);
  EXPECT_EQ(stage, 2);
  EXPECT_TRUE(lk::Ending());
  EXPECT_FALSE(w->isVisible());
}

namespace {

// What a learner does after any storm of input: the pauses answer keys and
// a click, atom 0 is displaced by the whole u while the whole line appears,
// and Esc ends the lesson.
void ShortPath(lk::LessonWindow& lw, lk::test::Learner& l) {
  auto& w = static_cast<mainWindow&>(lw);
  auto* script = new Script(w);
  script->setParent(&w);  // goes with the window
  script->key().click()
      .look([&w] {
        EXPECT_FLOAT_EQ(w.displacement(), 255.0f / 256);
        EXPECT_EQ(w.maskShown(), w.maskText());
        EXPECT_TRUE(MisplacedAtoms(w, AtRest(0, 255.0 / 256)).empty());
        EXPECT_SCREEN(&w, "atom 0 displaced");
      })
      .key(Qt::Key_Escape);
  l.when([script] { return script->done(); },
         [] { EXPECT_TRUE(lk::Ending()) << "Esc did not end the lesson"; });
}

std::unique_ptr<lk::LessonWindow> Make() { return std::make_unique<mainWindow>(); }

}  // namespace

// Seeded random keys and clicks: the lesson neither hangs nor crashes, and
// after each storm a fresh window still goes through its short path; then
// once the whole lesson to its end and the restart, and starting it again
// and again does not grow its memory.
TEST(SpringchainWindow, RandomInputThenTheLessonStillWorks) {
  int programs = 0;
  for (std::uint32_t seed : {21u, 22u, 23u}) {
    const auto run = lk::test::RunRandomInput(seed, 2000, Make);
    EXPECT_EQ(run.events, 2000) << "seed " << seed;
    EXPECT_GE(run.programs, 1) << "seed " << seed;
    programs += run.programs;
    EXPECT_TRUE(lk::test::WalkScriptedPath(Make, ShortPath))
        << "after the random input of seed " << seed;
  }
  EXPECT_GT(programs, 3);

  // The whole lesson, looking at the screen at every pause, in the middle of
  // the displacement and of the motion, at t = 32 and after the restart.
  auto w = std::make_unique<mainWindow>();
  int lastStep = -1, origin = -1, looks = 0;
  auto screen = [&](const QString& where) {
    return [&, where] {
      ++looks;
      EXPECT_SCREEN(w.get(), where);
    };
  };
  lk::Surface& strip = w->picB()->surface();
  lk::test::WhenDrawn(strip, [&] { return w->stage() == 2 && w->displacement() > 0.5f; },
                      screen(QStringLiteral("during the displacement")));
  lk::test::WhenDrawn(strip, [&] { return w->animating() && w->step() > w->record()->nT() / 2; },
                      screen(QStringLiteral("in the middle of the motion")));
  Script script(*w);
  for (int pause = 1; pause <= 6; ++pause)
    script.look(screen(QStringLiteral("at pause %1").arg(pause))).key();
  script
      .when([&] { return w->btnAgain()->isVisible(); },
            [&] {
              screen(QStringLiteral("at t = 32"))();
              lastStep = w->step();
              w->btnAgain()->click();
            })
      .look([&] {
        screen(QStringLiteral("started again"))();
        origin = w->origin();
      })
      .key(Qt::Key_Escape);
  RunLesson(*w);
  EXPECT_TRUE(script.done());
  EXPECT_EQ(looks, 2 + 6 + 2);
  EXPECT_EQ(lastStep, w->record()->nT());
  EXPECT_EQ(origin, 1);
  w.reset();
  lk::ResetProgram();

  if (!lk::test::MemoryFiguresMeaningful()) return;
  // Thirty starts along the short path, counted from after the fifth.  A
  // window's retained pictures alone take megabytes: keeping one per start
  // would show.
  int walked = 0;
  const long growth = lk::test::RestartGrowthKb(
      Make,
      [&walked](lk::LessonWindow& w, lk::test::Learner& l) {
        ShortPath(w, l);
        l.then([&walked] { ++walked; });
      },
      30);
  EXPECT_EQ(walked, 30);
  std::printf("resident memory after 25 more starts: %+ld kB\n", growth);
  EXPECT_LT(growth, 16 * 1024);
}

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(SpringchainWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 104, 20000}), Make);
}
