// The Fourier series lesson's window driven as a learner would: keys and
// clicks at the menu, numbers typed (or dropped) into the entry row, and the
// figure read back pixel by pixel.  A menu key returns when its section is
// over; the test main runs a jumping clock, so the paced curves finish at once.
#include "mainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <numbers>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"

using lk::test::ColourNear;

namespace {

constexpr double kPi = std::numbers::pi;

// Answers the entry row in order: each step waits until the row asks for a
// number, then acts.  A step that does not answer (a refused entry) leaves
// the question open for the next step.  Steps run from a posted call, so a
// section that was started from a key keeps turning its own wait meanwhile.
// A watchdog ends the program when a question is never answered.
class Row : public QObject {
 public:
  explicit Row(mainWindow& w) : w_(w) {
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(1);
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
      ADD_FAILURE() << "the entry row was left waiting; " << steps_.size() << " steps left";
      lk::EndProgram();
    });
    watchdog_.start(60000);
  }
  // At the question: run f (inspect, type, click ...).
  Row& at(std::function<void()> f) {
    steps_.push_back(std::move(f));
    return *this;
  }
  // Notes the proposal, clears the box, types key by key, then "O K" by Enter.
  Row& type(const QString& text) {
    return at([this, text] {
      proposals << w_.txtN()->text();
      w_.txtN()->clear();
      QTest::keyClicks(w_.txtN(), text);
      QTest::keyClick(w_.txtN(), Qt::Key_Return);
    });
  }
  // Enter on the proposal.
  Row& accept() {
    return at([this] {
      proposals << w_.txtN()->text();
      QTest::keyClick(w_.txtN(), Qt::Key_Return);
    });
  }
  Row& cancel() {
    return at([this] {
      proposals << w_.txtN()->text();
      QTest::mouseClick(w_.btnCancel(), Qt::LeftButton);
    });
  }
  bool done() const { return steps_.empty(); }
  QStringList proposals;

 private:
  void Poll() {
    if (steps_.empty() || acting_ || !w_.entryWaiting() || !w_.btnOK()->isVisible()) return;
    std::function<void()> step = std::move(steps_.front());
    steps_.pop_front();
    acting_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, step] {
          step();
          acting_ = false;
        },
        Qt::QueuedConnection);
  }
  mainWindow& w_;
  std::deque<std::function<void()>> steps_;
  QTimer timer_, watchdog_;
  bool acting_ = false;
};

// The first row at least `run` pixels of colour c long left of column xMax;
// -1 when none.  Picks a legend stroke out of the text beside it.
int StrokeRow(const lk::Surface& s, lk::Color c, int xMax, int run) {
  for (int y = 0; y < s.HeightPx(); ++y) {
    int n = 0;
    for (int x = 0; x < xMax; ++x) n += s.PixelAt(x, y) == c;
    if (n >= run) return y;
  }
  return -1;
}

double SquareSum(int M, double x) {
  double s = 0;
  for (int k = 1; k <= 2 * M - 1; k += 2) s += 4 / (k * kPi) * std::sin(k * x);
  return s;
}

bool MenuShown(const mainWindow& w) {
  for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 10, 43, 44, 45})
    if (!w.lblA(i)->isVisible()) return false;
  return w.pic(1)->isVisible() && w.pic2pi()->isVisible();
}

bool EntryRowShown(const mainWindow& w) {
  return w.lblN()->isVisible() && w.txtN()->isVisible();
}

}  // namespace

// ---- Menu and keys -------------------------------------------------------

