// The delta function lesson's window driven as a learner would: keys at the
// menu and at the prompts, entries typed into the number dialog, the
// pictures and the window's own text read back pixel by pixel.  The test main
// runs a jumping clock, so paced curves finish at once.
#include "mainwindow.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "memorycheck.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"

using lk::test::AnswerProposal;
using lk::test::ColourNear;
using lk::test::ColumnHas;
using lk::test::CountOf;
using lk::test::Dialog;
using lk::test::InkCount;
using lk::test::Learner;
using lk::test::MenuLabelsShown;
using lk::test::PlacedAt;
using lk::test::PromptWatch;
using lk::test::RowsOf;
using lk::test::Then;
using lk::test::TypeInto;

namespace {

constexpr double kPi = std::numbers::pi;
const lk::Color kAxis = lk::RGB(51, 51, 192), kGraph = lk::RGB(192, 0, 96);

// The world-to-pixel mapping of a picture, written out independently of the
// window: x to the right, y upwards, rounded to the nearest pixel.
struct Frame {
  double xmin, xmax, ymin, ymax, W, H;
  int px(double x) const { return int(std::lround((x - xmin) / (xmax - xmin) * W)); }
  int py(double y) const { return int(std::lround((ymax - y) / (ymax - ymin) * H)); }
};
Frame StepFrame(const lk::Picture* p) { return {-1, 1, -0.2, 1.2, double(p->width()), double(p->height())}; }
Frame PlotFrame(const lk::Picture* p) { return {-1, 1, -5, 20, double(p->width()), double(p->height())}; }

// The height of a line of the narration (12 points), in twips.
float LineHeight() {
  lk::Surface probe(10, 10, lk::ScaleMode::Twips);
  probe.FontSize = 12;
  return probe.TextHeight(QStringLiteral("A"));
}

// Ink of the window's own text on narration line k (lines start at 2h).
int InkOnLine(mainWindow& w, float k) {
  const float h = LineHeight();
  const lk::Surface& f = w.form();
  return InkCount(f, 0, (2 + k) * h + 0.1f * h, 5000, (3 + k) * h - 0.1f * h);
}

}  // namespace

// ---- Menu and keys -------------------------------------------------------

TEST(SpikelimitWindow, OpensWithCaptionTitleAndMenu) {
  mainWindow w;
  w.Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" デルタ関数　( 第 ３ 章 )"));
  EXPECT_EQ(w.title()->text(), QStringLiteral("《　デ ル タ 関 数　》"));
  EXPECT_EQ(w.LblA(1)->text(), QStringLiteral("１． デルタ関数の説明"));
  EXPECT_EQ(w.LblA(2)->text(), QStringLiteral("２． 関数の極限として定義されるデルタ関数"));
  EXPECT_EQ(w.LblA(3)->text(), QStringLiteral("３． 終 了 (Esc)"));
  EXPECT_EQ(w.LblA(4)->text(), QStringLiteral("どれにしますか ？"));
  EXPECT_EQ(w.size(), QSize(lk::Tw(9510), lk::Tw(6720)));
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(w.L(), 10);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4}), 4);
  for (int i = 0; i <= 3; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  // The question is not an item: a click on it neither ends nor starts.
  QTest::mouseClick(w.LblA(4), Qt::LeftButton);
  EXPECT_FALSE(lk::Ending());
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}

