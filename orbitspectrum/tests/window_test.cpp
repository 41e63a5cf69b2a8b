// The orbit lesson's window, driven as a learner would: the introduction and
// its figures, whole runs under the fast clock, the eccentricity dialog, the
// pauses, F1 and Esc, and random input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "memorycheck.h"
#include "screen.h"
#include "mainwindow.h"
#include "program.h"
#include "sounds.h"

using namespace orbitspectrum;
using lk::Color;
using lk::test::ColourNear;
using lk::test::CountOf;
using lk::test::InkCount;
using lk::test::Learner;
using lk::test::OpenPrompt;
using lk::test::PlacedAt;

namespace {

const double kPi = std::acos(-1.0);

// Runs act once, the first time cond holds, from inside whatever wait the
// lesson is in.
class When {
 public:
  When(std::function<bool()> cond, std::function<void()> act)
      : cond_(std::move(cond)), act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (fired || !cond_()) return;
      fired = true;
      timer_.stop();
      act_();
    });
    timer_.start(1);
  }
  bool fired = false;

 private:
  std::function<bool()> cond_;
  std::function<void()> act_;
  QTimer timer_;
};

bool PromptAt(const mainWindow& w, int step) { return w.step() == step && OpenPrompt() != nullptr; }
void AnswerPrompt(int qtKey = Qt::Key_Space) { QTest::keyClick(OpenPrompt(), Qt::Key(qtKey)); }

// Pixels of colour c inside [x0, x1) x [y0, y1).
int Count(const lk::Surface& s, int x0, int x1, int y0, int y1, Color c) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (s.PixelAt(x, y) == c) ++n;
  return n;
}

// The results table's geometry, measured in the panel's font as the lesson does.
struct Table {
  float cw, lh;
  explicit Table(const lk::Surface& panel) {
    lk::Surface probe(1, 1, panel.Scale());
    probe.FontName = panel.FontName;
    probe.FontSize = 12;
    cw = probe.TextWidth(QStringLiteral("d"));
    lh = 0.9f * probe.TextHeight(QStringLiteral("d"));
  }
  float tab(int k) const { return std::array<float, 5>{0, 2, 8, 19, 30}[k] * cw; }
  // Rows n = 0 .. 8 of column k (1 number, 2 Fourier, 3 theory, 4 difference)
  // that show something.
  int RowsShown(const lk::Surface& s, int k) const {
    const float x0 = tab(k), x1 = k < 4 ? tab(k + 1) : float(s.WidthPx());
    int rows = 0;
    for (int n = 0; n < kCoefficients; ++n)
      if (InkCount(s, x0, (4.4f + n) * lh, x1, (5.4f + n) * lh) > 0) ++rows;
    return rows;
  }
};

// Pure blue inside the graph away from its axes and ticks: only the dotted
// levels can put it there.
int DottedPixels(const mainWindow& w, double e) {
  const lk::Surface& s = w.pic(2)->surface();
  const OrbitGraph g(MakeShape(e), kSamples, s.WidthPx(), s.HeightPx());
  const int x0 = g.grphX(0) + 3, x1 = g.grphX(kSamples) - 3, y1 = g.grphY(0) - 10;
  const int half = g.grphX(kSamples / 2);
  return Count(s, x0, half - 2, 0, y1, lk::col::Blue) + Count(s, half + 3, x1, 0, y1, lk::col::Blue);
}

// A learner who starts the lesson, enters e, and lets a run go to its end,
// where check runs before Esc ends the program.
void RunToTheEnd(mainWindow& w, const QString& e, const std::function<void()>& atEnd = {}) {
  Learner learner;
  learner.pressKey().type(e);
  for (int i = 0; i < 6; ++i) learner.pressKey();
  When end([&] { return PromptAt(w, 10); }, [&] {
    if (atEnd) atEnd();
    AnswerPrompt(Qt::Key_Escape);
  });
  w.Start();
  EXPECT_TRUE(end.fired);
  EXPECT_TRUE(lk::Ending());
}

// The clock as a test needs it, put back afterwards.
struct ClockForTest {
  ClockForTest(double speed, bool jumping) {
    lk::SetSpeed(speed);
    lk::SetJumpingClock(jumping);
  }
  ~ClockForTest() {
    lk::SetSpeed(50);
    lk::SetJumpingClock(true);
  }
};

