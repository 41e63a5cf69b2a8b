// The Legendre lesson's window driven as a learner would: keys at the menu,
// entries typed into the number dialog, the pictures read back pixel by
// pixel.  The test main runs a jumping clock, so paced curves finish at once.
#include "mainwindow.h"

#include <QTest>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "memorycheck.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"
#include "window_test.h"

using lk::test::AnswerProposal;
using lk::test::ColourNear;
using lk::test::ColumnHas;
using lk::test::CountOf;
using lk::test::Dialog;
using lk::test::Learner;
using lk::test::MenuLabelsShown;
using lk::test::PlacedAt;
using lk::test::PromptWatch;
using lk::test::RowsOf;
using lk::test::Then;
using lk::test::TypeInto;
using zonalpoly::test::AnyDark;
using zonalpoly::test::DarkIn;
using zonalpoly::test::RunUntilIdle;
using zonalpoly::test::Sum;

// ---- Menu and keys -------------------------------------------------------

TEST(ZonalpolyWindow, OpensWithCaptionTitleAndMenu) {
  mainWindow w;
  w.Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" ルジャンドル多項式 ( 77-84 ページ  )"));
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 9);
  EXPECT_EQ(w.LblA(1)->text(), QStringLiteral("１． ルジャンドル多項式のグラフを描く"));
  EXPECT_EQ(w.LblA(2)->text(), QStringLiteral("２． ルジャンドル多項式の完全性を確かめる"));
  EXPECT_EQ(w.LblA(3)->text(), QStringLiteral("３． 終 了 (Esc)"));
  EXPECT_TRUE(AnyDark(w.picTitle()->surface()));
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  lk::EndProgram();
}

TEST(ZonalpolyWindow, MenuKeysOpenTheirSectionsOrEnd) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    int sectionMode;  // mode at the first dialog; 0: the key ends the program
  };
  const Case cases[] = {{Qt::Key_1, Qt::NoModifier, 10},  {Qt::Key_1, Qt::KeypadModifier, 10},
                        {Qt::Key_F1, Qt::NoModifier, 10}, {Qt::Key_2, Qt::NoModifier, 22},
                        {Qt::Key_2, Qt::KeypadModifier, 22}, {Qt::Key_F2, Qt::NoModifier, 22},
                        {Qt::Key_3, Qt::NoModifier, 0},   {Qt::Key_3, Qt::KeypadModifier, 0},
                        {Qt::Key_F3, Qt::NoModifier, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    mainWindow w;
    w.Start();
    lk::test::PressKey(&w, Qt::Key_4);  // not an item
    Learner l;
    if (c.sectionMode == 22) l.pressKey();
    AnswerProposal(l, Then::Cancel, [&](QWidget*) {
      EXPECT_EQ(w.mode, c.sectionMode);
      EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 0);
      EXPECT_TRUE(w.pic(1)->isVisible());
      EXPECT_EQ(w.pic(2)->isVisible(), c.sectionMode == 22);
      EXPECT_EQ(lk::InputKind, c.sectionMode == 10 ? 0 : 1);
    });
    lk::test::PressKey(&w, c.key, c.mods);
    if (c.sectionMode == 0) {
      EXPECT_TRUE(lk::Ending());
      continue;
    }
    RunUntilIdle(w, l);
    EXPECT_EQ(l.proposals, QStringList{c.sectionMode == 10 ? "0" : "-0.25"});
    EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 9);
    EXPECT_FALSE(w.pic(1)->isVisible());
    EXPECT_FALSE(lk::Ending());
    lk::EndProgram();
  }
}

TEST(ZonalpolyWindow, EscIsIgnoredInSectionsAndEndsAtTheMenu) {
  mainWindow w;
  w.Start();
  Learner l;
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    lk::test::PressKey(&w, Qt::Key_Escape);
    w.Form_KeyDown(lk::key::Esc, 0);
    w.Form_KeyDown(lk::key::Digit0 + 2, 0);  // a menu key, too, does nothing now
    EXPECT_FALSE(lk::Ending());
    EXPECT_EQ(w.mode, 10);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(w.mode, 0);

  // Section 2: Esc at its key prompt only continues.
  l.pressKey(Qt::Key_Escape);
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    w.Form_KeyDown(lk::key::Esc, 0);
    EXPECT_FALSE(lk::Ending());
    EXPECT_EQ(w.mode, 22);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  EXPECT_FALSE(lk::Ending());

  lk::test::PressKey(&w, Qt::Key_Escape);
  EXPECT_TRUE(lk::Ending());
}