TEST(SpikelimitWindow, MenuKeysStartTheirSectionsAndThreeOrEscEnd) {
  struct Case {
    int key;
    int sectionMode;  // mode at the first prompt or dialog; 0: the key ends
  };
  const Case cases[] = {{Qt::Key_1, 10}, {Qt::Key_F1, 10}, {Qt::Key_2, 20},
                        {Qt::Key_F2, 20}, {Qt::Key_3, 0},   {Qt::Key_Escape, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    mainWindow w;
    w.Start();
    lk::test::PressKey(&w, Qt::Key_4);  // not an item
    lk::test::PressKey(&w, Qt::Key_F3);
    EXPECT_FALSE(lk::Ending());
    int seen = -1;
    PromptWatch prompts([&](QWidget*, int i) { if (i == 0) seen = w.mode; });
    Learner l;
    if (c.sectionMode == 20)
      AnswerProposal(l, Then::Cancel, [&](QWidget*) {
        seen = w.mode;
        EXPECT_TRUE(w.pic(0)->isVisible());
      });
    lk::test::PressKey(&w, c.key);
    if (c.sectionMode == 0) {
      EXPECT_TRUE(lk::Ending());
      continue;
    }
    EXPECT_EQ(seen, c.sectionMode);
    EXPECT_TRUE(l.done());
    EXPECT_EQ(w.mode, 0);
    EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4}), 4);
    EXPECT_FALSE(lk::Ending());
    lk::EndProgram();
  }
}

TEST(SpikelimitWindow, EscAtAKeyPromptEndsTheProgram) {
  mainWindow w;
  w.Start();
  Learner l;
  l.pressKey();
  l.pressKey(Qt::Key_Escape);
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  EXPECT_TRUE(lk::Ending());
  EXPECT_FALSE(w.isVisible());
}

// ---- Section 1 -----------------------------------------------------------

TEST(SpikelimitWindow, SectionOneStepsThroughItsPicturesAndNarration) {
  mainWindow w;
  w.Start();
  struct Seen {
    int mode;
    bool shown[4];
    int ink[5];  // narration lines 0, 3.5, 6.5, 11 and 13
  };
  std::vector<Seen> seen;
  PromptWatch watch([&](QWidget*, int) {
    Seen s{w.mode, {}, {}};
    for (int i = 0; i <= 3; ++i) s.shown[i] = w.pic(i)->isVisible();
    const float lines[] = {0, 3.5f, 6.5f, 11, 13};
    for (int k = 0; k < 5; ++k) s.ink[k] = InkOnLine(w, lines[k]);
    seen.push_back(s);
    EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4}), 0);
    // Menu keys do nothing while the section runs.
    w.Form_KeyDown(lk::key::Digit0 + 2, 0);
    w.Form_KeyDown(lk::key::Digit0 + 3, 0);
    EXPECT_EQ(w.mode, s.mode);
    EXPECT_FALSE(lk::Ending());
  });
  lk::test::PressKey(&w, Qt::Key_1);
  ASSERT_EQ(seen.size(), 4u);
  for (int step = 0; step < 4; ++step) {
    SCOPED_TRACE(step);
    const Seen& s = seen[std::size_t(step)];
    EXPECT_EQ(s.mode, 10 + step);
    EXPECT_FALSE(s.shown[0]);
    EXPECT_TRUE(s.shown[1]);
    EXPECT_EQ(s.shown[2], step >= 1);
    EXPECT_EQ(s.shown[3], step >= 2);
    // Each step adds its lines to those before.
    EXPECT_GT(s.ink[0], 0);
    EXPECT_EQ(s.ink[1] > 0, step >= 1);
    EXPECT_EQ(s.ink[2] > 0, step >= 2);
    EXPECT_EQ(s.ink[3] > 0, step >= 3);
    EXPECT_EQ(s.ink[4] > 0, step >= 3);
    if (step > 0) {
      EXPECT_EQ(s.ink[0], seen[0].ink[0]);  // repainted, not printed twice
    }
  }
  // Back at the menu: the pictures are hidden and the narration is gone.
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4}), 4);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  EXPECT_EQ(InkCount(w.form()), 0);
  // Back at the menu, "2" starts section 2.
  Learner l;
  AnswerProposal(l, Then::Cancel, [&](QWidget*) { EXPECT_EQ(w.mode, 20); });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

