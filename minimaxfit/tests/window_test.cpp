// The Chebyshev lesson's window driven as a learner would: keys at the menu,
// entries typed into the number dialog, key presses at the prompts, and the
// pictures read back pixel by pixel.  The test main runs a jumping clock, so
// paced curves and tables finish at once.
#include "mainwindow.h"

#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "memorycheck.h"
#include "pages.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"

namespace mm = minimaxfit;

namespace {

using lk::test::AnswerProposal;
using lk::test::ColourNear;
using lk::test::Dialog;
using lk::test::Learner;
using lk::test::PromptWatch;
using lk::test::RowsOf;
using lk::test::Then;
using lk::test::TypeInto;

// How many pixels of column x between rows y1 and y2 have colour c.
int RunIn(const lk::Surface& s, int x, int y1, int y2, lk::Color c) {
  int n = 0;
  for (int y = y1; y <= y2; ++y) n += s.PixelAt(x, y) == c;
  return n;
}

// The height of "A" in a pixel picture at a text size.
float LetterHeightAt(float size) {
  lk::Surface probe(10, 10, lk::ScaleMode::Pixels);
  probe.FontSize = size;
  return probe.TextHeight(QStringLiteral("A"));
}

}  // namespace

// ---- Menu and keys -------------------------------------------------------

TEST(MinimaxfitWindow, OpensWithCaptionTitlesAndMenu) {
  mainWindow w;
  w.Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" チェビシェフ多項式　( 97-98 ページ )"));
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuShown(w), 9);
  EXPECT_EQ(w.LblA(1)->text(), QStringLiteral("１． チェビシェフ多項式のグラフを描く."));
  EXPECT_EQ(w.LblA(4)->text(), QStringLiteral("４． 関数近似（その３）"));
  EXPECT_EQ(w.LblA(6)->text(), QStringLiteral("５． 終 了 (Esc)"));
  for (int i : {10, 11, 12}) {
    EXPECT_TRUE(w.pic(i)->isVisible()) << i;
    EXPECT_GT(lk::test::InkCount(w.pic(i)->surface()), 100) << i;
  }
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  EXPECT_EQ(w.textSize(), 11.25f);
  lk::EndProgram();
}

TEST(MinimaxfitWindow, MenuKeysChooseSectionsAndEndKeysEnd) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    int mode;  // mode at the first prompt or dialog; -1 nothing; 0 the program ends
    int kind;
  };
  const Case cases[] = {
      {Qt::Key_1, Qt::NoModifier, 10, 0},  {Qt::Key_F1, Qt::NoModifier, 10, 0},
      {Qt::Key_2, Qt::NoModifier, 20, 1},  {Qt::Key_F3, Qt::NoModifier, 20, 2},
      {Qt::Key_4, Qt::NoModifier, 20, 3},  {Qt::Key_1, Qt::KeypadModifier, -1, 0},
      {Qt::Key_6, Qt::NoModifier, -1, 0},  {Qt::Key_5, Qt::NoModifier, 0, 0},
      {Qt::Key_F5, Qt::NoModifier, 0, 0},  {Qt::Key_Escape, Qt::NoModifier, 0, 0},
      {Qt::Key_5, Qt::KeypadModifier, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    mainWindow w;
    w.Start();
    int seen = -1;
    QTimer watch;
    // At the first prompt or dialog: note the section and leave it (Esc at
    // a dialog; at a prompt, the key prompt goes on to its end).
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (QWidget* d = lk::test::OpenDialog()) {
        if (seen < 0) seen = w.mode;
        EXPECT_EQ(MenuShown(w), 0);
        QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Escape);
      } else if (QWidget* p = lk::test::OpenPrompt()) {
        if (seen < 0) {
          seen = w.mode;
          EXPECT_EQ(w.kind(), c.kind);
          EXPECT_TRUE(w.pic(0)->isVisible());
          EXPECT_TRUE(w.pic(10)->isVisible());   // the title stays
          EXPECT_FALSE(w.pic(11)->isVisible());  // the formula goes
        }
        QTest::keyClick(p, Qt::Key_Return);
      }
    });
    watch.start(1);
    lk::test::PressKey(&w, c.key, c.mods);
    if (c.mode == 0) {
      EXPECT_TRUE(lk::Ending());
      continue;
    }
    EXPECT_EQ(seen, c.mode);
    EXPECT_FALSE(lk::Ending());
    EXPECT_EQ(w.mode, 0);
    EXPECT_EQ(MenuShown(w), 9);
    EXPECT_TRUE(w.pic(12)->isVisible());
    for (int i = 0; i <= 2; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
    lk::EndProgram();
  }
}

