// The lesson's answer, the path of least time, as the learner asks for it:
// by the right button, which ends the trials, or by End, after which they go
// on; and for whatever was typed into the index box.
#include "mainwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include <gtest/gtest.h>

#include "drive.h"
#include "learner.h"

using namespace lightpath::test;
using lightpath::Scene;
using lk::test::CountOf;
using lk::test::InkCount;

// ---- The answer --------------------------------------------------------------

TEST(LightpathWindow, RightClickShowsTheLeastTimePathAndEndsTheTrials) {
  Started s;
  mainWindow& w = s.w;
  const Scene& sc = w.scene();
  Slide(w, 150, 120);
  Click(w, Qt::LeftButton);
  Slide(w, 120, 180);
  Click(w, Qt::LeftButton);
  Click(w, Qt::RightButton);
  EXPECT_TRUE(w.finished());
  EXPECT_DOUBLE_EQ(sc.n(), 1.33);
  // Snell's law at the answer, from the picture's proportions.
  const double x = w.xCur();
  const double b = double(sc.H()) / sc.W();
  EXPECT_NEAR((1 - x) / std::hypot(1 - x, b), 1.33 * (x + 1) / std::hypot(x + 1, b), 1e-4);
  EXPECT_LT(x, 0);
  EXPECT_LT(sc.px(x), sc.px(0));
  EXPECT_TRUE(PathIs(w, x, kAnswer));
  // Drawn two pixels wide.
  const int y = sc.yline() / 2, X = UpperColumn(sc, x, y);
  int red = 0;
  for (int dx = -3; dx <= 3; ++dx) red += Pic(w).PixelAt(X + dx, y) == kAnswer;
  EXPECT_GE(red, 2);
  // Its optical length is shorter than every fixed path's.
  for (int i = 1; i <= w.paths().count(); ++i) EXPECT_LT(sc.l(x), sc.l(w.paths().at(i)));
  // Two result lines, the heading half a line lower, then the answer's line.
  EXPECT_FLOAT_EQ(w.resultRow(), 2 + 1.5f + 1);
  EXPECT_GT(RowInk(w, 3.5f), 0);
  EXPECT_GT(RowInk(w, 4.5f), 0);
  // Nothing in the upper half of row 3, which the heading's half step skips.
  EXPECT_EQ(InkCount(w.form(), float(w.textLeft()), w.RowTop(3) + 0.1f * w.lineStep(),
                     w.form().ScaleWidth(), w.RowTop(3) + 0.45f * w.lineStep()),
            0);
  EXPECT_TRUE(w.btnRestart()->isVisible());

  // From now on the mouse is ignored, and End as well.
  const QImage before = Pic(w).Image();
  const int ink = TextInk(w);
  Slide(w, 180, 100);  // from where the last drag left off
  Click(w, Qt::LeftButton);
  Click(w, Qt::RightButton);
  lk::test::PressKey(&w, Qt::Key_End);
  EXPECT_EQ(w.xCur(), x);
  EXPECT_EQ(w.paths().count(), 2);
  EXPECT_EQ(Pic(w).Image(), before);
  EXPECT_EQ(TextInk(w), ink);
}

TEST(LightpathWindow, EndShowsTheAnswerAndTheTrialsGoOn) {
  Started s;
  mainWindow& w = s.w;
  const Scene& sc = w.scene();
  w.hsbN()->setValue(2000);
  Slide(w, 150, 200);
  lk::test::PressKey(&w, Qt::Key_End);
  EXPECT_FALSE(w.finished());
  EXPECT_DOUBLE_EQ(sc.n(), 2.0);
  EXPECT_NEAR(w.xCur(), sc.Exact(), 1e-12);
  EXPECT_TRUE(PathIs(w, w.xCur(), kAnswer));
  EXPECT_TRUE(w.btnRestart()->isVisible());
  const float rows = w.resultRow();
  EXPECT_FLOAT_EQ(rows, 2.5f);
  // A second End prints nothing more.
  lk::test::PressKey(&w, Qt::Key_End);
  EXPECT_EQ(w.resultRow(), rows);
  // The trial moves on and takes the red path with it, completely.
  Slide(w, 200, 230);
  EXPECT_TRUE(PathIs(w, w.xCur(), kTrial));
  EXPECT_EQ(CountOf(Pic(w), kAnswer), 0);
  // End on a trial that was just fixed does nothing.
  Click(w, Qt::LeftButton);
  ASSERT_LT(std::fabs(w.xDrag() - w.paths().last()), 0.01);
  lk::test::PressKey(&w, Qt::Key_End);
  EXPECT_EQ(CountOf(Pic(w), kAnswer), 0);
  EXPECT_FLOAT_EQ(w.resultRow(), rows + 1);
  // Moved away from it, End answers again, even with the focus in the box.
  Slide(w, 230, 260);
  w.txtN()->setFocus();
  QTest::keyClick(w.txtN(), Qt::Key_End);
  EXPECT_TRUE(PathIs(w, sc.Exact(), kAnswer));
  EXPECT_FLOAT_EQ(w.resultRow(), rows + 1 + 2.5f);
}

// ---- Whatever is typed into the index box --------------------------------

TEST(LightpathWindow, AnyIndexTextGivesAnIndexInRange) {
  struct Case {
    const char* text;
    double n;
  };
  const Case cases[] = {{"1e999", 5},  {"-", 1},     {"1.2.3", 1.2}, {",,,", 1},
                        {"99999999999999999999", 5}, {"-0", 1},   {".", 1},
                        {"0", 1},      {"-2.5", 1},  {"3.5", 3.5},   {"", 1},
                        {"ｘｙｚ", 1}};
  Started s;
  mainWindow& w = s.w;
  for (const Case& c : cases) {
    w.txtN()->setFocus();
    w.txtN()->selectAll();
    const QString text = QString::fromUtf8(c.text);
    if (text.isEmpty())
      w.txtN()->clear();
    else if (text.front().unicode() < 128)
      QTest::keyClicks(w.txtN(), text);
    else
      w.txtN()->insert(text);  // typed through an input method
    Click(w, Qt::RightButton);
    EXPECT_DOUBLE_EQ(w.scene().n(), c.n) << c.text;
    EXPECT_DOUBLE_EQ(w.txtN()->text().toDouble(), c.n) << c.text;
    EXPECT_EQ(w.hsbN()->value(), int(std::lround(c.n * 1000))) << c.text;
    EXPECT_TRUE(PathIs(w, w.xCur(), kAnswer)) << c.text;
    if (c.n == 1) {
      EXPECT_EQ(w.xCur(), 0) << "equal media: the straight diagonal";
    }
    lk::test::PressKey(&w, Qt::Key_Home);
  }
  // A very long text is cut at the box's length and still reads as 5.
  w.txtN()->setFocus();
  w.txtN()->selectAll();
  QTest::keyClicks(w.txtN(), QString(300, QLatin1Char('7')));
  Click(w, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(w.scene().n(), 5.0);
  EXPECT_EQ(w.txtN()->text(), QStringLiteral("5"));
}