TEST(SpikelimitWindow, SectionOnePicturesShowKinkStepAndSpike) {
  mainWindow w;
  w.Start();
  QPoint promptAt;
  PromptWatch watch([&](QWidget* p, int) {
    if (w.mode != 13) return;
    promptAt = p->pos();
    // Stacked down the right, each 2 % of a picture's height below the last.
    const double tops[] = {600, 2650.2, 4700.4};  // twips
    for (int i = 1; i <= 3; ++i)
      EXPECT_EQ(w.pic(i)->geometry(), QRect(lk::Tw(5190), lk::Tw(tops[i - 1]), lk::Tw(3960), lk::Tw(2010)))
          << i;
    const lk::Surface& kink = w.pic(1)->surface();
    const lk::Surface& step = w.pic(2)->surface();
    const lk::Surface& spike = w.pic(3)->surface();
    const Frame f = StepFrame(w.pic(1));
    // The vertical axis, then each graph where it belongs and nowhere else.
    EXPECT_EQ(kink.PixelAt(f.px(0), f.py(0.7)), kAxis);
    EXPECT_TRUE(ColourNear(kink, f.px(-0.6), f.py(0), kGraph));
    EXPECT_TRUE(ColourNear(kink, f.px(0.5), f.py(0.5), kGraph));
    EXPECT_TRUE(ColourNear(kink, f.px(0.9), f.py(0.9), kGraph));
    EXPECT_EQ(kink.PixelAt(f.px(0.5), f.py(0.9)), lk::col::PlotBack);
    EXPECT_TRUE(ColourNear(step, f.px(-0.6), f.py(0), kGraph));
    EXPECT_TRUE(ColourNear(step, f.px(0), f.py(0.25), kGraph));
    EXPECT_TRUE(ColourNear(step, f.px(0.6), f.py(0.5), kGraph));
    EXPECT_EQ(step.PixelAt(f.px(0.6), f.py(0.25)), lk::col::PlotBack);
    EXPECT_EQ(step.PixelAt(f.px(0), f.py(0.7)), kAxis);  // the step stops at 0.5
    EXPECT_TRUE(ColourNear(spike, f.px(0.6), f.py(0), kGraph));
    EXPECT_TRUE(ColourNear(spike, f.px(0), f.py(1.1), kGraph));
    EXPECT_TRUE(ColourNear(spike, f.px(0), 0, kGraph));  // up to the top edge
    EXPECT_EQ(spike.PixelAt(f.px(0.6), f.py(0.5)), lk::col::PlotBack);
    // The labels f(x), f'(x), f''(x) near the top left of each picture.
    for (int i = 1; i <= 3; ++i)
      EXPECT_GT(InkCount(w.pic(i)->surface(), f.px(-0.45), 0, f.px(-0.05), f.py(0.7)), 20) << i;
  });
  lk::test::PressKey(&w, Qt::Key_F1);
  EXPECT_LE((promptAt - PlacedAt(w, 0, 0.94)).manhattanLength(), 1);
  lk::EndProgram();
}

// ---- Section 2 -----------------------------------------------------------

