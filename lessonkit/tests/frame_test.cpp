// The lesson frame: mapping, key bindings per lesson, the press-any-key
// prompt, and ending the program from inside waits.
#include <gtest/gtest.h>

#include <QTest>
#include <QRadioButton>
#include <QTimer>

#include "dialogs.h"
#include "learner.h"
#include "lessonwindow.h"
#include "program.h"

using namespace lk;
using lk::test::Learner;
using lk::test::PressKey;

namespace {

FrameParams SpikeKeys() {
  FrameParams p;
  p.caption = QStringLiteral("test");
  p.clientWidth = 6000;
  p.clientHeight = 4500;
  p.menuKeys = {{'1', 1}, {key::F1, 1}, {'2', 2}, {key::F1 + 1, 2}};
  p.endKeysAtMenu = {'3'};
  p.endKeysAnyTime = {key::Esc};
  p.promptA = 0;
  p.promptB = 0.94f;
  return p;
}

FrameParams ZonalKeys() {
  FrameParams p = SpikeKeys();
  p.menuKeys = {{'1', 1}, {key::Pad0 + 1, 1}, {key::F1, 1}, {'2', 2}, {key::Pad0 + 2, 2}, {key::F1 + 1, 2}};
  p.endKeysAtMenu = {'3', key::Pad0 + 3, key::F1 + 2, key::Esc};
  p.endKeysAnyTime = {};
  p.promptA = 0.1f;
  p.promptB = 0.9f;
  return p;
}

// A lesson with two sections that each pause once and then draw a paced line.
class TestLesson : public LessonWindow {
 public:
  explicit TestLesson(const FrameParams& p) : LessonWindow(p) {
    for (int i = 1; i <= 3; ++i) AddMenuItem(i, QString::number(i), 300, 300 * i, 2000, 300);
  }
  std::vector<int> sections;
  int steps = 0, stepsDone = 0;
  int modeSeen = -1;
  bool holdAfterPrompt = false, proceed = false;

 protected:
  void Exec(int item) override {
    sections.push_back(item);
    modeSeen = mode;
    Invis();
    HitAnyKey();
    // A section busy with something else than a prompt: the window has the keys.
    if (holdAfterPrompt) WaitWhile([this] { return !proceed; });
    proceed = false;
    double t0 = Now();
    for (int k = 0; k < steps; ++k) {
      WaitUntil(t0 + 0.1 * k);
      ++stepsDone;
    }
    mode = 0;
    Vis();
  }
};

}  // namespace

TEST(Frame, PxPyMapTheCornersAndRoundHalvesToEven) {
  TestLesson w(SpikeKeys());
  w.plot = {-1, 1, -2, 2, 400, 300};
  EXPECT_EQ(w.px(-1), 0);
  EXPECT_EQ(w.px(1), 400);
  EXPECT_EQ(w.py(2), 0);
  EXPECT_EQ(w.py(-2), 300);
  EXPECT_EQ(w.py(0), 150);
  w.plot = {0, 4, 0, 4, 1, 1};
  EXPECT_EQ(w.px(2), 0);    // 0.5 -> 0
  EXPECT_EQ(w.px(6), 2);    // 1.5 -> 2
  EXPECT_EQ(w.px(10), 2);   // 2.5 -> 2
  EXPECT_EQ(w.py(-6), 2);   // (4 + 6) / 4 = 2.5 -> 2
  w.plot = {0, 1, 0, 1, 1000, 1000};
  EXPECT_EQ(w.px(1e300), INT32_MAX);  // far outside: clamped, no overflow
  EXPECT_EQ(w.py(1e300), INT32_MIN);
  EXPECT_EQ(w.px(std::nan("")), 0);
}

TEST(Frame, MenuKeysOnlyAtTheMenuEscAnyTimeWhereTheLessonSaysSo) {
  TestLesson w(SpikeKeys());
  w.holdAfterPrompt = true;
  Learner l;
  l.pressKey()
      .then([&] { PressKey(&w, Qt::Key_2); })  // during section 1: ignored
      .then([&] { w.proceed = true; })
      .then([&] { PressKey(&w, Qt::Key_2); })  // back at the menu: section 2
      .pressKey()
      .then([&] { PressKey(&w, Qt::Key_Escape); });  // Esc inside section 2 ends
  w.Start();
  PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.finish());
  EXPECT_EQ(w.sections, (std::vector<int>{1, 2}));
  EXPECT_EQ(w.modeSeen, 20);
  EXPECT_TRUE(Ending());
  EXPECT_FALSE(w.isVisible());
}

