#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "learner.h"
#include "mainwindow.h"
#include "program.h"
#include "screen.h"

namespace tl = toplimit;

namespace {

using lk::test::InkCount;

void Click(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2)); }

// Every drawn cell has ink in its row, and the two result lines are there.
void ExpectTableDrawn(const Form1& w) {
  const lk::Surface& s = w.pic()->surface();
  const tl::Table& t = w.lastTable();
  const float lh = t.g.lh, wA = t.g.w;
  for (const tl::Cell& c : t.cells)
    EXPECT_GT(InkCount(s, c.x, c.y, c.x + 2 * wA, c.y + lh), 0) << c.text;
  EXPECT_GT(InkCount(s, t.resultX, t.resultY, t.resultX + 6 * wA, t.resultY + lh), 0);
  const float second = t.resultY + 1.3f * lh;
  EXPECT_GT(InkCount(s, t.resultX, second, t.resultX + 6 * wA, second + lh), 0);
  // Nothing below the result in the last column.
  EXPECT_EQ(InkCount(s, t.resultX, second + 1.5f * lh, s.ScaleWidth(), s.ScaleHeight()), 0);
}

}  // namespace

TEST(Window, AsDesigned) {
  Form1 w;
  w.Start();
  EXPECT_EQ(w.objectName(), "Form1");
  EXPECT_EQ(w.windowTitle(), "最大数を求める .");
  EXPECT_EQ(w.size(), QSize(1018, 736));  // 15270 x 11040 twips
  EXPECT_EQ(w.optPrecision(1)->text(), "単精度");
  EXPECT_EQ(w.optPrecision(2)->text(), "倍精度");
  EXPECT_EQ(w.optPrecision(1)->geometry(), QRect(255, 17, 92, 37));
  EXPECT_EQ(w.optPrecision(2)->geometry(), QRect(410, 19, 98, 36));
  EXPECT_EQ(w.pic()->geometry(), QRect(0, 51, 1024, 804));
  EXPECT_FALSE(w.optPrecision(0)->isVisible());
  EXPECT_TRUE(w.optPrecision(0)->isChecked());
  EXPECT_FALSE(w.optPrecision(1)->isChecked());
  EXPECT_FALSE(w.optPrecision(2)->isChecked());
  EXPECT_EQ(InkCount(w.pic()->surface()), 0);
  // The buttons reach a little into the picture and stay on top of it.
  EXPECT_EQ(w.childAt(w.optPrecision(1)->geometry().bottomLeft() + QPoint(8, -1)), w.optPrecision(1));
  lk::EndProgram();
}

TEST(Window, SinglePrecisionTable) {
  Form1 w;
  w.Start();
  Click(w.optPrecision(1));
  EXPECT_TRUE(w.optPrecision(1)->isChecked());
  const tl::Table& t = w.lastTable();
  EXPECT_EQ(w.lastFontSize(), 13.0f);
  EXPECT_TRUE(t.fits);
  ASSERT_EQ(t.cells.size(), 128u);
  EXPECT_EQ(t.cells.back().text, "3.40E+38");
  EXPECT_EQ(tl::PowerOfTwo(t.largest), 128);
  // Six columns, each starting right of the one before.
  for (std::size_t i = 25; i < t.cells.size(); i += 25) EXPECT_GT(t.cells[i].x, t.cells[i - 25].x + 4 * t.g.w);
  ExpectTableDrawn(w);
  // The whole table is inside the window, not only inside the picture,
  // whose top lies 765 twips down.
  float bottom = t.resultY + 1.3f * t.g.lh + t.g.h;
  for (const tl::Cell& c : t.cells) bottom = std::max(bottom, c.y + t.g.h);
  EXPECT_LT(bottom + 765, w.form().ScaleHeight());
  lk::EndProgram();
}