TEST(SpikelimitWindow, EntriesAreKeptBetweenTenAndSixtyThreeAndDrawnInTheirColours) {
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("5"));
  l.type(QStringLiteral("100"));
  l.type(QStringLiteral("20,3"));
  l.type(QStringLiteral("10"));
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    EXPECT_EQ(w.mode, 20);
    const spikelimit::CurveList& c = w.curves();
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c.At(1).L, 20);
    EXPECT_EQ(c.At(1).color, lk::Palette[3]);
    EXPECT_EQ(c.At(2).L, 10);
    EXPECT_EQ(c.At(2).color, lk::Palette[4]);

    const lk::Surface& s = w.pic(0)->surface();
    const Frame f = PlotFrame(w.pic(0));
    // The peaks: 20/pi = 6.37 in entry 3, 10/pi = 3.18 in entry 4.
    EXPECT_TRUE(ColourNear(s, f.px(0), f.py(20 / kPi), lk::Palette[3]));
    EXPECT_TRUE(ColourNear(s, f.px(0), f.py(10 / kPi), lk::Palette[4]));
    EXPECT_FALSE(ColourNear(s, f.px(0), f.py(8), lk::Palette[3]));
    // Away from the peak, where the curves part.
    for (double x : {-0.9, -0.37, 0.25, 0.8}) {
      EXPECT_TRUE(ColourNear(s, f.px(x), f.py(std::sin(20 * x) / (kPi * x)), lk::Palette[3])) << x;
      EXPECT_TRUE(ColourNear(s, f.px(x), f.py(std::sin(10 * x) / (kPi * x)), lk::Palette[4])) << x;
    }

    // The list: "L = 20" with its swatch in the first row, "L = 10" below.
    const float h = LineHeight() / lk::kTwipsPerPixel;
    auto [first3, last3] = RowsOf(w.form(), lk::Palette[3]);
    auto [first4, last4] = RowsOf(w.form(), lk::Palette[4]);
    EXPECT_GE(first3, int(8 * h));
    EXPECT_LE(last3, int(9 * h) + 1);
    EXPECT_GE(first4, int(9 * h));
    EXPECT_LE(last4, int(10 * h) + 1);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(l.proposals, (QStringList{" 10", " 10", " 63", " 20", " 10"}));

  // The empty entry went back to the menu: pictures hidden, text and list gone.
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuLabelsShown(w, {1, 2, 3, 4}), 4);
  EXPECT_FALSE(w.pic(0)->isVisible());
  EXPECT_EQ(w.curves().Count(), 0);
  EXPECT_EQ(InkCount(w.form()), 0);

  // The next visit proposes the last accepted L and starts a fresh plot and
  // list, in the palette from its start.
  Learner again;
  AnswerProposal(again, Then::Enter);
  AnswerProposal(again, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 1);
    EXPECT_EQ(w.curves().At(1).color, lk::Palette[1]);
    EXPECT_EQ(CountOf(w.pic(0)->surface(), lk::Palette[3]), 0);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_EQ(again.proposals, (QStringList{" 10", " 10"}));
  lk::EndProgram();
}

