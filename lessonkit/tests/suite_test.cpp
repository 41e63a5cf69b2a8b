// The keys every lesson shares: stopping and restarting the clock, its speed,
// and saving or copying the window's picture.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "dialogs.h"
#include "learner.h"
#include "screen.h"
#include "lessonwindow.h"
#include "program.h"
#include "suitekeys.h"

using namespace lk;
using lk::test::InkCount;
using lk::test::OpenDialog;
using lk::test::OpenPrompt;
using lk::test::PressKey;

namespace {

constexpr double kStep = 0.04;  // lesson seconds between two paced strokes
constexpr int kStrokes = 50;
constexpr int kPauseAt = 20;     // the learner stops the clock after this stroke

FrameParams Params() {
  FrameParams p;
  p.caption = QStringLiteral("suite keys");
  p.clientWidth = 6000;
  p.clientHeight = 4500;
  p.menuKeys = {{'1', 1}, {'2', 2}, {'3', 3}};
  p.endKeysAtMenu = {key::Esc};
  p.keyStoresLastKey = true;
  p.promptWait = PromptWait::UntilWaitingClear;
  return p;
}

// A lesson whose section 1 draws a paced curve, section 2 waits at a prompt
// that continues by itself after a second, section 3 asks for a number.
class PacedLesson : public LessonWindow {
 public:
  PacedLesson() : LessonWindow(Params()) {
    pic = AddPicture(300, 300, 5000, 3000);
    pic->surface().SetBackColor(RGB(220, 220, 220));
  }
  Picture* pic;
  int keysSeen = 0;
  int strokes = 0;
  double started = 0, finished = 0;
  std::function<void()> afterStroke;  // runs after each stroke
  QString entered;

  void Form_KeyDown(int keyCode, int shift) override {
    ++keysSeen;
    LessonWindow::Form_KeyDown(keyCode, shift);
  }
  float PromptAutoWait() const override { return mode == 20 ? 1.0f : 0.0f; }

 protected:
  void Exec(int item) override {
    if (item == 1) Curve();
    if (item == 2) HitAnyKey();
    if (item == 3) entered = StrInput(*this, NumEntry{});
    mode = 0;
  }

 private:
  void Curve() {
    Surface& s = pic->surface();
    started = Now();
    for (int k = 0; k < kStrokes; ++k) {
      WaitUntil(started + kStep * k);
      s.Line(float(4 * k), 50, float(4 * k + 4), 60, RGB(200, 0, 0));
      ++strokes;
      if (afterStroke) afterStroke();
    }
    finished = Now();
  }
};

void Post(QWidget* w, int qtKey) {
  QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier));
  QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, qtKey, Qt::NoModifier));
}

// Handles events for realMs of real time.
void Spin(int realMs) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < realMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
}

QString IndicatorOf(const QWidget* w) {
  auto* l = w->findChild<QLabel*>(QStringLiteral("lk_clockIndicator"));
  return l && l->isVisible() ? l->text() : QString();
}

struct SpeedRestorer {
  double speed = Speed();
  ~SpeedRestorer() {
    SetPaused(false);
    SetSpeed(speed);
  }
};

}  // namespace

TEST(SuiteKeys, APausedCurveDrawsNothingMoreAndFinishesOnTimeAfterTheRestart) {
  SpeedRestorer restore;
  PacedLesson w;
  w.Start();
  int strokesAtPause = -1, strokesWhilePaused = -2, inkAtPause = -1, inkLater = -1;
  double clockAtPause = -1, clockLater = -2;
  QString indicator;
  w.afterStroke = [&] {
    if (w.strokes != kPauseAt) return;
    Post(&w, suitekey::Pause);
    // A while later, in real time, the picture and the clock must not have moved.
    QTimer::singleShot(100, &w, [&] {
      clockAtPause = Now();
      strokesAtPause = w.strokes;
      inkAtPause = InkCount(w.pic->surface());
    });
    QTimer::singleShot(400, &w, [&] {
      strokesWhilePaused = w.strokes;
      clockLater = Now();
      inkLater = InkCount(w.pic->surface());
      indicator = IndicatorOf(&w);
      Post(&w, Qt::Key_Pause);  // the other key that restarts it
    });
  };
  PressKey(&w, Qt::Key_1);
  // The key lands in the wait after the stroke that sent it, which ends with
  // at most one more stroke.
  EXPECT_LE(strokesAtPause, kPauseAt + 1);
  EXPECT_EQ(strokesWhilePaused, strokesAtPause);
  EXPECT_EQ(clockLater, clockAtPause);
  EXPECT_GT(inkAtPause, 0);
  EXPECT_EQ(inkLater, inkAtPause);
  EXPECT_EQ(indicator, QStringLiteral("一時停止中 (F9 で再開)"));
  // Every stroke drawn, and the curve took its own time, not the pause's
  // (which lasted 0.3 s real, 15 s on the tests' clock): what is left over
  // is the clock running while the last strokes are handled.
  EXPECT_EQ(w.strokes, kStrokes);
  EXPECT_NEAR(w.finished - w.started, kStep * (kStrokes - 1), 0.5);
  EXPECT_FALSE(Paused());
  EXPECT_EQ(w.keysSeen, 1);  // the "1" only
  EndProgram();
}