// ---- Section 1 -----------------------------------------------------------

TEST(ZonalpolyWindow, ThreeDegreesAreDrawnInTheirColoursAndListed) {
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("0"));
  AnswerProposal(l, Then::Enter);  // 1, proposed after 0
  AnswerProposal(l, Then::Enter);  // 2
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const lk::Color blue = lk::Palette[1], green = lk::Palette[2], orange = lk::Palette[3];
    const zonalpoly::CurveList& list = w.curves();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(1).degree, 0);
    EXPECT_EQ(list.At(2).degree, 1);
    EXPECT_EQ(list.At(3).degree, 2);
    EXPECT_EQ(list.At(1).color, blue);
    EXPECT_EQ(list.At(2).color, green);
    EXPECT_EQ(list.At(3).color, orange);

    // Each curve where the mapping puts it, at grid points where no other
    // curve passes.
    const lk::Surface& plot = w.pic(1)->surface();
    EXPECT_TRUE(ColourNear(plot, w.px(0.75), w.py(1.0), blue));
    EXPECT_TRUE(ColourNear(plot, w.px(0.5), w.py(std::legendre(1, 0.5)), green));
    EXPECT_TRUE(ColourNear(plot, w.px(0.25), w.py(std::legendre(2, 0.25)), orange));
    EXPECT_TRUE(ColourNear(plot, w.px(-0.5), w.py(std::legendre(2, -0.5)), orange));
    EXPECT_EQ(plot.PixelAt(w.px(-0.9), w.py(0.3)), lk::col::PlotBack);
    // P_0 has the broadest pen: three rows of blue at the top.
    int blueRows = 0;
    for (int y = 0; y < 8; ++y) blueRows += plot.PixelAt(w.px(0.75), y) == blue;
    EXPECT_EQ(blueRows, 3);
    // The list: row i of the window, 13-point letters high, shows the swatch
    // of curve i.
    lk::Surface probe(10, 10, lk::ScaleMode::Twips);
    probe.FontSize = 13;
    const float rowPx = probe.TextHeight(QStringLiteral("A")) / lk::kTwipsPerPixel;
    const lk::Color colours[] = {blue, green, orange};
    for (int i = 1; i <= 3; ++i) {
      auto [first, last] = RowsOf(w.form(), colours[i - 1]);
      EXPECT_GE(first, int((i + 5) * rowPx)) << i;
      EXPECT_LE(last, int((i + 6) * rowPx)) << i;
    }
    EXPECT_EQ(lk::InputKind, 0);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "1", "2", "3"}));

  // Leaving clears the list, the picture and the window's text.
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(w.curves().Count(), 0);
  EXPECT_FALSE(w.pic(1)->isVisible());
  EXPECT_EQ(RowsOf(w.form(), lk::Palette[1]).first, -1);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4, 5, 6, 7, 8, 9}), 9);
  lk::EndProgram();
}

TEST(ZonalpolyWindow, DegreeAboveTwentyDingsAndOffersTwenty) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  const lk::Color blue = lk::Palette[1];
  int before = 0;
  Learner l;
  l.type(QStringLiteral("4"));
  l.atDialog([&](QWidget* d) {
    l.proposals << Dialog(d)->txtNum->text();
    before = CountOf(w.pic(1)->surface(), blue);
    TypeInto(d, QStringLiteral("25"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 1);
    EXPECT_EQ(w.curves().Count(), 1);  // 25 drew nothing
    // The refused entry still set off the previous curve with a wider pen.
    EXPECT_GT(CountOf(w.pic(1)->surface(), blue), before + 500);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "5", "20"}));
  lk::EndProgram();
}