TEST(OrbitWindow, RunWithHalfShowsOrbitGraphAndTheNineRows) {
  mainWindow w;
  Learner learner;
  learner.pressKey().type(QStringLiteral("0.5"));
  for (int i = 0; i < 5; ++i) learner.pressKey();  // messages 2, 4, 5, 7, 8
  int theoryRowsBeforeCompare = -1, fourierRows = -1;
  When beforeCompare([&] { return PromptAt(w, 9); }, [&] {
    const Table t(w.pic(4)->surface());
    fourierRows = t.RowsShown(w.pic(4)->surface(), 2);
    theoryRowsBeforeCompare = t.RowsShown(w.pic(4)->surface(), 3);
    AnswerPrompt();
  });
  bool promptWaitsAtTheEnd = false;
  When end([&] { return PromptAt(w, 10); }, [&] {
    promptWaitsAtTheEnd = OpenPrompt()->isVisible();
    AnswerPrompt(Qt::Key_Escape);
  });
  w.Start();
  ASSERT_TRUE(end.fired);
  EXPECT_TRUE(promptWaitsAtTheEnd);
  EXPECT_TRUE(lk::Ending());
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" 惑星の運動とベッセル関数 (  172 ページ )"));
  EXPECT_EQ(w.step(), 10);
  EXPECT_DOUBLE_EQ(w.eccentricity(), 0.5);

  // The table: coefficients first, theory only after the comparison.
  const lk::Surface& panel = w.pic(4)->surface();
  const Table t(panel);
  EXPECT_EQ(fourierRows, 9);
  EXPECT_EQ(theoryRowsBeforeCompare, 0);
  for (int column = 1; column <= 4; ++column) EXPECT_EQ(t.RowsShown(panel, column), 9) << column;
  EXPECT_GT(InkCount(panel, 0, 0, float(panel.WidthPx()), 2.5f * t.lh), 0);  // the angle's closure

  // The numbers behind it, against Bessel functions of the standard library.
  const double j0 = std::cyl_bessel_j(0.0, 0.5), j2 = std::cyl_bessel_j(2.0, 0.5);
  EXPECT_NEAR(w.theory()[0], 1.125, 1e-12);
  EXPECT_NEAR(w.theory()[1], 0.5 * (j0 - j2), 1e-10);
  for (int n = 0; n < kCoefficients; ++n) EXPECT_NEAR(w.fourier()[n], w.theory()[n], 1e-5) << n;
  EXPECT_LT(std::fabs(w.thetaError()), 1e-5);
  EXPECT_NE(w.thetaError(), 0.0);
  EXPECT_EQ(w.samplesDrawn(), kSamples);

  // The orbit: the Sun in the left focus, the trace through both apsides.
  const lk::Surface& fig = w.pic(1)->surface();
  const OrbitFigure f(MakeShape(0.5), fig.WidthPx(), fig.HeightPx());
  EXPECT_TRUE(ColourNear(fig, f.figX(-0.5), f.figY(0), lk::col::Red, 0));
  EXPECT_TRUE(ColourNear(fig, f.figX(-1.0), f.figY(0), lk::col::DarkCyan));
  EXPECT_TRUE(ColourNear(fig, f.figX(1.0), f.figY(0), lk::col::DarkCyan));
  EXPECT_TRUE(ColourNear(fig, f.figX(0), f.figY(std::sqrt(0.75)), lk::col::DarkCyan));
  // The graph: r(T/2) at the perihelion distance, theta(T/2) = pi at half height.
  const lk::Surface& gr = w.pic(2)->surface();
  const OrbitGraph g(MakeShape(0.5), kSamples, gr.WidthPx(), gr.HeightPx());
  EXPECT_TRUE(ColourNear(gr, g.grphX(kSamples / 2), g.grphY(0.5), lk::col::DarkCyan));
  EXPECT_TRUE(ColourNear(gr, g.grphX(kSamples / 2), g.grphY(g.ThetaValue(kPi)), lk::col::Violet));
  EXPECT_TRUE(ColourNear(gr, g.grphX(0) + 2, g.grphY(1.5), lk::col::DarkCyan));  // r(0) at the aphelion
  EXPECT_GT(DottedPixels(w, 0.5), 0);

  // The figure's label "離心率 ε ＝0.5" stands on its top line, to the right.
  const lk::Color labelInk = lk::RGB(51, 51, 160);
  const int W = fig.WidthPx();
  EXPECT_GT(Count(fig, W / 2, W, 0, 20, labelInk), 0);
  EXPECT_EQ(Count(fig, 0, W / 2, 0, 20, labelInk), 0);
}