TEST(Frame, KeysDuringAModalPromptGoToThePrompt) {
  TestLesson w(SpikeKeys());
  Learner l;
  l.then([&] { PressKey(&w, Qt::Key_2); });  // the prompt has the keys: it closes
  w.Start();
  PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.finish());
  EXPECT_EQ(LastKey, '2');
  EXPECT_EQ(w.sections, (std::vector<int>{1}));
  EXPECT_EQ(w.mode, 0);
}

TEST(Frame, ZonalEscIsIgnoredDuringASectionAndEndsAtTheMenu) {
  TestLesson w(ZonalKeys());
  w.holdAfterPrompt = true;
  Learner l;
  l.pressKey().then([&] { PressKey(&w, Qt::Key_Escape); }).then([&] { w.proceed = true; });
  w.Start();
  PressKey(&w, Qt::Key_F1);
  EXPECT_TRUE(l.finish());
  EXPECT_EQ(w.sections, (std::vector<int>{1}));
  EXPECT_FALSE(Ending());
  EXPECT_EQ(w.mode, 0);
  EXPECT_TRUE(w.LblA(1)->isVisible());
  Learner l2;
  l2.pressKey().then([&] { w.proceed = true; });
  PressKey(&w, Qt::Key_2, Qt::KeypadModifier);  // numeric pad 2 at the menu: section 2
  EXPECT_EQ(w.sections.back(), 2);
  PressKey(&w, Qt::Key_Escape);
  EXPECT_TRUE(Ending());
}

TEST(Frame, EndItemAndClosingTheWindowEnd) {
  {
    TestLesson w(ZonalKeys());
    w.Start();
    QTest::mouseClick(w.LblA(3), Qt::LeftButton);
    EXPECT_TRUE(Ending());
  }
  {
    TestLesson w(ZonalKeys());
    w.Start();
    EXPECT_FALSE(Ending());
    w.close();
    EXPECT_TRUE(Ending());
  }
}

TEST(Frame, PromptReturnsOnKeyOnClickAndByItselfAfterItsTime) {
  struct Pausing : TestLesson {
    using TestLesson::TestLesson;
    float autoWait = 0;
    float PromptAutoWait() const override { return autoWait; }
    void Pause() { HitAnyKey(); }
  } w(SpikeKeys());
  w.Start();
  Learner l;
  l.pressKey(Qt::Key_A);
  w.Pause();
  EXPECT_EQ(LastKey, 'A');
  l.clickPrompt();
  w.Pause();
  EXPECT_EQ(LastKey, 13);
  EXPECT_EQ(Waiting, 0);
  // Nobody answers: the prompt continues by itself with key code 0.
  w.autoWait = 10;
  const double t0 = Now();
  w.Pause();
  EXPECT_EQ(LastKey, 0);
  EXPECT_GE(Now() - t0, 10.0);
  EXPECT_EQ(AutoWait, 0);
}

TEST(Frame, PromptIsPlacedOverTheLowerEdge) {
  TestLesson w(ZonalKeys());
  w.Start();
  QPoint seen(-1, -1);
  QTimer::singleShot(0, [&] {
    if (QWidget* p = lk::test::OpenPrompt()) {
      seen = p->pos();
      QTest::keyClick(p, Qt::Key_Space);
    }
  });
  w.HitAnyKey();
  const QRect g = w.frameGeometry();
  EXPECT_EQ(seen.x(), g.left() + qRound(0.1 * g.width()));
  EXPECT_EQ(seen.y(), g.top() + qRound(0.9 * g.height()));
}

TEST(Frame, EndingInsideAPacedDrawingStopsItAndClosesEverything) {
  TestLesson w(SpikeKeys());
  w.steps = 1000;
  int stepsAtEnd = -1;
  Learner l;
  l.pressKey().then([&] {
    // Called from the timer while the section is mid-drawing.
    QTimer::singleShot(0, [&] {
      stepsAtEnd = w.stepsDone;
      EndProgram();
    });
  });
  SetJumpingClock(false);
  SetSpeed(1000);
  w.Start();
  PressKey(&w, Qt::Key_1);
  SetJumpingClock(true);
  SetSpeed(50);
  EXPECT_TRUE(Ending());
  EXPECT_EQ(w.stepsDone, stepsAtEnd) << "no step may follow the end";
  EXPECT_LT(w.stepsDone, 1000);
  EXPECT_EQ(w.mode, 10) << "the section did not run on to its end";
  for (QWidget* t : QApplication::topLevelWidgets()) EXPECT_FALSE(t->isVisible());
}