TEST(ZonalpolyWindow, TwentyFirstCurveStartsListAndPlotAfresh) {
  mainWindow w;
  w.Start();
  Learner l;
  for (int i = 0; i < 20; ++i) AnswerProposal(l, Then::Enter);  // 0, 1, ..., 19 as proposed
  l.atDialog([&](QWidget* d) {
    EXPECT_EQ(Dialog(d)->txtNum->text(), QStringLiteral("20"));
    EXPECT_EQ(w.curves().Count(), 20);
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0.75), w.py(1.0), lk::Palette[1]));
    // The whole list stays above the dialog.  The palette walks 1 .. 12 and
    // then 8 .. 12 again (12 is red like 7), so the 20th row is the lowest
    // of the rows in colour 10.
    EXPECT_LT(RowsOf(w.form(), lk::Palette[10]).second, int(0.91 * w.form().HeightPx()));
    EXPECT_EQ(w.curves().At(20).color, lk::Palette[10]);
    TypeInto(d, QStringLiteral("3,9"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 1);
    EXPECT_EQ(w.curves().At(1).degree, 3);
    const lk::Surface& plot = w.pic(1)->surface();
    EXPECT_EQ(plot.PixelAt(w.px(0.75), w.py(1.0)), lk::col::PlotBack);  // P_0 is gone
    EXPECT_TRUE(ColourNear(plot, w.px(0.5), w.py(std::legendre(3, 0.5)), lk::Palette[9]));
    // Only one row of the list is left on the window.
    EXPECT_EQ(RowsOf(w.form(), lk::Palette[1]).first, -1);
    EXPECT_NE(RowsOf(w.form(), lk::Palette[9]).first, -1);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

TEST(ZonalpolyWindow, DegreeTextsCommaColoursAndOddEntries) {
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("3,7"));  // degree 3 in palette entry 7
  l.type(QStringLiteral("2"));    // then the entry after it
  l.type(QStringLiteral(",0"));   // no number: degree 0, in entry 0
  l.type(QStringLiteral("1,99"));  // an index beyond the palette takes the last entry
  l.type(QStringLiteral("99999999999999999999999999999"));  // far too large: 20 offered
  l.atDialog([&](QWidget* d) {
    l.proposals << Dialog(d)->txtNum->text();
    const zonalpoly::CurveList& c = w.curves();
    ASSERT_EQ(c.Count(), 4);
    EXPECT_EQ(c.At(1).degree, 3);
    EXPECT_EQ(c.At(1).color, lk::Palette[7]);
    EXPECT_EQ(c.At(2).color, lk::Palette[8]);
    EXPECT_EQ(c.At(3).degree, 0);
    EXPECT_EQ(c.At(3).color, lk::Palette[0]);
    EXPECT_EQ(c.At(4).color, lk::Palette[15]);
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0.5), w.py(std::legendre(3, 0.5)),
                           lk::Palette[7]));
    // Only digits and the comma go into the box in this section.
    EXPECT_EQ(TypeInto(d, QStringLiteral("-1.5,2x")), QStringLiteral("15,2"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Escape);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "4", "3", "1", "2", "20"}));
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}

// ---- Layout and pace -----------------------------------------------------