TEST(MinimaxfitWindow, EscAndMenuKeysAreIgnoredWhileASectionRuns) {
  mainWindow w;
  w.Start();
  Learner l;
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    w.Form_KeyDown(lk::key::Esc, 0);
    w.Form_KeyDown(lk::key::Digit0 + 2, 0);
    w.LblA_Click(6);
    EXPECT_FALSE(lk::Ending());
    EXPECT_EQ(w.mode, 10);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.mode, 0);
  // Clicking the end item at the menu ends.
  w.LblA_Click(6);
  EXPECT_TRUE(lk::Ending());
}

// ---- Section 1 -----------------------------------------------------------

TEST(MinimaxfitWindow, FirstCurvesInBlueGreenOrangeWithTheirLegend) {
  mainWindow w;
  w.Start();
  Learner l;
  for (int i = 0; i < 5; ++i) AnswerProposal(l, Then::Enter);  // 0 .. 4 as proposed
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const lk::Color blue = lk::RGB(0, 0, 255), green = lk::RGB(0, 224, 0),
                    orange = lk::RGB(255, 165, 0);
    const mm::CurveList& list = w.curves();
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.At(1).color, blue);
    EXPECT_EQ(list.At(2).color, green);
    EXPECT_EQ(list.At(3).color, orange);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(list.At(i).degree, i - 1);

    const lk::Surface& plot = w.pic(1)->surface();
    // T_0 along the top, three pixels wide, at an x where no other curve is.
    EXPECT_TRUE(ColourNear(plot, w.px(0.3), w.py(1), blue));
    EXPECT_EQ(RunIn(plot, w.px(0.3), 0, 8, blue), 3);
    EXPECT_TRUE(ColourNear(plot, w.px(0.6), w.py(0.6), green));
    EXPECT_TRUE(ColourNear(plot, w.px(0.3), w.py(std::cos(2 * std::acos(0.3))), orange));
    EXPECT_TRUE(ColourNear(plot, w.px(0.9), w.py(std::cos(4 * std::acos(0.9))), lk::Palette[5]));
    // Every curve ends in the top-right corner: T_n(1) = 1.
    for (int i = 1; i <= 5; ++i)
      EXPECT_TRUE(ColourNear(plot, w.px(1), w.py(1), list.At(i).color, 3)) << i;
    // The latest curve is one pixel wide, the earlier ones two: compare them
    // where they run flat along the bottom, T_4 at -cos(pi/4), T_2 at 0.
    const int floor = w.py(-1), lowest = plot.HeightPx() - 1;
    EXPECT_EQ(RunIn(plot, w.px(-std::sqrt(0.5)), floor - 4, lowest, lk::Palette[5]), 1);
    EXPECT_EQ(RunIn(plot, w.px(0), floor - 4, lowest, orange), 2);
    // The legend: the fifth row stands at m + 9.5 th, its swatch 0.45 th
    // below the row's top.
    const float th = LetterHeightAt(11.25f), m = 0.2f * th;
    const auto [top, bottom] = RowsOf(w.pic(0)->surface(), lk::Palette[5]);
    EXPECT_NEAR(top, m + 9.5f * th + 0.45f * th, 2.0f);
    EXPECT_LE(bottom - top, 2);
    EXPECT_NEAR(RowsOf(w.pic(0)->surface(), blue).first, m + 5.5f * th + 0.45f * th, 2.0f);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(w.curves().Count(), 0);
  EXPECT_FALSE(w.pic(1)->isVisible());
  lk::EndProgram();
}

TEST(MinimaxfitWindow, CommaChoosesTheColourAndTheNextEntryContinues) {
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("3,7"));
  AnswerProposal(l, Then::Enter);  // 4, proposed after 3
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const mm::CurveList& list = w.curves();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1).degree, 3);
    EXPECT_EQ(list.At(1).color, lk::RGB(255, 0, 0));
    EXPECT_EQ(list.At(2).degree, 4);
    EXPECT_EQ(list.At(2).color, lk::Palette[8]);
    const lk::Surface& plot = w.pic(1)->surface();
    EXPECT_TRUE(ColourNear(plot, w.px(0.5), w.py(-1), lk::RGB(255, 0, 0)));  // T_3(0.5) = -1
    // T_3 is odd: it starts at the bottom-left corner.
    EXPECT_TRUE(ColourNear(plot, w.px(-1), w.py(-1), lk::RGB(255, 0, 0), 3));
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "4", "5"}));
  lk::EndProgram();
}