TEST(WavesumWindow, OpensWithCaptionIntroductionAndMenu) {
  mainWindow w;
  w.Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" フーリエ級数 ( 54-55 ページ )"));
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(w.Title()->text(), QStringLiteral("《 フーリエ級数展開 》"));
  EXPECT_EQ(w.lblA(8)->text(), QStringLiteral("　周期 2π を持つ周期関数は，三角関数を使って，フーリエ級数に"));
  EXPECT_EQ(w.lblA(10)->text(), QStringLiteral("どの程度良く もとの関数を再現するかを調べましょう。"));
  EXPECT_EQ(w.lblA(1)->text(), QStringLiteral("１． 方 形 波"));
  EXPECT_EQ(w.lblA(2)->text(), QStringLiteral("２． 三 角 波"));
  EXPECT_EQ(w.lblA(3)->text(), QString());
  EXPECT_EQ(w.lblA(4)->text(), QStringLiteral("４． ギブスの現象を見る."));
  EXPECT_EQ(w.lblA(6)->text(), QStringLiteral("５． 終 了 (Esc)"));
  EXPECT_EQ(w.lblA(7)->text(), QStringLiteral("どれにしますか ？"));
  EXPECT_EQ(w.lblA(45)->text(), QStringLiteral("(4.5)"));
  EXPECT_TRUE(MenuShown(w));
  EXPECT_FALSE(EntryRowShown(w));
  EXPECT_FALSE(w.pic(0)->isVisible());
  // Item 3 and the 2π are typeset into their pictures.
  QCoreApplication::processEvents();
  w.pic(1)->repaint();
  w.pic2pi()->repaint();
  EXPECT_GT(lk::test::InkCount(w.pic(1)->surface()), 100);
  EXPECT_GT(lk::test::InkCount(w.pic2pi()->surface()), 30);
  // The 2π picture covers the "2π" of the first line: it starts after
  // "　周期 " and lies within the line.
  EXPECT_GT(w.pic2pi()->x(), w.lblA(8)->x() + 40);
  EXPECT_LT(w.pic2pi()->x(), w.lblA(8)->x() + 90);
  EXPECT_GE(w.pic2pi()->y(), w.lblA(8)->y());
  lk::EndProgram();
}

TEST(WavesumWindow, MenuKeysStartTheirSectionsAtTheMenuOnly) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    int section;
  };
  const Case cases[] = {{Qt::Key_1, Qt::NoModifier, 1},  {Qt::Key_F1, Qt::NoModifier, 1},
                        {Qt::Key_2, Qt::KeypadModifier, 2}, {Qt::Key_F2, Qt::NoModifier, 2},
                        {Qt::Key_3, Qt::NoModifier, 3},  {Qt::Key_F3, Qt::NoModifier, 3},
                        {Qt::Key_4, Qt::NoModifier, 4},  {Qt::Key_F4, Qt::NoModifier, 4}};
  const QString limits[] = {"50", "10", "5", "1000"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    mainWindow w;
    w.Start();
    lk::test::PressKey(&w, Qt::Key_6);  // not an item
    lk::test::PressKey(&w, Qt::Key_A);
    EXPECT_EQ(w.mode, 0);
    Row row(w);
    row.at([&] {
      EXPECT_EQ(w.mode, 10 * c.section);
      EXPECT_FALSE(MenuShown(w));
      EXPECT_TRUE(EntryRowShown(w));
      EXPECT_TRUE(w.pic(0)->isVisible());
      // The frame and the exact function are drawn before the row asks.
      EXPECT_GT(lk::test::InkCount(w.pic(0)->surface()), 1000);
      EXPECT_EQ(w.lblN()->text(),
                QStringLiteral("フーリエ級数の項数(１～") + limits[c.section - 1] + QStringLiteral(" )"));
      // Menu keys and Esc at the window do nothing during a section.
      w.Form_KeyDown(lk::key::Digit0 + 2, 0);
      w.Form_KeyDown(lk::key::Esc, 0);
      w.Form_KeyDown(lk::key::Digit0 + 5, 0);
      EXPECT_EQ(w.mode, 10 * c.section);
      EXPECT_FALSE(lk::Ending());
    });
    row.cancel();
    lk::test::PressKey(&w, c.key, c.mods);
    EXPECT_TRUE(row.done());
    EXPECT_EQ(row.proposals, QStringList{c.section == 4 ? "50" : "1"});
    EXPECT_EQ(w.mode, 0);
    EXPECT_TRUE(MenuShown(w));
    EXPECT_FALSE(EntryRowShown(w));
    EXPECT_FALSE(w.btnOK()->isVisible());
    EXPECT_FALSE(w.pic(0)->isVisible());
    EXPECT_FALSE(lk::Ending());
    lk::EndProgram();
  }
}

TEST(WavesumWindow, EndKeysAndTheEndItemEndTheProgram) {
  for (int key : {Qt::Key_5, Qt::Key_F5, Qt::Key_Escape}) {
    mainWindow w;
    w.Start();
    lk::test::PressKey(&w, key);
    EXPECT_TRUE(lk::Ending()) << key;
  }
  mainWindow w;
  w.Start();
  QTest::mouseClick(w.lblA(6), Qt::LeftButton);
  EXPECT_TRUE(lk::Ending());
}