TEST(ZonalpolyWindow, PicturesFramesAndDialogsSitWhereDesigned) {
  mainWindow w;
  w.Start();
  const lk::Color grid = lk::RGB(51, 51, 51), frame2 = lk::RGB(51, 51, 160);
  Learner l;
  l.atDialog([&](QWidget* d) {
    // Section 1: the square plot at its place, the dialog below the window.
    EXPECT_EQ(w.pic(1)->geometry(), QRect(lk::Tw(4785), lk::Tw(930), lk::Tw(6720), lk::Tw(6720)));
    EXPECT_LE((d->pos() - PlacedAt(w, 0.13, 0.91)).manhattanLength(), 1);
    const lk::Surface& s = w.pic(1)->surface();
    // Dotted grid lines at +-0.2 ... +-0.8, none at 0.1 steps in between.
    for (double v : {-0.8, -0.2, 0.4, 0.8}) {
      EXPECT_TRUE(ColumnHas(s, w.px(v), w.py(0.9), w.py(0.7), grid)) << v;
      EXPECT_FALSE(ColumnHas(s, w.px(v + 0.1), w.py(0.95), w.py(0.85), grid)) << v;
    }
    // Solid black axes through 0, the ticks at 0.5 and their labels below
    // the x axis.
    EXPECT_EQ(s.PixelAt(w.px(0), w.py(0.7)), lk::col::Black);
    EXPECT_EQ(s.PixelAt(w.px(-0.7), w.py(0)), lk::col::Black);
    EXPECT_EQ(s.PixelAt(w.px(0.5), w.py(0.015)), lk::col::Black);
    EXPECT_TRUE(DarkIn(s, w.px(0.45), w.py(-0.03), w.px(0.6), w.py(-0.1)));
    EXPECT_TRUE(DarkIn(s, w.px(-0.58), w.py(-0.03), w.px(-0.45), w.py(-0.1)));
    EXPECT_EQ(s.PixelAt(w.px(0.3), w.py(0.3)), lk::col::PlotBack);
    // The window names the x axis on its right, at 13 points.
    const lk::Surface& f = w.form();
    const int fx = int(0.97 * f.WidthPx()), fy = int(0.46 * f.HeightPx());
    EXPECT_TRUE(DarkIn(f, fx, fy, fx + 15, fy + 25));
    EXPECT_FALSE(DarkIn(f, fx - 30, fy + 40, fx + 15, fy + 80));
    // The degree prompt starts at the left edge of its picture.
    auto* num = Dialog(d);
    num->picNum->repaint();
    EXPECT_TRUE(DarkIn(num->picNum->surface(), 0, 0, 12, 30));
    QTest::keyClick(num->txtNum, Qt::Key_Escape);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  ASSERT_TRUE(l.done());
  EXPECT_FALSE(AnyDark(w.form()));

  // Section 2: the key prompt, then the three pictures and the y dialog.
  QPoint promptAt(-1, -1);
  PromptWatch watch([&](QWidget* p, int) { promptAt = p->pos(); });
  int pointBox = 0;
  l.atDialog([&](QWidget* d) {
    EXPECT_LE((promptAt - PlacedAt(w, 0.1, 0.9)).manhattanLength(), 1);
    EXPECT_LE((d->pos() - PlacedAt(w, 0.13, 0.91)).manhattanLength(), 1);
    // The sums right of the middle, the narration over the list of points.
    EXPECT_EQ(w.pic(1)->geometry(), QRect(lk::Tw(6193.2), lk::Tw(690), lk::Tw(5508), lk::Tw(6732)));
    EXPECT_EQ(w.pic(2)->geometry(), QRect(lk::Tw(420), lk::Tw(690), lk::Tw(5700), lk::Tw(3240)));
    EXPECT_EQ(w.pic(3)->geometry(), QRect(lk::Tw(420), lk::Tw(4050), lk::Tw(5700), lk::Tw(3500)));
    const lk::Surface& s = w.pic(1)->surface();
    // The box from (-1, 22) to (1, -5), the axes, the ticks of the y axis on
    // its right and the ticks of the x axis above it.
    EXPECT_TRUE(ColourNear(s, w.px(-1), w.py(10), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(1), w.py(-3), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(0.5), w.py(22), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(0.5), w.py(-5), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(0), w.py(17), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(0.7), w.py(0), frame2));
    EXPECT_TRUE(ColourNear(s, w.px(0.03), w.py(15), frame2));
    EXPECT_FALSE(ColourNear(s, w.px(-0.03), w.py(15), frame2));
    EXPECT_TRUE(ColumnHas(s, w.px(0.5), w.py(0.1), w.py(0.7), frame2));
    EXPECT_EQ(s.PixelAt(w.px(0.5), w.py(10)), lk::col::PlotBack);
    EXPECT_EQ(s.PixelAt(w.px(1.08), w.py(10)), lk::col::PlotBack);  // outside the box
    // The y prompt starts four letter widths in.
    auto* num = Dialog(d);
    num->picNum->repaint();
    const lk::Surface& prompt = num->picNum->surface();
    const int w4 = int(4 * prompt.TextWidth(QStringLiteral("A")));
    EXPECT_FALSE(DarkIn(prompt, 0, 0, w4 - 2, prompt.HeightPx() - 1));
    EXPECT_TRUE(DarkIn(prompt, w4, 0, w4 + 20, prompt.HeightPx() - 1));
    pointBox = num->txtNum->width();
    QTest::keyClick(num->txtNum, Qt::Key_Return);
  });
  l.atDialog([&](QWidget* d) {
    // The box for y is wider than the one for N by a twentieth of the dialog.
    EXPECT_NEAR(pointBox - Dialog(d)->txtNum->width(), 0.05 * d->width(), 1.5);
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Escape);
  });
  l.cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  lk::EndProgram();
}

// The clock stands still but for the paced waits, which it jumps: the time
// between two dialogs is what the drawing between them waited for.
TEST(ZonalpolyWindow, CurvesTakeFourAndTwoSecondsAndTheThickeningNone) {
  lk::test::ClockSpeed still(1e-9);
  mainWindow w;
  w.Start();
  std::vector<double> at;
  Learner l;
  auto answer = [&](const QString& text) { lk::test::AnswerNotingTime(l, at, text); };
  answer(QStringLiteral("3"));   // drawn in 4 s
  answer(QStringLiteral("25"));  // refused: P_3 set off at once, nothing new drawn
  answer(QStringLiteral("0"));   // P_3 set off, P_0 drawn in 4 s
  answer(QString());
  lk::test::PressKey(&w, Qt::Key_1);
  ASSERT_EQ(at.size(), 4u);
  EXPECT_NEAR(at[1] - at[0], 4.0, 1e-3);
  EXPECT_NEAR(at[2] - at[1], 0.0, 1e-3);
  EXPECT_NEAR(at[3] - at[2], 4.0, 1e-3);

  at.clear();
  l.pressKey();
  answer(QStringLiteral("0"));    // y
  answer(QStringLiteral("100"));  // drawn in 2 s however many terms
  answer(QStringLiteral("10"));   // 2 s
  answer(QStringLiteral("5"));    // refused: nothing drawn
  answer(QString());
  answer(QString());
  lk::test::PressKey(&w, Qt::Key_2);
  RunUntilIdle(w, l);
  ASSERT_EQ(at.size(), 6u);
  EXPECT_NEAR(at[2] - at[1], 2.0, 1e-3);
  EXPECT_NEAR(at[3] - at[2], 2.0, 1e-3);
  EXPECT_NEAR(at[4] - at[3], 0.0, 1e-3);
  lk::EndProgram();
}

// ---- Random input --------------------------------------------------------

// The screen is looked at once the next curve on pic(1) has passed its middle.
void ScreenHalfWay(mainWindow& w) {
  lk::Surface& s = w.pic(1)->surface();
  lk::test::WhenDrawn(s, [&s] { return s.CurrentX >= s.ScaleWidth() / 2; },
                      [&w] { EXPECT_SCREEN(&w, "half-way through a curve"); });
}

// What a learner does after any storm of input: section 1, degree 3 drawn
// in the first colour, Esc back to the menu; section 2, ten terms at the
// preset y, and back.  The screen must show what the window holds half-way
// through each curve and at the end of each section.
void ScriptedPath(lk::LessonWindow& lw, Learner& l) {
  auto& w = static_cast<mainWindow&>(lw);
  l.then([&w] { lk::test::PressKey(&w, Qt::Key_1); })
      .atDialog([&w](QWidget* d) {
        ScreenHalfWay(w);
        TypeInto(d, QStringLiteral("3"));
        QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
      })
      .atDialog([&w](QWidget*) {
        EXPECT_SCREEN(&w, "section 1 with its curve");
        EXPECT_EQ(w.curves().Count(), 1);
        EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0.5), w.py(std::legendre(3, 0.5)),
                               lk::Palette[1]));
      })
      .cancel()
      .then([&w] {
        EXPECT_EQ(w.mode, 0);
        lk::test::PressKey(&w, Qt::Key_2);
      })
      .pressKey();
  AnswerProposal(l, Then::Enter);
  AnswerProposal(l, Then::Enter, [&w](QWidget*) { ScreenHalfWay(w); });
  AnswerProposal(l, Then::Cancel, [&w](QWidget*) {
    EXPECT_SCREEN(&w, "section 2 with its curve");
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(-0.25), w.py(Sum(10, -0.25, -0.25)),
                           lk::Palette[1]));
  });
  l.cancel().then([&w] { EXPECT_EQ(w.mode, 0); });
}

TEST(ZonalpolyWindow, RandomInputThenTheLessonStillWorks) {
  lk::test::ExpectDialogUsesKeepMemoryFlat([] { return std::make_unique<mainWindow>(); });
  lk::test::RunRandomThenScript({1, 2, 3, 4}, 2000, [] { return std::make_unique<mainWindow>(); },
                                ScriptedPath);
}

// The long run, started by hand (./lessons soak zonalpoly).
TEST(ZonalpolyWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 103, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}