TEST(Window, DoublePrecisionTableReplacesTheSingleOne) {
  Form1 w;
  w.Start();
  Click(w.optPrecision(1));
  Click(w.optPrecision(2));
  EXPECT_TRUE(w.optPrecision(2)->isChecked());
  const tl::Table& t = w.lastTable();
  EXPECT_TRUE(t.fits);
  ASSERT_EQ(t.cells.size(), 160u);
  int ellipses = 0;
  for (const tl::Cell& c : t.cells) ellipses += c.ellipsis;
  EXPECT_EQ(ellipses, 1);
  EXPECT_EQ(tl::ResultText(t.largest, tl::Precision::Double), "1.798E+308");
  ExpectTableDrawn(w);

  // What is drawn is exactly what a fresh window draws for 倍精度 alone.
  const QImage after = w.pic()->surface().Image();
  lk::EndProgram();
  Form1 fresh;
  fresh.Start();
  Click(fresh.optPrecision(2));
  EXPECT_TRUE(fresh.pic()->surface().Image() == after);
  lk::EndProgram();
}

TEST(Window, TinyPictureShrinksTheFontAndEnds) {
  Form1 w;
  w.Start();
  w.pic()->resize(300, 60);
  ASSERT_EQ(w.pic()->surface().HeightPx(), 60);
  Click(w.optPrecision(2));
  EXPECT_EQ(w.lastFontSize(), tl::kMinFontSize);
  EXPECT_FALSE(w.lastTable().complete);
  EXPECT_TRUE(w.optPrecision(2)->isChecked());
  // A shorter picture that holds the table at a smaller size.
  w.pic()->resize(1024, 500);
  Click(w.optPrecision(1));
  EXPECT_LT(w.lastFontSize(), 13.0f);
  EXPECT_GT(w.lastFontSize(), tl::kMinFontSize);
  EXPECT_TRUE(w.lastTable().fits);
  ExpectTableDrawn(w);
  lk::EndProgram();
}

TEST(Window, OnlyClosingTheWindowEndsTheProgram) {
  // The lesson has no end key: Esc and the other keys leave the table as it
  // is, wherever the focus is; closing the window ends the program.
  Form1 w;
  w.Start();
  Click(w.optPrecision(1));
  const QImage drawn = w.pic()->surface().Image();
  w.optPrecision(1)->setFocus();
  QTest::keyClick(w.optPrecision(1), Qt::Key_Escape);
  EXPECT_FALSE(lk::Ending());
  for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_1, Qt::Key_F1})
    lk::test::PressKey(&w, k);
  EXPECT_FALSE(lk::Ending());
  EXPECT_TRUE(w.optPrecision(1)->isChecked());
  EXPECT_TRUE(w.pic()->surface().Image() == drawn);
  w.close();
  EXPECT_TRUE(lk::Ending());
}

// What a learner does after any storm of input: single precision, then
// double; the picture shows each table.
void ScriptedPath(lk::LessonWindow& lw, lk::test::Learner& l) {
  auto& w = static_cast<Form1&>(lw);
  l.then([&w] {
    QTest::mouseClick(w.optPrecision(1), Qt::LeftButton);
    EXPECT_GT(InkCount(w.pic()->surface()), 0);
    EXPECT_SCREEN(&w, "the single-precision table");
    QTest::mouseClick(w.optPrecision(2), Qt::LeftButton);
    EXPECT_TRUE(w.optPrecision(2)->isChecked());
    EXPECT_GT(InkCount(w.pic()->surface()), 0);
    EXPECT_SCREEN(&w, "the double-precision table");
  });
}

TEST(ToplimitWindow, RandomInputThenTheLessonStillWorks) {
  lk::test::RunRandomThenScript({11, 12, 13}, 2000, [] { return std::make_unique<Form1>(); },
                                ScriptedPath);
}

// The long run, started by hand (./lessons soak toplimit).
TEST(ToplimitWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 102, 20000}),
                          [] { return std::make_unique<Form1>(); });
}
