// The completeness section of the Legendre lesson driven as a learner would:
// a point y, then numbers of terms whose partial sums are drawn and listed.
#include <QTest>
#include <cmath>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "program.h"
#include "sounds.h"
#include "window_test.h"

using lk::test::AnswerProposal;
using lk::test::ColourNear;
using lk::test::ColumnHas;
using lk::test::Dialog;
using lk::test::Learner;
using lk::test::MenuLabelsShown;
using lk::test::RowsOf;
using lk::test::Then;
using lk::test::TypeInto;
using zonalpoly::test::AnyDark;
using zonalpoly::test::RunUntilIdle;
using zonalpoly::test::Sum;

TEST(ZonalpolyWindow, PartialSumsForTenToHundredThenBackToYThenMenu) {
  mainWindow w;
  w.Start();
  Learner l;
  l.pressKey();
  AnswerProposal(l, Then::Enter, [&](QWidget*) {
    EXPECT_EQ(w.mode, 22);
    EXPECT_EQ(lk::InputKind, 1);
    EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 0);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(w.pic(i)->isVisible()) << i;
    EXPECT_TRUE(AnyDark(w.pic(2)->surface()));  // the narration
    EXPECT_EQ(w.rowCount(), 0);
  });
  for (int i = 0; i < 4; ++i) AnswerProposal(l, Then::Enter);  // N = 10, 20, 40, 100 as proposed
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    EXPECT_EQ(w.mode, 23);
    EXPECT_EQ(lk::InputKind, 2);
    const double y = -0.25;
    EXPECT_EQ(w.pointY(), y);
    const lk::Surface& plot = w.pic(1)->surface();
    const int Ns[] = {10, 20, 40};
    for (int i = 0; i < 3; ++i) {
      const double peak = Sum(Ns[i], y, y);
      EXPECT_TRUE(ColourNear(plot, w.px(y), w.py(peak), lk::Palette[i + 1])) << Ns[i];
      // The peak grows with N and stays inside the plot up to N = 40.
      EXPECT_GT(w.py(peak), 0);
    }
    // Far from y the sums are small: the curve for 40 is near the axis.
    EXPECT_TRUE(ColourNear(plot, w.px(0.75), w.py(Sum(40, 0.75, y)), lk::Palette[3]));
    EXPECT_LT(std::fabs(Sum(40, 0.75, y)), 2.0);
    // The peak for 100 (about 33) runs off the top of the picture: its colour
    // reaches the top row at x = y, and nowhere far from y.
    EXPECT_GT(Sum(100, y, y), 23.1);
    bool atTop = false;
    for (int x = w.px(y) - 3; x <= w.px(y) + 3; ++x) atTop |= plot.PixelAt(x, 0) == lk::Palette[4];
    EXPECT_TRUE(atTop);
    EXPECT_FALSE(ColumnHas(plot, w.px(0.5), 0, w.py(10), lk::Palette[4]));

    // One y row and four N rows with their swatches, in order.
    EXPECT_EQ(w.rowCount(), 5);
    int previous = -1;
    for (int i = 1; i <= 4; ++i) {
      const int row = RowsOf(w.pic(3)->surface(), lk::Palette[i]).first;
      EXPECT_GT(row, previous) << i;
      previous = row;
    }
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {  // back at y
    EXPECT_EQ(w.mode, 22);
    EXPECT_EQ(lk::InputKind, 1);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  EXPECT_EQ(l.proposals, (QStringList{"-0.25", "10", "20", "40", "100", "100", "-0.25"}));
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 9);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  EXPECT_FALSE(w.Timer1Enabled());
  EXPECT_EQ(w.rowCount(), 0);
  lk::EndProgram();
}

TEST(ZonalpolyWindow, PointAndTermsOutsideTheirRangesAreOfferedTheNearest) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  Learner l;
  l.pressKey();
  l.type(QStringLiteral("1"));
  l.type(QStringLiteral("-3"));
  AnswerProposal(l, Then::Enter);  // -0.9
  l.type(QStringLiteral("5"));
  l.type(QStringLiteral("150"));
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    EXPECT_EQ(w.pointY(), -0.9);
    EXPECT_EQ(w.terms(), 100);
    EXPECT_EQ(w.rowCount(), 1);  // only the y row: no N was accepted
  });
  // Filters: the minus sign for y, digits only for N; never a point.
  l.atDialog([&](QWidget* d) {
    l.proposals << Dialog(d)->txtNum->text();
    EXPECT_EQ(TypeInto(d, QStringLiteral("-1.5,2")), QStringLiteral("-152"));
    TypeInto(d, QStringLiteral("-"));  // the value 0
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  l.atDialog([&](QWidget* d) {
    EXPECT_EQ(w.pointY(), 0.0);
    // A new y offers the first number of terms again, not the last one.
    EXPECT_EQ(Dialog(d)->txtNum->text(), QStringLiteral("10"));
    EXPECT_EQ(TypeInto(d, QStringLiteral("-1.5,2")), QStringLiteral("152"));
    TypeInto(d, QStringLiteral("99999999999999999999999999"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  l.cancel();  // N: back to y
  l.cancel();  // y: back to the menu
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  // y = 0 is not proposed (an empty box); a refused N offers the nearest
  // allowed number.
  EXPECT_EQ(l.proposals, (QStringList{"-0.25", "0.9", "-0.9", "10", "10", "100", "-0.9", "100", ""}));
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings);  // only the degree dings
  lk::EndProgram();
}

TEST(ZonalpolyWindow, ListOfPointsStartsAgainWhenFull) {
  mainWindow w;
  w.Start();
  Learner l;
  l.pressKey();
  AnswerProposal(l, Then::Enter);  // y
  for (int i = 0; i < 14; ++i) AnswerProposal(l, Then::Enter);  // N rows until the list has to start again
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const lk::Surface& list = w.pic(3)->surface();
    lk::Surface probe(10, 10, lk::ScaleMode::Twips);
    probe.FontSize = 12;
    const float t = probe.TextHeight(QStringLiteral("A"));
    // Every row printed so far fits into the picture.
    EXPECT_LE((w.rowCount() + 0.2f) * t, list.ScaleHeight());
    EXPECT_GE(w.rowCount(), 2);
    EXPECT_LT(w.rowCount(), 15);
  });
  l.cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  lk::EndProgram();
}

// The window manager's close of the dialog is its cancel: typed N = 50 and
// closed goes back to y, and neither 50 nor the last entry is drawn.
TEST(ZonalpolyWindow, ClosingTheDialogByTheWindowManagerIsItsCancel) {
  mainWindow w;
  w.Start();
  Learner l;
  l.pressKey();
  AnswerProposal(l, Then::Enter);  // y = -0.25
  AnswerProposal(l, Then::Enter);  // N = 10 drawn
  l.atDialog([](QWidget* d) {
    TypeInto(d, QStringLiteral("50"));
    d->close();
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {  // back at y with one sum drawn
    EXPECT_EQ(w.mode, 22);
    EXPECT_EQ(lk::InputKind, 1);
    EXPECT_EQ(w.rowCount(), 2);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}