TEST(OrbitWindow, CircleHasTheSunInTheMiddleAndNoDottedLevels) {
  mainWindow w;
  RunToTheEnd(w, QStringLiteral("0"));
  EXPECT_DOUBLE_EQ(w.eccentricity(), 0.0);
  const lk::Surface& fig = w.pic(1)->surface();
  const OrbitFigure f(MakeShape(0), fig.WidthPx(), fig.HeightPx());
  EXPECT_TRUE(ColourNear(fig, f.figX(0), f.figY(0), lk::col::Red, 0));
  for (double phi : {0.3, 1.2, 2.5, 4.0, 5.5})
    EXPECT_TRUE(ColourNear(fig, f.figX(std::cos(phi)), f.figY(std::sin(phi)), lk::col::DarkCyan)) << phi;

  const lk::Surface& gr = w.pic(2)->surface();
  const OrbitGraph g(MakeShape(0), kSamples, gr.WidthPx(), gr.HeightPx());
  for (int i : {kSamples / 4, kSamples / 2, 3 * kSamples / 4}) {
    EXPECT_TRUE(ColourNear(gr, g.grphX(i), g.grphY(1.0), lk::col::DarkCyan)) << i;
    EXPECT_TRUE(ColourNear(gr, g.grphX(i), g.grphY(double(i) / kSamples), lk::col::Violet)) << i;
  }
  EXPECT_EQ(DottedPixels(w, 0), 0);
  EXPECT_NEAR(w.fourier()[0], 1.0, 1e-12);
  for (int n = 1; n < kCoefficients; ++n) {
    EXPECT_EQ(w.theory()[n], 0.0) << n;
    EXPECT_NEAR(w.fourier()[n], 0.0, 1e-12) << n;
  }
}

TEST(OrbitWindow, AboveNinetyHundredthsDingsAndProposesTheLimit) {
  mainWindow w;
  Learner learner;
  const int dings = lk::SoundCount(lk::Sound::Ding);
  learner.pressKey().type(QStringLiteral("0.91")).type(QStringLiteral("0.9"));
  When started([&] { return PromptAt(w, 2); }, [] { AnswerPrompt(Qt::Key_Escape); });
  w.Start();
  EXPECT_TRUE(started.fired);
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding) - dings, 1);
  EXPECT_EQ(learner.proposals, QStringList({QStringLiteral("0.7"), QStringLiteral("0.9")}));
  EXPECT_DOUBLE_EQ(w.eccentricity(), 0.9);
}

TEST(OrbitWindow, DialogScrollBarMapsOntoTheRangeAndEndButtonEnds) {
  mainWindow w;
  Learner learner;
  const int dings = lk::SoundCount(lk::Sound::Ding);
  learner.pressKey();
  learner.atDialog([&](QWidget* d) {
    auto* dlg = qobject_cast<lk::FrmNum*>(d);
    ASSERT_NE(dlg, nullptr);
    ASSERT_NE(dlg->hsbNum, nullptr);
    EXPECT_EQ(dlg->hsbNum->minimum(), 0);
    EXPECT_EQ(dlg->hsbNum->maximum(), 95);
    EXPECT_EQ(dlg->hsbNum->value(), 70);
    EXPECT_EQ(dlg->hsbNum->singleStep(), 1);
    EXPECT_EQ(dlg->hsbNum->pageStep(), 10);
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0.7"));
    EXPECT_EQ(dlg->cmdNum[2]->text(), QStringLiteral("終 了"));
    EXPECT_EQ(dlg->pos(), PlacedAt(w, 0.1, 0.2));
    // Message 1 stands in its panel while the dialog asks.
    EXPECT_GT(CountOf(w.pic(3)->surface(), lk::RGB(0, 0, 128)), 0);
    EXPECT_GT(InkCount(dlg->picNum->surface(), 0, 0, 200, 30), 0);  // the prompt is painted
    dlg->hsbNum->setValue(25);
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0.25"));
    dlg->hsbNum->setValue(0);
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0"));
    QTest::keyClicks(dlg->txtNum, QStringLiteral("-,"));
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0"));
    QTest::keyClicks(dlg->txtNum, QStringLiteral(".3"));
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0.3"));
    EXPECT_EQ(lk::LastKey, int('3'));  // typed keys count as the last key
    dlg->hsbNum->setValue(95);
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0.95"));
    QTest::keyClick(dlg->txtNum, Qt::Key_Return);  // above 0.9: refused
  });
  learner.atDialog([&](QWidget* d) {
    auto* dlg = qobject_cast<lk::FrmNum*>(d);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->txtNum->text(), QStringLiteral("0.9"));
    EXPECT_EQ(dlg->hsbNum->value(), 90);
    QTest::mouseClick(dlg->cmdNum[2], Qt::LeftButton);
  });
  w.Start();
  EXPECT_TRUE(learner.done());
  EXPECT_TRUE(lk::Ending());
  EXPECT_EQ(w.step(), 1);
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding) - dings, 1);
}