TEST(MinimaxfitWindow, DegreeAboveTwentyDingsAndOffersTwenty) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  Learner l;
  l.type(QStringLiteral("2"));
  l.type(QStringLiteral("21"));
  AnswerProposal(l, Then::Enter, [&](QWidget*) {  // 20
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 1);
    EXPECT_EQ(w.curves().Count(), 1);  // 21 drew nothing
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 2);
    EXPECT_EQ(w.curves().At(2).degree, 20);
    // T_20 is a curve in its own colour, through T_20(0.1) at x = 0.1.
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0.1), w.py(std::cos(20 * std::acos(0.1))),
                           lk::Palette[2]));
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(l.proposals, (QStringList{"0", "3", "20", "21"}));
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 1);
  lk::EndProgram();
}

TEST(MinimaxfitWindow, TwentyFirstCurveStartsListAndPlotAfresh) {
  mainWindow w;
  w.Start();
  Learner l;
  for (int i = 0; i < 20; ++i) l.type(QStringLiteral("%1").arg(i % 10));
  l.atDialog([&](QWidget* d) {
    EXPECT_EQ(w.curves().Count(), 20);
    // The second T_0 (the eleventh curve) runs along most of the top edge.
    int atTop = 0;
    for (int x = 0; x < w.pic(1)->surface().WidthPx(); ++x)
      atTop += w.pic(1)->surface().PixelAt(x, w.py(1)) == w.curves().At(11).color;
    EXPECT_GT(atTop, w.pic(1)->surface().WidthPx() / 2);
    // The whole legend stays inside its picture.
    const lk::Surface& text = w.pic(0)->surface();
    EXPECT_GE(RowsOf(text, w.curves().At(20).color).first, 0);
    EXPECT_LT(RowsOf(text, w.curves().At(20).color).second, text.HeightPx() - 2);
    TypeInto(d, QStringLiteral("3,9"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 1);
    EXPECT_EQ(w.curves().At(1).degree, 3);
    const lk::Surface& plot = w.pic(1)->surface();
    EXPECT_EQ(plot.PixelAt(w.px(0.3), w.py(1)), lk::col::PlotBack);  // T_0 is gone
    EXPECT_EQ(plot.PixelAt(w.px(-0.3), w.py(1)), lk::col::PlotBack);
    EXPECT_TRUE(ColourNear(plot, w.px(0.5), w.py(-1), lk::Palette[9]));
    EXPECT_EQ(RowsOf(w.pic(0)->surface(), lk::Palette[1]).first, -1);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

TEST(MinimaxfitWindow, OddDegreeTextsNeverBreakSectionOne) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  Learner l;
  l.atDialog([&](QWidget* d) {
    // Only digits, the comma and the minus sign go in.
    EXPECT_EQ(TypeInto(d, QStringLiteral("1e999")), QStringLiteral("1999"));
    EXPECT_EQ(TypeInto(d, QStringLiteral("1.2.3")), QStringLiteral("123"));
    TypeInto(d, QStringLiteral("1e999"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  l.type(QStringLiteral("99999999999999999999"));
  l.type(QString(300, QLatin1Char('7')));
  l.type(QStringLiteral("-"));    // no number: T_0
  l.type(QStringLiteral(",,,"));  // T_0 again, in palette entry 0
  l.type(QStringLiteral("-0"));
  l.type(QStringLiteral("-5"));   // accepted: the zero line
  l.type(QStringLiteral("-") + QString(300, QLatin1Char('9')));  // below -20: refused
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const mm::CurveList& list = w.curves();
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.At(1).degree, 0);
    EXPECT_EQ(list.At(2).color, lk::Palette[0]);
    EXPECT_EQ(list.At(4).degree, -5);
    // T_-5 is 0: a line along the middle in its colour.
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0.7), w.py(0), list.At(4).color));
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 4);
  EXPECT_EQ(l.proposals.mid(0, 4), (QStringList{"20", "20", "20", "1"}));
  // The limit of the lesson, never the limit of an integer.
  EXPECT_EQ(l.proposals.last(), QStringLiteral("-20"));
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}

TEST(MinimaxfitWindow, SectionOneMeasuresWithTheSizeAnApproximationLeft) {
  mainWindow w;
  w.Start();
  PromptWatch prompts;
  Learner l;
  l.cancel();  // leave at the choice of M: 11 points
  lk::test::PressKey(&w, Qt::Key_3);
  ASSERT_EQ(w.textSize(), 11.0f);
  l.type(QStringLiteral("2"));
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    const float th = LetterHeightAt(11.0f), m = 0.2f * th;
    EXPECT_NEAR(RowsOf(w.pic(0)->surface(), lk::Palette[1]).first, m + 5.5f * th + 0.45f * th,
                2.0f);
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

// ---- Layout and pace -----------------------------------------------------

TEST(MinimaxfitWindow, DialogsAndPromptsSitWhereDesigned) {
  mainWindow w;
  w.Start();
  Learner l;
  AnswerProposal(l, Then::Cancel, [&](QWidget* d) {
    EXPECT_LE((d->pos() - lk::test::PlacedAt(w, 0.1, 0.92)).manhattanLength(), 1);
    // The box: 0.14 of the dialog, which is 0.8 of the window wide, less
    // 0.015 of the window.
    EXPECT_NEAR(Dialog(d)->txtNum->width(), (0.14 * 0.8 - 0.015) * w.frameGeometry().width(), 2);
    Dialog(d)->picNum->repaint();
    EXPECT_GT(lk::test::InkCount(Dialog(d)->picNum->surface()), 50);
    // Section 1: the square plot right of the text, the x label beside it.
    const QRect g = w.pic(1)->geometry();
    EXPECT_EQ(g.width(), g.height());
    EXPECT_EQ(g.left(), w.pic(0)->geometry().right() + 1);
    const lk::Surface& f = w.form();
    const int fx = int(g.left() + 1.02 * g.width()), fy = int(g.top() + 0.48 * g.height());
    EXPECT_GT(lk::test::InkCount(f, 15.0f * fx, 15.0f * fy, 15.0f * (fx + 14), 15.0f * (fy + 24)),
              5);
    // The dotted grid and the axes in dark grey.
    const lk::Surface& s = w.pic(1)->surface();
    const lk::Color grid = lk::RGB(51, 51, 51);
    EXPECT_TRUE(ColourNear(s, w.px(0), w.py(0.7), grid, 0));
    EXPECT_GT(RunIn(s, w.px(0.4), 0, s.HeightPx() - 1, grid), 50);
    EXPECT_LT(RunIn(s, w.px(0.4), 0, s.HeightPx() - 1, grid), s.HeightPx() - 20);  // dotted
    EXPECT_LE(RunIn(s, w.px(0.3), 0, s.HeightPx() - 1, grid), 8);  // only where rows cross
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_EQ(lk::test::InkCount(w.form()), 0);

  QPoint firstPrompt;
  PromptWatch prompts([&](QWidget* p, int i) {
    if (i == 0) firstPrompt = p->pos();
  });
  l.cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  ASSERT_GT(prompts.count(), 0);
  EXPECT_LE((firstPrompt - lk::test::PlacedAt(w, 0.1, 0.94)).manhattanLength(), 1);
  lk::EndProgram();
}

// The clock stands still but for the paced waits, which it jumps: the time
// between two prompts is what the drawing between them waited for.
TEST(MinimaxfitWindow, CurvesTakeFourSecondsAndRowsATenth) {
  lk::test::ClockSpeed still(1e-9);
  mainWindow w;
  w.Start();
  std::vector<double> at;
  Learner l;
  auto answer = [&](const QString& text) { lk::test::AnswerNotingTime(l, at, text); };
  answer(QStringLiteral("5"));
  answer(QStringLiteral("25"));  // refused: nothing drawn
  answer(QStringLiteral("0"));
  answer(QString());
  lk::test::PressKey(&w, Qt::Key_1);
  ASSERT_EQ(at.size(), 4u);
  EXPECT_NEAR(at[1] - at[0], 4.0, 1e-3);
  EXPECT_NEAR(at[2] - at[1], 0.0, 1e-3);
  EXPECT_NEAR(at[3] - at[2], 4.0, 1e-3);

  std::vector<double> p;  // the clock at each prompt
  PromptWatch prompts([&p](QWidget*, int) { p.push_back(lk::Now()); });
  AnswerProposal(l, Then::Enter);
  lk::test::PressKey(&w, Qt::Key_4);
  ASSERT_EQ(p.size(), std::size_t(kFirstRunPrompts));
  EXPECT_NEAR(p[kCoefficients] - p[kCoefficients - 1], 1.5, 1e-3);  // 15 rows
  EXPECT_NEAR(p[kTable] - p[kRemember], 1.7, 1e-3);                 // 17 rows
  EXPECT_NEAR(p[kTrueGraph] - p[kTable], 4.0, 1e-3);
  EXPECT_NEAR(p[kBothGraphs] - p[kTrueGraph], 4.0, 1e-3);
  EXPECT_NEAR(p[kErrorCurve] - p[kErrorFrame], 4.0, 1e-3);
  lk::EndProgram();
}

// ---- Random input --------------------------------------------------------

TEST(MinimaxfitWindow, RandomInputKeepsTheLessonRunning) {
  for (std::uint32_t seed : {21u, 22u, 23u}) {
    const auto run = lk::test::RunRandomInput(seed, 2000, [] {
      return std::unique_ptr<lk::LessonWindow>(new mainWindow);
    });
    EXPECT_EQ(run.events, 2000) << "seed " << seed;
    EXPECT_GE(run.programs, 1) << "seed " << seed;
  }
  // Afterwards a fresh window still draws a curve and runs an approximation,
  // and the screen shows every page whole, also in the middle of each curve
  // (when it has reached x = 0).
  mainWindow w;
  w.Start();
  auto midCurve = [&w](int picture, int mode, lk::Color c, const char* where) {
    const lk::Surface& s = w.pic(picture)->surface();
    lk::test::WhenDrawn(
        w.pic(picture)->surface(),
        [&w, &s, mode, c] {
          return w.mode == mode && lk::test::ColumnHas(s, w.px(0), 0, s.HeightPx() - 1, c);
        },
        [&w, where] { EXPECT_SCREEN(&w, where); });
  };
  const lk::Color orange = lk::Palette[3], green = lk::Palette[2], purple = lk::RGB(128, 0, 128);
  midCurve(1, 10, orange, " in the middle of T_2");
  midCurve(1, 20, orange, " in the middle of the true graph");
  midCurve(1, 20, green, " in the middle of the approximation's graph");
  midCurve(2, 20, purple, " in the middle of the error curve");
  Learner l;
  l.type(QStringLiteral("2,3"));
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 1);
    EXPECT_TRUE(ColourNear(w.pic(1)->surface(), w.px(0), w.py(-1), orange));
    EXPECT_SCREEN(&w, " after T_2");
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_SCREEN(&w, " at the menu after section 1");
  PromptWatch prompts([&w](QWidget*, int i) {
    EXPECT_SCREEN(&w, QStringLiteral(" at prompt %1 of section 4").arg(i));
  });
  l.type(QStringLiteral("5"));
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_SCREEN(&w, " at the menu after section 4");
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.degree(), 5);
  EXPECT_EQ(prompts.count(), kFirstRunPrompts);
  EXPECT_GT(w.maxError(), 0.0f);
  EXPECT_LT(w.maxError(), w.eMax());
  lk::EndProgram();
}

// Starting the program again and again, each time drawing a curve, keeps
// nothing behind.
TEST(MinimaxfitWindow, RestartsDoNotGrowTheProcess) {
  lk::test::ExpectDialogUsesKeepMemoryFlat([] { return std::make_unique<mainWindow>(); });
  const long growth = lk::test::RestartGrowthKb(
      [] { return std::make_unique<mainWindow>(); },
      [](lk::LessonWindow& w, Learner& l) {
        // The section runs from the event loop, so the learner keeps answering.
        // The key goes in once the window has loaded and takes keys: until
        // the learner's first answer has been given, it is tried again.
        auto* key = new QTimer(&w);
        QObject::connect(key, &QTimer::timeout, &w, [&w, &l, key] {
          const int before = l.pending();
          lk::test::PressKey(&w, Qt::Key_1);
          if (l.pending() < before) key->stop();
        });
        key->start(5);
        l.type(QStringLiteral("7"));
        AnswerProposal(l, Then::Cancel, [&w](QWidget*) {
          EXPECT_EQ(static_cast<mainWindow&>(w).curves().Count(), 1);
        });
      },
      30);
  if (lk::test::MemoryFiguresMeaningful()) {
    EXPECT_LT(growth, 3000) << "kB";
  }
}

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(MinimaxfitWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 104, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}