TEST(SuiteKeys, APromptsTimeOutWaitsForTheClockAndTheKeysDoNotAnswerIt) {
  SpeedRestorer restore;
  PacedLesson w;
  w.Start();
  PressKey(&w, Qt::Key_F9);  // stopped at the menu, before the prompt opens
  ASSERT_TRUE(Paused());
  bool openWhilePaused = false, openAfterKeys = false;
  QTimer::singleShot(300, &w, [&] {
    QWidget* prompt = OpenPrompt();
    openWhilePaused = prompt != nullptr;
    if (!prompt) return;
    for (int k : {suitekey::Slower, suitekey::Faster, suitekey::Copy, int(Qt::Key_Pause), int(Qt::Key_Pause)})
      QTest::keyClick(prompt, Qt::Key(k));
    openAfterKeys = OpenPrompt() != nullptr;
    QTest::keyClick(prompt, Qt::Key_F9);  // the clock runs again
  });
  QElapsedTimer real;
  real.start();
  PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(openWhilePaused);
  EXPECT_TRUE(openAfterKeys);
  EXPECT_GE(real.elapsed(), 300);
  EXPECT_EQ(LastKey, 0);  // it ended by its time-out, not by one of the keys
  EXPECT_EQ(w.keysSeen, 1);
  EndProgram();
}

TEST(SuiteKeys, NeverReachTheLessonNorANumberDialog) {
  SpeedRestorer restore;
  SetNoticeMs(50);
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());  // F12 saves here, not in the real home
  PacedLesson w;
  w.Start();
  LastKey = 4242;
  for (int k : {suitekey::Pause, suitekey::Pause, suitekey::Slower, suitekey::Faster,
                suitekey::Copy, suitekey::Save})
    PressKey(&w, k);
  EXPECT_EQ(w.keysSeen, 0);
  EXPECT_EQ(LastKey, 4242);
  // F12 saved the picture in the home folder, there being no pictures folder.
  EXPECT_EQ(QDir(home.path()).entryList({QStringLiteral("*.png")}, QDir::Files).size(), 1);

  AllowDot = 1;
  lk::test::Learner learner;
  learner.atDialog([](QWidget* d) {
    auto* box = static_cast<FrmNum*>(d)->txtNum;
    box->setText(QStringLiteral("12"));
    for (int k : {suitekey::Pause, suitekey::Slower, suitekey::Faster, suitekey::Pause})
      QTest::keyClick(box, Qt::Key(k));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Return);
  });
  PressKey(&w, Qt::Key_3);
  EXPECT_TRUE(learner.finish());
  EXPECT_EQ(w.entered, QStringLiteral("12"));
  EXPECT_EQ(w.keysSeen, 1);
  EndProgram();
}