// Lesson seconds from message `from` to message `to`.
double Span(const mainWindow& w, int from, int to) { return w.StepTime(to) - w.StepTime(from); }

TEST(OrbitWindow, F1ShortensThePausesAndDropsThePacing) {
  // Real time runs at its own pace here, so that drawing without pacing
  // shows as a short span on the clock.
  ClockForTest clock(1, true);
  double pacedOrbit = 0, pacedWait = 0;
  {
    mainWindow w;
    Learner learner;
    learner.pressKey().type(QStringLiteral("0.5")).pressKey().pressKey().pressKey();
    When stop([&] { return PromptAt(w, 7); }, [] { AnswerPrompt(Qt::Key_Escape); });
    w.Start();
    ASSERT_TRUE(stop.fired);
    EXPECT_FALSE(w.fast());
    pacedOrbit = Span(w, 3, 4);
    pacedWait = Span(w, 6, 7);
    EXPECT_GE(pacedOrbit, 12.0 - 1e-9);
    EXPECT_GE(pacedWait, 4.0 - 1e-9);
  }
  {
    // F1 halfway through the orbit: the rest runs at once, the next pause is short.
    mainWindow w;
    Learner learner;
    learner.pressKey().type(QStringLiteral("0.5")).pressKey().pressKey().pressKey();
    When f1([&] { return w.step() == 3 && w.samplesDrawn() >= kSamples / 2; },
            [&] { lk::test::PressKey(&w, Qt::Key_F1); });
    When stop([&] { return PromptAt(w, 7); }, [] { AnswerPrompt(Qt::Key_Escape); });
    w.Start();
    ASSERT_TRUE(f1.fired);
    ASSERT_TRUE(stop.fired);
    EXPECT_TRUE(w.fast());
    EXPECT_GE(Span(w, 3, 4), 6.0 - 1e-9);
    EXPECT_LT(Span(w, 3, 4), 9.0);
    EXPECT_LT(Span(w, 6, 7), 1.5);
  }
  {
    // F1 answering a pause counts as well.
    mainWindow w;
    Learner learner;
    learner.pressKey().type(QStringLiteral("0.5")).pressKey(Qt::Key_F1);
    When stop([&] { return PromptAt(w, 4); }, [] { AnswerPrompt(Qt::Key_Escape); });
    w.Start();
    ASSERT_TRUE(stop.fired);
    EXPECT_TRUE(w.fast());
    EXPECT_LT(Span(w, 3, 4), 6.0);
  }
}