TEST(SpikelimitWindow, OddTextsNeverCrashAndOnlyWholeNumbersGetIn) {
  mainWindow w;
  w.Start();
  struct Case {
    const char* typed;
    const char* inBox;  // what the filter lets in
    const char* next;   // the proposal after Enter
  };
  const Case cases[] = {
      {"1e999", "1999", " 63"},
      {"1.2.3", "123", " 63"},
      {",,,", nullptr, " 10"},
      {"99999999999999999999", "99999999999999999999", " 63"},
      {"-0", "0", " 10"},
      {"40,-99", "40,99", " 40"},  // the colour index is clamped to the palette
      {"33333333333333333333333333333333333333333333333333,2", nullptr, " 63"},
  };
  Learner l;
  for (const Case& c : cases)
    l.atDialog([&l, c](QWidget* d) {
      l.proposals << Dialog(d)->txtNum->text();
      const QString in = TypeInto(d, QString::fromUtf8(c.typed));
      if (c.inBox) {
        EXPECT_EQ(in, QString::fromUtf8(c.inBox)) << c.typed;
      }
      QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
    });
  AnswerProposal(l, Then::Cancel, [&](QWidget*) {
    ASSERT_EQ(w.curves().Count(), 1);
    EXPECT_EQ(w.curves().At(1).L, 40);
    EXPECT_EQ(w.curves().At(1).color, lk::Palette[15]);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  ASSERT_TRUE(l.done());
  QStringList expected{" 10"};
  for (const Case& c : cases) expected << QString::fromUtf8(c.next);
  EXPECT_EQ(l.proposals, expected);
  EXPECT_FALSE(lk::Ending());

  // "-" and "." get nothing into the box, and a box left empty or blank
  // leaves the section like a cancel.
  for (const char* text : {"-", ".", " "}) {
    SCOPED_TRACE(text);
    Learner out;
    out.atDialog([&](QWidget* d) {
      EXPECT_EQ(TypeInto(d, QString::fromUtf8(text)).trimmed(), QString());
      QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
    });
    lk::test::PressKey(&w, Qt::Key_2);
    EXPECT_TRUE(out.done());
    EXPECT_EQ(w.mode, 0);
    EXPECT_FALSE(w.pic(0)->isVisible());
  }
  lk::EndProgram();
}

// The window manager's close of the dialog is its cancel: typed 50 and
// closed goes back to the menu without drawing 50.
TEST(SpikelimitWindow, ClosingTheDialogByTheWindowManagerLeavesTheSection) {
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("20"));
  l.atDialog([&](QWidget* d) {
    TypeInto(d, QStringLiteral("50,4"));
    d->close();
  });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(w.L(), 20);
  EXPECT_EQ(CountOf(w.pic(0)->surface(), lk::Palette[4]), 0);
  EXPECT_FALSE(lk::Ending());
  lk::EndProgram();
}

TEST(SpikelimitWindow, AFullListRefusesMoreCurvesWithADingAndStaysOnTheWindow) {
  mainWindow w;
  w.Start();
  int room = 0, dialogTop = 0, dings = 0;
  QImage plot, list;
  Learner l;
  l.atDialog([&](QWidget* d) {
    room = w.ListRoom();
    dialogTop = d->y() - w.geometry().top();
    TypeInto(d, QStringLiteral("63,1"));  // its peak runs off the top
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  // The rest of the rows; their colours walk on through the palette.
  l.atDialog([&](QWidget* d) {
    ASSERT_GE(room, 10);  // two columns at least
    ASSERT_LE(room, 20);
    for (int i = 3; i <= room; ++i) l.type(QString::number(10 + i));
    l.atDialog([&](QWidget* full) {
      EXPECT_EQ(w.curves().Count(), room);
      // No row runs under the dialog or behind the plot.
      const lk::Surface& f = w.form();
      EXPECT_GT(InkCount(f, 0, 0, 5000, 6720), 0);
      EXPECT_EQ(InkCount(f, 0, float(dialogTop) * lk::kTwipsPerPixel, f.ScaleWidth(), f.ScaleHeight()), 0);
      EXPECT_EQ(InkCount(f, 5000, 0, f.ScaleWidth(), f.ScaleHeight()), 0);
      dings = lk::SoundCount(lk::Sound::Ding);
      plot = w.pic(0)->surface().Image();
      list = f.Image();
      TypeInto(full, QStringLiteral("30,9"));
      QTest::keyClick(Dialog(full)->txtNum, Qt::Key_Return);
    });
    // Refused: the dialog asks again with the last L, and every curve and
    // row drawn so far stays.
    AnswerProposal(l, Then::Cancel, [&](QWidget* d) {
      EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 1);
      EXPECT_EQ(Dialog(d)->txtNum->text(), QStringLiteral(" ") + QString::number(10 + room));
      EXPECT_EQ(w.curves().Count(), room);
      EXPECT_TRUE(w.pic(0)->surface().Image() == plot);
      EXPECT_TRUE(w.form().Image() == list);
      const Frame f = PlotFrame(w.pic(0));
      EXPECT_TRUE(ColourNear(w.pic(0)->surface(), f.px(0), f.py(63 / kPi) + 2, lk::Palette[1]));
    });
    TypeInto(d, QStringLiteral("12"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.mode, 0);
  // The next visit takes curves again.
  Learner again;
  again.type(QStringLiteral("30"));
  AnswerProposal(again, Then::Cancel, [&](QWidget*) { EXPECT_EQ(w.curves().Count(), 1); });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(again.done());
  lk::EndProgram();
}

TEST(SpikelimitWindow, PlotFrameHeadingAndDialogSitWhereDesigned) {
  mainWindow w;
  w.Start();
  Learner l;
  AnswerProposal(l, Then::Cancel, [&](QWidget* d) {
    EXPECT_LE((d->pos() - PlacedAt(w, 0, 0.92)).manhattanLength(), 1);
    EXPECT_EQ(w.pic(0)->geometry(), QRect(lk::Tw(5000), lk::Tw(600), lk::Tw(4500), lk::Tw(5400)));
    const lk::Surface& s = w.pic(0)->surface();
    const Frame f = PlotFrame(w.pic(0));
    // The axes through 0, the ticks on the x axis (longer at +-0.5) and on
    // the y axis left of it.
    EXPECT_EQ(s.PixelAt(f.px(0), f.py(17)), kAxis);
    EXPECT_EQ(s.PixelAt(f.px(-0.75), f.py(0)), kAxis);
    EXPECT_EQ(s.PixelAt(f.px(0.5), f.py(0.45)), kAxis);
    EXPECT_EQ(s.PixelAt(f.px(0.3), f.py(0.2)), kAxis);
    EXPECT_NE(s.PixelAt(f.px(0.3), f.py(0.45)), kAxis);
    EXPECT_EQ(s.PixelAt(f.px(-0.03), f.py(10)), kAxis);
    EXPECT_EQ(s.PixelAt(f.px(0.03), f.py(10)), lk::col::PlotBack);
    EXPECT_EQ(s.PixelAt(f.px(0.5), f.py(10)), lk::col::PlotBack);
    // Labels: the tick numbers beside the y axis and below the x axis, x on
    // the right.
    for (double y : {5.0, 10.0, 15.0})
      EXPECT_GT(InkCount(s, f.px(0.05), f.py(y + 0.43), f.px(0.3), f.py(y - 0.6)), 5) << y;
    EXPECT_GT(InkCount(s, f.px(-0.6), f.py(-0.2), f.px(-0.35), f.py(-1.2)), 5);
    EXPECT_GT(InkCount(s, f.px(0.44), f.py(-0.2), f.px(0.65), f.py(-1.2)), 5);
    EXPECT_GT(InkCount(s, f.px(0.9), f.py(-1), f.W, f.py(-2.5)), 5);
    // The heading with its formula fills the top left of the window, and
    // the formula's fraction bar is black.
    const lk::Surface& form = w.form();
    const float h = LineHeight();
    for (float k : {0.0f, 3.5f, 4.5f}) EXPECT_GT(InkOnLine(w, k), 0) << k;
    EXPECT_GT(InkCount(form, 0, 3.3f * h, 4000, 4.0f * h), 0);  // the numerator
    const int barY = int(4.1f * h / lk::kTwipsPerPixel);
    EXPECT_TRUE(ColumnHas(form, lk::Tw(1500), barY - 1, barY + 1, lk::col::Black));
    // The prompt of the dialog names L.
    auto* num = Dialog(d);
    num->picNum->repaint();
    EXPECT_GT(InkCount(num->picNum->surface()), 50);
    EXPECT_EQ(num->txtNum->cursorPosition(), num->txtNum->text().size());
  });
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

// The clock stands still but for the paced waits, which it jumps: the time
// between two dialogs is what the drawing between them waited for.
TEST(SpikelimitWindow, ACurveTakesFourSecondsAndARefusedEntryNone) {
  lk::test::ClockSpeed still(1e-9);
  mainWindow w;
  w.Start();
  std::vector<double> at;
  Learner l;
  auto answer = [&](const QString& text) { lk::test::AnswerNotingTime(l, at, text); };
  answer(QStringLiteral("63"));
  answer(QStringLiteral("7"));
  answer(QStringLiteral("12"));
  answer(QString());
  lk::test::PressKey(&w, Qt::Key_2);
  ASSERT_EQ(at.size(), 4u);
  EXPECT_NEAR(at[1] - at[0], 4.0, 1e-3);
  EXPECT_NEAR(at[2] - at[1], 0.0, 1e-3);
  EXPECT_NEAR(at[3] - at[2], 4.0, 1e-3);
  lk::EndProgram();
}

// On the real clock, Esc while a curve is being drawn ends the program and
// the curve stops where it was.
TEST(SpikelimitWindow, EscDuringACurveEndsTheProgram) {
  const double speed = lk::Speed();
  lk::SetJumpingClock(false);
  lk::SetSpeed(1);
  mainWindow w;
  w.Start();
  Learner l;
  l.type(QStringLiteral("30,5"));
  l.then([&] {
    lk::WaitFor(0.3);
    lk::test::PressKey(&w, Qt::Key_Escape);
  });
  // Had the lesson gone on, it would ask for the next L: leave it then.
  AnswerProposal(l, Then::Cancel, [](QWidget*) { ADD_FAILURE() << "the lesson asked again after Esc"; });
  lk::test::PressKey(&w, Qt::Key_2);
  lk::SetJumpingClock(true);
  lk::SetSpeed(speed);
  EXPECT_EQ(l.pending(), 1);
  EXPECT_TRUE(lk::Ending());
  EXPECT_FALSE(w.isVisible());
  const lk::Surface& s = w.pic(0)->surface();
  const Frame f = PlotFrame(w.pic(0));
  const int drawn = CountOf(s, lk::Palette[5]);
  EXPECT_GT(drawn, 0);
  EXPECT_TRUE(ColourNear(s, f.px(-1), f.py(std::sin(-30.0) / -kPi), lk::Palette[5]));
  EXPECT_FALSE(ColourNear(s, f.px(0), f.py(30 / kPi), lk::Palette[5]));  // the peak never came
  QTest::qWait(50);
  EXPECT_EQ(CountOf(s, lk::Palette[5]), drawn);
}

// ---- Random input --------------------------------------------------------

// What a learner does after any storm of input: section 1 through its four
// prompts, then section 2 with L = 25 in palette entry 2, back to the menu.
// The screen must show what the window holds at the end of each section and
// half-way through the curve.
void ScriptedPath(lk::LessonWindow& lw, Learner& l) {
  auto& w = static_cast<mainWindow&>(lw);
  // The window takes keys only once it has loaded, and the learner may act
  // before that: "1" is pressed until the section has run.
  auto* keys = new QTimer(&w);
  QObject::connect(keys, &QTimer::timeout, &w, [&w, &l, keys] {
    const int before = l.pending();
    lk::test::PressKey(&w, Qt::Key_1);
    if (l.pending() < before) keys->stop();
  });
  keys->start(5);
  for (int i = 0; i < 3; ++i) l.pressKey();
  l.when([&w] { return w.mode == 13 && lk::test::OpenPrompt(); },
         [&w] { EXPECT_SCREEN(&w, "section 1 at its last step"); });
  l.pressKey();
  l.then([&w] {
    EXPECT_EQ(w.mode, 0);
    lk::test::PressKey(&w, Qt::Key_2);
  });
  l.atDialog([&w](QWidget* d) {
    lk::Surface& s = w.pic(0)->surface();
    lk::test::WhenDrawn(s, [&s] { return s.CurrentX >= s.ScaleWidth() / 2; },
                        [&w] { EXPECT_SCREEN(&w, "half-way through the curve"); });
    TypeInto(d, QStringLiteral("25,2"));
    QTest::keyClick(Dialog(d)->txtNum, Qt::Key_Return);
  });
  AnswerProposal(l, Then::Cancel, [&w](QWidget* d) {
    EXPECT_SCREEN(&w, "section 2 with its curve");
    const Frame f = PlotFrame(w.pic(0));
    EXPECT_TRUE(ColourNear(w.pic(0)->surface(), f.px(0), f.py(25 / kPi), lk::Palette[2]));
    EXPECT_EQ(w.curves().Count(), 1);
    EXPECT_EQ(Dialog(d)->txtNum->text(), QStringLiteral(" 25"));
  });
  l.then([&w] {
    EXPECT_EQ(w.mode, 0);
    EXPECT_FALSE(w.pic(0)->isVisible());
  });
}

TEST(SpikelimitWindow, RandomInputThenTheLessonStillWorks) {
  lk::test::ExpectDialogUsesKeepMemoryFlat([] { return std::make_unique<mainWindow>(); });
  lk::test::RunRandomThenScript({21, 22}, 2000, [] { return std::make_unique<mainWindow>(); },
                                ScriptedPath);
}

// The long run, started by hand (./lessons soak spikelimit).
TEST(SpikelimitWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 103, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}