TEST(SuiteKeys, SpeedStepsAndTheIndicator) {
  SpeedRestorer restore;
  EXPECT_EQ(FasterSpeed(1), 2);
  EXPECT_EQ(SlowerSpeed(1), 0.5);
  EXPECT_EQ(SlowerSpeed(0.5), 0.25);
  EXPECT_EQ(SlowerSpeed(0.25), 0.25);
  EXPECT_EQ(FasterSpeed(8), 8);
  EXPECT_EQ(FasterSpeed(3), 4);  // from a --speed that is not a step
  EXPECT_EQ(SlowerSpeed(3), 2);
  EXPECT_EQ(SlowerSpeed(50), 8);

  SetSpeed(1);
  PacedLesson w;
  w.Start();
  EXPECT_EQ(IndicatorOf(&w), QString());  // nothing to say at speed 1
  PressKey(&w, suitekey::Faster);
  EXPECT_EQ(Speed(), 2);
  EXPECT_EQ(IndicatorOf(&w), QStringLiteral("速さ ×2"));
  for (int i = 0; i < 3; ++i) PressKey(&w, suitekey::Slower);
  EXPECT_EQ(Speed(), 0.25);
  EXPECT_EQ(IndicatorOf(&w), QStringLiteral("速さ ×¼"));
  PressKey(&w, suitekey::Faster);
  PressKey(&w, suitekey::Faster);
  EXPECT_EQ(IndicatorOf(&w), QString());
  EndProgram();
}

TEST(PictureExport, TheSavedPngIsTheWindowsPictureAtFullResolution) {
  SetNoticeMs(5000);
  QTemporaryDir dir;
  PacedLesson w;
  w.Start();
  w.pic->surface().Box(10, 10, 60, 40, RGB(0, 0, 255), true);
  // The tests' fast clock shows the indicator; it stays out of the picture.
  auto* indicator = w.findChild<QLabel*>(QStringLiteral("lk_clockIndicator"));
  ASSERT_TRUE(indicator && indicator->isVisible());
  indicator->hide();
  const QImage expected = w.grab().toImage();
  indicator->show();
  const SavedPicture saved = SaveWindowPicture(&w, dir.path());
  EXPECT_TRUE(indicator->isVisible());
  ASSERT_TRUE(saved.ok) << saved.notice.toStdString();
  EXPECT_TRUE(saved.path.startsWith(dir.path()));
  EXPECT_TRUE(VisibleNotice(&w).contains(QDir::toNativeSeparators(saved.path)));
  const QImage png(saved.path);
  const qreal dpr = w.devicePixelRatioF();
  EXPECT_EQ(png.size(), (QSizeF(w.size()) * dpr).toSize());
  // The blue box drawn on the picture at (10..60, 10..40) of pic, which sits at
  // 20, 20 of the window.
  const QPoint inBox = (QPointF(w.pic->pos()) + QPointF(35, 25)).toPoint() * dpr;
  EXPECT_EQ(png.pixelColor(inBox), QColor(0, 0, 255));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
            expected.convertToFormat(QImage::Format_RGB32));
  // A second picture in the same second does not overwrite the first.
  const SavedPicture again = SaveWindowPicture(&w, dir.path());
  EXPECT_TRUE(again.ok);
  EXPECT_NE(again.path, saved.path);
  EndProgram();
}