TEST(OrbitWindow, PromptGoesOnByItselfDuringARunAndWaitsAtItsEnd) {
  mainWindow w;
  Learner learner;
  learner.type(QStringLiteral("0.5"));  // every pause of the run is left alone
  QPoint introPrompt, runPrompt;
  bool introStillWaiting = false;
  When intro([&] { return PromptAt(w, 0); }, [&] {
    introPrompt = OpenPrompt()->pos();
    lk::WaitFor(60);
    QTest::qWait(300);
    introStillWaiting = PromptAt(w, 0);
    AnswerPrompt();
  });
  bool stillWaiting = false;
  When end([&] { return PromptAt(w, 10); }, [&] {
    runPrompt = OpenPrompt()->pos();
    lk::WaitFor(60);  // a minute on the lesson clock
    QTest::qWait(300);
    stillWaiting = PromptAt(w, 10);
    AnswerPrompt(Qt::Key_Escape);
  });
  w.Start();
  ASSERT_TRUE(intro.fired);
  ASSERT_TRUE(end.fired);
  EXPECT_TRUE(introStillWaiting);
  EXPECT_TRUE(stillWaiting);
  for (int k : {2, 4, 5, 7, 8}) {
    // The pause after message k lasted its ten seconds, not much more.
    const double span = Span(w, k, k + 1);
    EXPECT_GE(span, 10.0) << k;
    EXPECT_LT(span, 60.0) << k;
  }
  EXPECT_EQ(introPrompt, PlacedAt(w, 0.15, 0.92));
  EXPECT_EQ(runPrompt, PlacedAt(w, 0.15, 0.2));
}

TEST(OrbitWindow, EscEndsTheProgramInsideThePacedOrbit) {
  mainWindow w;
  Learner learner;
  learner.pressKey().type(QStringLiteral("0.7")).pressKey();
  When esc([&] { return w.step() == 3 && w.samplesDrawn() > 200; },
           [&] { lk::test::PressKey(&w, Qt::Key_Escape); });
  w.Start();
  ASSERT_TRUE(esc.fired);
  EXPECT_TRUE(lk::Ending());
  EXPECT_EQ(w.step(), 3);
  const int drawn = w.samplesDrawn();
  EXPECT_LT(drawn, kSamples);
  EXPECT_FALSE(w.isVisible());
  QTest::qWait(50);
  EXPECT_EQ(w.samplesDrawn(), drawn);  // nothing goes on drawing
}

TEST(OrbitWindow, EscEndsTheProgramDuringTheNarration) {
  mainWindow w;
  bool promptSeen = false;
  // Should the narration go on to its prompt, Esc there ends it all the same.
  When prompt([&] { return OpenPrompt() != nullptr; }, [&] {
    promptSeen = true;
    AnswerPrompt(Qt::Key_Escape);
  });
  When esc([&] { return w.step() == 0 && w.demoPhase() == 2; },
           [&] { lk::test::PressKey(&w, Qt::Key_Escape); });
  w.Start();
  ASSERT_TRUE(esc.fired);
  EXPECT_TRUE(lk::Ending());
  EXPECT_FALSE(promptSeen);
  EXPECT_FALSE(w.Timer1Enabled());
  EXPECT_FALSE(w.pic(1)->isVisible());  // no run was laid out
}