TEST(Frame, TimerTicksDoNotReenterAWaitingStep) {
  struct Ticking : LessonWindow {
    explicit Ticking(const FrameParams& p) : LessonWindow(p) {}
    int entered = 0, running = 0, maxRunning = 0;
    void Timer1_Timer() override {
      ++entered;
      maxRunning = std::max(maxRunning, ++running);
      WaitFor(0.05);
      --running;
      if (entered == 5) StopTimer1();
    }
  } w(SpikeKeys());
  SetJumpingClock(false);
  SetSpeed(1);
  w.Start();
  w.StartTimer1(1);
  WaitWhile([&] { return w.Timer1Enabled(); });
  SetJumpingClock(true);
  SetSpeed(50);
  EXPECT_EQ(w.entered, 5);
  EXPECT_EQ(w.maxRunning, 1);
}

TEST(Clock, FastClockRunsAPacedLoopQuickly) {
  SetJumpingClock(false);
  SetSpeed(1000);
  QElapsedTimer real;
  real.start();
  const double t0 = Now();
  for (int k = 1; k <= 40; ++k) WaitUntil(t0 + 0.1 * k);  // 4 lesson seconds
  const double lessonSeconds = Now() - t0;
  const double realSeconds = real.nsecsElapsed() * 1e-9;
  SetJumpingClock(true);
  SetSpeed(50);
  EXPECT_GE(lessonSeconds, 4.0);
  EXPECT_LT(realSeconds, lessonSeconds / 20);  // the clock ran at least 20 times faster
}

TEST(Clock, SpeedFromTheCommandLine) {
  const double before = Speed();
  char prog[] = "lesson", flag[] = "--speed", value[] = "2.5", bad[] = "--speed=abc";
  char* argv[] = {prog, flag, value};
  ApplyCommandLine(3, argv);
  EXPECT_EQ(Speed(), 2.5);
  char* argv2[] = {prog, bad};
  ApplyCommandLine(2, argv2);
  EXPECT_EQ(Speed(), 2.5);
  SetSpeed(before);
}

TEST(Keys, LessonKeyCodes) {
  EXPECT_EQ(KeyCode(Qt::Key_1, Qt::NoModifier), 49);
  EXPECT_EQ(KeyCode(Qt::Key_1, Qt::KeypadModifier), 97);
  EXPECT_EQ(KeyCode(Qt::Key_F1, Qt::NoModifier), 112);
  EXPECT_EQ(KeyCode(Qt::Key_F5, Qt::NoModifier), 116);
  EXPECT_EQ(KeyCode(Qt::Key_Escape, Qt::NoModifier), 27);
  EXPECT_EQ(KeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(KeyCode(Qt::Key_Up, Qt::NoModifier), 38);
  EXPECT_EQ(KeyCode(Qt::Key_A, Qt::ShiftModifier), 65);
}

TEST(Frame, APromptClosedByTheWindowManagerLetsTheLessonGoOn) {
  TestLesson w(SpikeKeys());
  w.Start();
  QTimer::singleShot(0, [] {
    if (QWidget* p = lk::test::OpenPrompt()) p->close();
  });
  w.HitAnyKey();  // returns: the close counts as a key
  EXPECT_EQ(LastKey, 13);
  EXPECT_EQ(Waiting, 0);
  EXPECT_FALSE(Ending());
}

TEST(Frame, OptionButtonsTakeClicksOverTheirWholeRectangle) {
  QWidget parent;
  parent.resize(600, 200);
  OptionButtons opt(&parent, QStringLiteral("optPrecision"),
                    {QString(), QStringLiteral("単精度"), QStringLiteral("倍精度")},
                    {{0, 0, 0, 0}, {300, 300, 4000, 400}, {300, 900, 4000, 400}});
  std::vector<int> clicked;
  opt.onClick = [&](int i) { clicked.push_back(i); };
  parent.show();
  // Near the right edge of the rectangle, far right of the short caption.
  QRadioButton* single = opt.at(1);
  QTest::mouseClick(single, Qt::LeftButton, {}, QPoint(single->width() - 3, single->height() / 2));
  EXPECT_EQ(clicked, std::vector<int>{1});
  EXPECT_TRUE(single->isChecked());
}