TEST(PictureExport, FallsBackToHomeAndSaysSoWhenItCannotWrite) {
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  EXPECT_EQ(DefaultPictureFolder(), home.path());
  EXPECT_EQ(ChoosePictureFolder(home.filePath(QStringLiteral("Pictures")), home.path()), home.path());
  QDir(home.path()).mkdir(QStringLiteral("Pictures"));
  EXPECT_EQ(ChoosePictureFolder(home.filePath(QStringLiteral("Pictures")), home.path()),
            home.filePath(QStringLiteral("Pictures")));

  SetNoticeMs(100);
  PacedLesson w;
  w.Start();
  // A "folder" that is a file cannot take a picture.
  QFile file(home.filePath(QStringLiteral("plain-file")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const SavedPicture failed = SaveWindowPicture(&w, file.fileName());
  EXPECT_FALSE(failed.ok);
  EXPECT_TRUE(VisibleNotice(&w).startsWith(QStringLiteral("画像を保存できませんでした")));
  Spin(400);
  EXPECT_EQ(VisibleNotice(&w), QString());  // the notice went by itself

  // F8 puts the same picture on the clipboard.
  PressKey(&w, suitekey::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), WindowPicture(&w).size());
  EXPECT_EQ(VisibleNotice(&w), QStringLiteral("画像をクリップボードにコピーしました"));
  EndProgram();
}

TEST(LeanRepaints, EachDrawingStepMarksOnlyWhatItChanged) {
  Surface s(400, 300);
  s.SetBackColor(RGB(220, 220, 220));
  const QRect all(0, 0, 400, 300);
  EXPECT_EQ(s.TakeDirty(), all);  // clearing changes everything
  struct Step {
    const char* what;
    std::function<void()> draw;
  };
  const std::vector<Step> steps = {
      {"thin line", [&] { s.Line(10, 10, 40, 25, RGB(200, 0, 0)); }},
      {"wide line", [&] { s.DrawWidth = 4; s.Line(300, 200, 250, 120, RGB(0, 0, 200)); s.DrawWidth = 1; }},
      {"dotted", [&] { s.Style = DrawStyle::Dot; s.Line(100, 250, 180, 250, RGB(0, 0, 0)); s.Style = DrawStyle::Solid; }},
      {"circle", [&] { s.DrawWidth = 2; s.Circle(200, 150, 30, RGB(0, 150, 0)); s.DrawWidth = 1; }},
      {"box", [&] { s.Box(50, 150, 90, 190, RGB(90, 0, 90), true); }},
      {"point", [&] { s.DrawWidth = 3; s.PSet(350, 40, RGB(0, 0, 0)); s.DrawWidth = 1; }},
      {"text", [&] { s.CurrentX = 120; s.CurrentY = 30; s.FontSize = 14; s.Print(QStringLiteral("エネルギー Ég")); }},
      {"italic", [&] { s.FontItalic = true; s.CurrentX = 20; s.CurrentY = 60; s.Print(QStringLiteral("fjy")); s.FontItalic = false; }},
      {"symbol", [&] { s.FontName = QStringLiteral("Symbol"); s.FontSize = 20; s.DrawCharAtPixel(250, 60, QChar(229)); s.FontName = QStringLiteral("メイリオ"); }},
      {"xor", [&] { s.Mode = DrawMode::Xor; s.Line(0, 299, 60, 240, RGB(255, 255, 255)); s.Mode = DrawMode::Copy; }},
      {"polyline", [&] { s.DrawWidth = 2; s.Polyline({{300, 250}, {330, 280}, {360, 240}}, RGB(0, 0, 0)); s.DrawWidth = 1; }},
      {"block copy", [&] {
         Surface stamp(20, 12);
         stamp.SetBackColor(RGB(0, 0, 255));
         s.BitBlt(370, 270, 20, 12, stamp, 0, 0);
       }},
  };
  for (const Step& st : steps) {
    const QImage before = s.Image().copy();
    st.draw();
    const QRect dirty = s.TakeDirty();
    const QImage after = s.Image();
    int changed = 0, outside = 0;
    for (int y = 0; y < after.height(); ++y)
      for (int x = 0; x < after.width(); ++x)
        if (after.pixel(x, y) != before.pixel(x, y)) {
          ++changed;
          outside += !dirty.contains(x, y);
        }
    EXPECT_GT(changed, 0) << st.what;
    EXPECT_EQ(outside, 0) << st.what;
    // Not the whole picture: a small step marks a small rectangle.
    EXPECT_LT(dirty.width() * dirty.height(), all.width() * all.height() / 8) << st.what;
  }
  // A curve running far off the picture marks where it leaves, and no more
  // than the picture.
  s.Line(10, 10, 1e30f, -1e30f, RGB(0, 0, 0));
  const QRect dirty = s.TakeDirty();
  EXPECT_TRUE(dirty.contains(QRect(10, 0, 11, 11))) << dirty.x() << "," << dirty.y() << " "
                                                     << dirty.width() << "x" << dirty.height();
  EXPECT_TRUE(all.contains(dirty));
}

TEST(LeanRepaints, WhatTheScreenShowsIsTheWholePictureAfterAPacedCurve) {
  PacedLesson w;
  w.Start();
  PressKey(&w, Qt::Key_1);
  w.form().Box(300, 300, 2000, 900, RGB(0, 120, 0), true);
  Spin(100);
  ASSERT_EQ(w.strokes, kStrokes);
  // The screen got only the changed rectangles; together they must make up
  // the same picture as painting the whole window afresh.
  EXPECT_SCREEN(&w, "after a paced curve");
  EXPECT_GT(InkCount(w.pic->surface()), 200);
  EndProgram();
}