// Item 3 is a picture: a click on it starts the section of key 3.
TEST(WavesumWindow, AClickOnTheDrawnItemStartsSectionThree) {
  mainWindow w;
  w.Start();
  Row row(w);
  row.at([&] {
    EXPECT_EQ(w.mode, 30);
    EXPECT_EQ(w.section().number, 3);
  });
  row.cancel();
  QTest::mouseClick(w.pic(1), Qt::LeftButton, Qt::NoModifier, QPoint(60, 15));
  EXPECT_TRUE(row.done());
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}

// ---- The entry row ---------------------------------------------------------

TEST(WavesumWindow, SquareWaveCorrectsSixtyToFiftyWithABeepAndDrawsIt) {
  mainWindow w;
  w.Start();
  Row row(w);
  const int beeps = lk::BeepCount();
  lk::Color first = 0, second = 0;
  row.type(QStringLiteral("60"));
  row.at([&] {
    EXPECT_EQ(lk::BeepCount(), beeps + 1);
    EXPECT_EQ(w.txtN()->text(), QStringLiteral("50"));
    EXPECT_EQ(w.curveCount(), 0);
    QTest::mouseClick(w.btnOK(), Qt::LeftButton);
  });
  row.at([&] {
    first = lk::CurColor;
    EXPECT_EQ(w.curveCount(), 1);
    EXPECT_EQ(w.terms(), 50);
    EXPECT_EQ(w.txtN()->text(), QStringLiteral("50"));  // the last M is offered again
  });
  row.type(QStringLiteral("1"));
  row.at([&] {
    second = lk::CurColor;
    EXPECT_NE(second, first);
    const lk::Surface& fig = w.pic(0)->surface();
    // M = 1: (4/pi) sin x peaks at 1.2732 at pi/2 and again, periods on,
    // at pi/2 - 2pi, where no other curve passes.
    EXPECT_TRUE(ColourNear(fig, w.px(kPi / 2), w.py(4 / kPi), second));
    EXPECT_TRUE(ColourNear(fig, w.px(kPi / 2 - 2 * kPi), w.py(4 / kPi), second));
    EXPECT_TRUE(ColourNear(fig, w.px(-kPi / 2), w.py(-4 / kPi), second));
    // M = 50 where the direct sum puts it, between the wiggles.
    for (double x : {0.8, 2.3, -2.0, 5.5})
      EXPECT_TRUE(ColourNear(fig, w.px(x), w.py(SquareSum(50, x)), first, 1)) << x;
    // A repaint of the figure keeps what the section drew.
    w.pic(0)->repaint();
    EXPECT_TRUE(ColourNear(fig, w.px(kPi / 2), w.py(4 / kPi), second));
    // The frame: the axis in black, the square wave in blue, the background.
    EXPECT_EQ(fig.PixelAt(w.px(-4.5), w.py(0)), lk::col::Black);
    EXPECT_EQ(fig.PixelAt(w.px(1.0), w.py(1)), lk::col::Blue);
    EXPECT_EQ(fig.PixelAt(w.px(4.0), w.py(-1)), lk::col::Blue);
    EXPECT_EQ(fig.PixelAt(w.px(1.5), w.py(-0.6)), lk::RGB(192, 192, 192));
  });
  row.cancel();
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(row.done());
  EXPECT_EQ(w.mode, 0);
  lk::EndProgram();
}

TEST(WavesumWindow, GibbsViewStepsItsProposalsAndKeepsAValueBetweenTheSteps) {
  mainWindow w;
  w.Start();
  Row row(w);
  for (int i = 0; i < 6; ++i) row.accept();
  row.type(QStringLiteral("300"));
  row.accept();
  std::vector<int> terms;
  row.at([&] { terms.push_back(w.terms()); });
  row.cancel();
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_TRUE(row.done());
  EXPECT_EQ(row.proposals, (QStringList{"50", "100", "200", "500", "1000", "1000", "1000", "300", "300"}));
  EXPECT_EQ(terms, std::vector<int>{300});
  EXPECT_EQ(w.curveCount(), 8);
  lk::EndProgram();
}