TEST(OrbitWindow, IntroductionFiguresTurnWhileTheNarrationPauses) {
  // A clock that really runs, so that the 50 ms timer ticks during the pauses.
  ClockForTest clock(50, false);
  mainWindow w;
  Learner learner;
  learner.cancel();  // "終 了" at the first dialog ends the program
  bool checked = false;
  When atPrompt([&] { return PromptAt(w, 0); }, [&] {
    checked = true;
    EXPECT_EQ(w.demoPhase(), 2);
    EXPECT_FALSE(w.picDemo(0)->isVisible());
    EXPECT_TRUE(w.picDemo(1)->isVisible());
    EXPECT_TRUE(w.Timer1Enabled());

    // The static figure was drawn while the narration paused: the Sun in the
    // left focus and the planet at 30 degrees.
    const lk::Surface& still = w.picDemo(0)->surface();
    const OrbitShape shape = MakeShape(0.7);
    const OrbitFigure f = OrbitFigure::ForIntroduction(1, still.WidthPx(), still.HeightPx());
    EXPECT_TRUE(ColourNear(still, f.px(-0.7), f.py(0), lk::col::Red, 0));
    const OrbitSample planet = PointAtAngle(shape, kPi / 6);
    EXPECT_TRUE(ColourNear(still, f.px(planet.x), f.py(planet.y), lk::col::DarkCyan, 0));

    // The animation goes on while the prompt waits.
    const double angle = w.demo().angle();
    QTest::qWait(400);
    EXPECT_GT(w.demo().angle(), angle);

    // A whole revolution by hand: the trail covers the orbit, then starts afresh.
    w.StopTimer1();
    const lk::Surface& anim = w.picDemo(1)->surface();
    const OrbitSample top = PointAtAngle(shape, kPi / 2);
    const int tx = f.px(top.x), ty = f.py(top.y);
    bool trailSeen = false, wrapped = false;
    int last = w.demo().trailCount();
    for (int tick = 0; tick < 2000 && !wrapped; ++tick) {
      w.Timer1_Timer();
      const int count = w.demo().trailCount();
      wrapped = count < last;
      last = count;
      if (!wrapped && std::fmod(w.demo().angle(), 2 * kPi) > kPi && ColourNear(anim, tx, ty, lk::col::Cyan, 2))
        trailSeen = true;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_TRUE(trailSeen);
    for (int tick = 0; tick < 3; ++tick) w.Timer1_Timer();
    EXPECT_FALSE(ColourNear(anim, tx, ty, lk::col::Cyan, 2));  // the old trail is gone
    w.StartTimer1(kTimerMs);
    AnswerPrompt();
  });
  w.Start();
  EXPECT_TRUE(checked);
  EXPECT_TRUE(learner.done());
  EXPECT_FALSE(w.Timer1Enabled());
  EXPECT_FALSE(w.picDemo(1)->isVisible());
}

// What a learner does after any storm of input: past the introduction, e =
// 0.5 entered, the run's pauses answered; at the next dialog the orbit and
// the graph are drawn for 0.5; the dialog's end button ends the lesson.  The
// screen shows the introduction with its animation turning, the orbit half
// drawn, and every pause of the run: the figures after the orbit, the table
// after the comparison.
void ScriptedPath(lk::LessonWindow& lw, Learner& l) {
  auto& w = static_cast<mainWindow&>(lw);
  auto screen = [&w](const QString& where) { return [&w, where] { EXPECT_SCREEN(&w, where); }; };
  auto atPrompt = [&w](int step) { return [&w, step] { return PromptAt(w, step); }; };
  auto midOrbit = std::make_shared<bool>(false);
  lk::test::WhenDrawn(w.pic(1)->surface(),
                      [&w] { return w.step() == 3 && w.samplesDrawn() == kSamples / 2; },
                      [screen, midOrbit] {
                        *midOrbit = true;
                        screen(QStringLiteral("in the middle of the orbit"))();
                      });
  l.when(atPrompt(0), screen(QStringLiteral("the introduction"))).pressKey().type(QStringLiteral("0.5"));
  for (int step : {2, 4, 5, 7, 8, 9, 10})
    l.when(atPrompt(step), screen(QStringLiteral("at the pause after message %1").arg(step))).pressKey();
  l.atDialog([&w, midOrbit](QWidget*) {
     EXPECT_DOUBLE_EQ(w.eccentricity(), 0.5);
     EXPECT_GT(InkCount(w.pic(1)->surface()), 0);
     EXPECT_GT(InkCount(w.pic(2)->surface()), 0);
     EXPECT_TRUE(*midOrbit);
   }).cancel();
}

TEST(OrbitWindow, RandomInputThenTheLessonStillWorks) {
  lk::test::ExpectDialogUsesKeepMemoryFlat([] { return std::make_unique<mainWindow>(); },
                                           {lk::test::DialogKind::NumberWithScrollBar});
  lk::test::RunRandomThenScript({1, 2, 3}, 2000, [] { return std::make_unique<mainWindow>(); },
                                ScriptedPath);
}

// The window manager's close of the dialog is its end button: typed 0.1 and
// closed ends the lesson without a run, neither with 0.1 nor with the last entry.
TEST(OrbitWindow, ClosingTheDialogByTheWindowManagerEndsLikeItsEndButton) {
  mainWindow w;
  lk::InputText = QStringLiteral("0.5");
  const double before = w.eccentricity();
  Learner learner;
  learner.pressKey().atDialog([](QWidget* d) {
    auto* f = qobject_cast<lk::FrmNum*>(d);
    f->txtNum->clear();
    QTest::keyClicks(f->txtNum, QStringLiteral("0.1"));
    d->close();
  });
  w.Start();
  EXPECT_TRUE(learner.done());
  EXPECT_TRUE(lk::Ending());
  EXPECT_EQ(w.eccentricity(), before);
  EXPECT_EQ(lk::LastKey, 27);
}

}  // namespace

namespace {

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(OrbitWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 104, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}

}  // namespace