TEST(WavesumWindow, GibbsViewDrawsTheOvershootNextToTheJump) {
  mainWindow w;
  w.Start();
  Row row(w);
  row.type(QStringLiteral("50,7"));  // red
  row.at([&] {
    const lk::Surface& fig = w.pic(0)->surface();
    const lk::Color red = lk::Palette[7];
    EXPECT_EQ(lk::CurColor, red);
    // The first peak of the 50-term sum, 1.179 at pi/100, in the wide pen.
    EXPECT_TRUE(ColourNear(fig, w.px(kPi / 100), w.py(1.17901), red));
    EXPECT_TRUE(ColourNear(fig, w.px(-kPi / 100), w.py(-1.17901), red));
    EXPECT_FALSE(ColourNear(fig, w.px(kPi / 100), w.py(1.30), red, 3));
    // Through the middle of the jump.
    EXPECT_TRUE(ColourNear(fig, w.px(0), w.py(0), red));
    // The frame's ticks: 1.18 right of the axis, pi/100 on the x axis.
    EXPECT_EQ(fig.PixelAt(w.px(0) + 3, w.py(1.18)), lk::col::Black);
    EXPECT_EQ(fig.PixelAt(w.px(kPi / 100), w.py(0.03)), lk::col::Black);
  });
  row.cancel();
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_TRUE(row.done());
  lk::EndProgram();
}

TEST(WavesumWindow, LegendRowsStepDownByFifteenHundredthsInTheirColoursToTheEdge) {
  // Section 2 prints its legend in white from y = 1.15 down; colours chosen
  // with a comma, so no stroke shares a colour with the text.
  mainWindow w;
  w.Start();
  Row row(w);
  const int indices[] = {7, 9, 10};
  for (int i : indices) row.type(QStringLiteral("3,") + QString::number(i));
  std::vector<int> rows;
  row.at([&] {
    const lk::Surface& fig = w.pic(0)->surface();
    for (int i : indices) rows.push_back(StrokeRow(fig, lk::Palette[std::size_t(i)], 250, 20));
    // The text of the rows is white, the exact function's colour.
    EXPECT_GT(lk::test::InkCount(fig, 0, float(w.py(1.15)), 40, float(w.py(0.75))), 20);
  });
  // Seventeen rows reach down to -1.25; the eighteenth, at -1.4, would run
  // off the figure's lower edge: "O K" dings and the row waits.
  const int dings = lk::SoundCount(lk::Sound::Ding);
  for (int i = 0; i < 16; ++i) row.accept();
  row.at([&] {
    EXPECT_EQ(w.curveCount(), 17);
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 2);
    EXPECT_TRUE(w.entryWaiting());
  });
  row.cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  ASSERT_EQ(rows.size(), 3u);
  const double step = w.py(1.0) - w.py(1.15);  // 0.15 in pixels
  for (std::size_t i = 0; i < 3; ++i) {
    // Legend row `count` of section 2 stands at y = 1.3 - 0.15 count.
    EXPECT_GT(rows[i], w.py(1.3 - 0.15 * double(i + 1)));
    if (i > 0) {
      EXPECT_NEAR(rows[i] - rows[i - 1], step, 1.0) << i;
    }
  }
  lk::EndProgram();
}

TEST(WavesumWindow, HostileTextsAreFilteredOrCorrectedNeverDrawnOutOfRange) {
  struct Case {
    const char* text;
    const char* typedShows;    // what the filter lets into the box
    const char* wholeShows;    // what "O K" leaves in the box for the whole text
  };
  // Section 3 takes 1 .. 5 terms.
  const Case cases[] = {
      {"1e999", "1999", "5"}, {"-", "", "1"},     {"1.2.3", "123", nullptr},
      {",,,", ",,,", "1"},    {"99999999999999999999", "99999999999999999999", "5"},
      {"-0", "0", "1"},       {".", "", "1"},     {"abcxyz", "", "1"},
      {"0", "0", "1"},        {"-4", "4", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    mainWindow w;
    w.Start();
    Row row(w);
    row.at([&] {
      w.txtN()->clear();
      QTest::keyClicks(w.txtN(), QString::fromUtf8(c.text));
      EXPECT_EQ(w.txtN()->text(), QString::fromUtf8(c.typedShows));
      // A drop or a paste passes the same filter.
      w.txtN()->clear();
      w.txtN()->InsertFiltered(QString::fromUtf8(c.text));
      EXPECT_EQ(w.txtN()->text(), QString::fromUtf8(c.typedShows));
      // Whatever still reaches the box whole is checked by "O K" itself.
      w.txtN()->setText(QString::fromUtf8(c.text));
      const int beeps = lk::BeepCount();
      QTest::mouseClick(w.btnOK(), Qt::LeftButton);
      if (c.wholeShows) {
        EXPECT_TRUE(w.entryWaiting());
        EXPECT_EQ(w.txtN()->text(), QString::fromUtf8(c.wholeShows));
        EXPECT_EQ(lk::BeepCount(), beeps + 1);
        QTest::mouseClick(w.btnOK(), Qt::LeftButton);  // the corrected value is drawn
      }
    });
    row.at([&] {
      EXPECT_EQ(w.curveCount(), 1);
      EXPECT_GE(w.terms(), 1);
      EXPECT_LE(w.terms(), 5);
    });
    row.cancel();
    lk::test::PressKey(&w, Qt::Key_3);
    EXPECT_TRUE(row.done());
    EXPECT_FALSE(lk::Ending());
    lk::EndProgram();
  }
}

TEST(WavesumWindow, EmptyEntryCancelAndEscReturnToTheMenu) {
  enum Way { Empty, Cancel, Esc, DownThenOK };
  for (Way way : {Empty, Cancel, Esc, DownThenOK}) {
    SCOPED_TRACE(int(way));
    mainWindow w;
    w.Start();
    Row row(w);
    row.at([&] {
      switch (way) {
        case Empty:
          w.txtN()->clear();
          QTest::keyClick(w.txtN(), Qt::Key_Return);
          break;
        case Cancel: QTest::mouseClick(w.btnCancel(), Qt::LeftButton); break;
        case Esc: QTest::keyClick(w.txtN(), Qt::Key_Escape); break;
        case DownThenOK:
          QTest::keyClick(w.txtN(), Qt::Key_Down);
          EXPECT_TRUE(w.txtN()->text().isEmpty());
          QTest::mouseClick(w.btnOK(), Qt::LeftButton);
          break;
      }
    });
    lk::test::PressKey(&w, Qt::Key_2);
    EXPECT_TRUE(row.done());
    EXPECT_EQ(w.mode, 0);
    EXPECT_EQ(w.curveCount(), 0);
    EXPECT_TRUE(MenuShown(w));
    EXPECT_FALSE(EntryRowShown(w));
    EXPECT_FALSE(lk::Ending());
    // The menu answers again.
    Row again(w);
    again.cancel();
    lk::test::PressKey(&w, Qt::Key_1);
    EXPECT_TRUE(again.done());
    lk::EndProgram();
  }
}

TEST(WavesumWindow, EachFunctionIsDrawnInItsColourAcrossTheFigure) {
  struct Case {
    int key;
    double x, y;  // a point of the exact function away from the axes
    lk::Color colour;
  };
  const Case cases[] = {{Qt::Key_1, 1.0, 1.0, lk::col::Blue},
                        {Qt::Key_1, -4.0, 1.0, lk::col::Blue},
                        {Qt::Key_2, kPi / 4, 0.5, lk::col::White},
                        {Qt::Key_2, -0.75 * kPi, -0.5, lk::col::White},
                        {Qt::Key_3, kPi / 2, 1.0, lk::col::White},
                        {Qt::Key_3, 1.5 * kPi, -1.0, lk::col::White},
                        {Qt::Key_4, 0.05, 1.0, lk::col::Blue},
                        {Qt::Key_4, -0.05, -1.0, lk::col::Blue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    mainWindow w;
    w.Start();
    Row row(w);
    row.at([&] {
      const lk::Surface& fig = w.pic(0)->surface();
      EXPECT_TRUE(ColourNear(fig, w.px(c.x), w.py(c.y), c.colour));
      // The title is printed near the top left.
      EXPECT_GT(lk::test::InkCount(fig, 5, 5, 300, 40), 100);
    });
    row.cancel();
    lk::test::PressKey(&w, c.key);
    EXPECT_TRUE(row.done());
    lk::EndProgram();
  }
}

TEST(WavesumWindow, APeriodTakesTwoSeconds) {
  // The clock nearly stands still between the waits, so the time read is
  // the time the pacing asked for, not the time the drawing took.
  lk::SetSpeed(1e-4);
  mainWindow w;
  w.Start();
  Row row(w);
  double before = 0, wide = 0, narrow = 0;
  row.at([&] { before = lk::Now(); });
  row.accept();
  row.at([&] {
    wide = lk::Now() - before;
    before = lk::Now();
  });
  row.cancel();
  lk::test::PressKey(&w, Qt::Key_1);
  Row gibbs(w);
  gibbs.at([&] { before = lk::Now(); });
  gibbs.accept();
  gibbs.at([&] { narrow = lk::Now() - before; });
  gibbs.cancel();
  lk::test::PressKey(&w, Qt::Key_4);
  // -5 .. 7 is 12 / 2pi periods; -0.1 .. 0.1 a thirtieth of one.
  EXPECT_NEAR(wide, 12 / (2 * kPi) * 2, 0.1);
  EXPECT_NEAR(narrow, 0.2 / (2 * kPi) * 2, 0.02);
  lk::EndProgram();
  lk::SetSpeed(50);
}

// ---- Random input --------------------------------------------------------

// What a learner does after any storm of input: in each section three terms
// in red, "キャンセル" back to the menu; then Esc.  The screen must show
// what the window holds half-way through each curve and at its end.
void ScriptedPath() {
  mainWindow w;
  w.Start();
  for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
    Row row(w);
    row.at([&] {
      lk::Surface& s = w.pic(0)->surface();
      lk::test::WhenDrawn(s, [&s] { return s.CurrentX >= s.ScaleWidth() / 2; },
                          [&w] { EXPECT_SCREEN(&w, "half-way through a curve"); });
    });
    row.type(QStringLiteral("3,7"));
    row.at([&] {
      EXPECT_SCREEN(&w, "a section with its curve");
      EXPECT_EQ(w.curveCount(), 1);
      EXPECT_GT(lk::test::InkCount(w.pic(0)->surface()), 1000);
      // The 3-term triangle sum crosses zero at pi/2 like the triangle.
      if (key == Qt::Key_2) {
        EXPECT_TRUE(ColourNear(w.pic(0)->surface(), w.px(kPi / 2), w.py(0), lk::Palette[7]));
      }
    });
    row.cancel();
    lk::test::PressKey(&w, key);
    EXPECT_TRUE(row.done()) << "the scripted path stopped half-way";
    EXPECT_EQ(w.mode, 0);
    EXPECT_TRUE(MenuShown(w));
  }
  lk::test::PressKey(&w, Qt::Key_Escape);
  EXPECT_TRUE(lk::Ending());
  lk::ResetProgram();
}

// Seeded random keys and clicks: the lesson neither hangs nor crashes and
// keeps restarting after each end; after each storm a fresh window still
// answers the scripted path and draws.
TEST(WavesumWindow, RandomInput) {
  for (std::uint32_t seed : {21u, 22u, 23u}) {
    const auto run = lk::test::RunRandomInput(seed, 2000, [] {
      return std::unique_ptr<lk::LessonWindow>(new mainWindow);
    });
    EXPECT_EQ(run.events, 2000) << "seed " << seed;
    EXPECT_GE(run.programs, 1) << "seed " << seed;
    SCOPED_TRACE(seed);
    ScriptedPath();
  }
}

// Every start of the lesson gives back what it took: thirty starts, each
// drawing one partial sum of the Gibbs view, leave the memory flat.
TEST(WavesumWindow, RestartsDoNotGrowMemory) {
  if (!lk::test::MemoryFiguresMeaningful()) GTEST_SKIP() << "allocator keeps freed memory";
  int drawn = 0;
  const long growth = lk::test::RestartGrowthKb(
      [] { return std::make_unique<mainWindow>(); },
      [&drawn](lk::LessonWindow& lw, lk::test::Learner& l) {
        // The section runs inside the key press; the program ends after it.
        auto over = std::make_shared<bool>(false);
        l.then([&lw, &drawn, over] {
          auto& w = static_cast<mainWindow&>(lw);
          Row row(w);
          row.accept().at([&] { drawn += w.curveCount(); }).cancel();
          lk::test::PressKey(&w, Qt::Key_4);
          *over = true;
        }).when([over] { return *over; }, [] {});
      },
      30);
  EXPECT_EQ(drawn, 30);
  EXPECT_LT(growth, 8 * 1024) << growth << " kB";
}

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(WavesumWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 104, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}
