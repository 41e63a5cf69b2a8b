// The Kummer lesson's window driven as a learner would: menu keys, the key
// prompts of the narration, energies and triples typed into the dialogs, the
// l labels clicked, the notice answered with a key.  The test main runs a
// jumping clock, so paced curves finish at once.
#include "mainwindow.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "learner.h"
#include "looks.h"
#include "memorycheck.h"
#include "program.h"
#include "screen.h"
#include "sounds.h"

using lk::test::ColourNear;
using lk::test::CountOf;
using lk::test::Learner;
namespace rw = radialwave;

namespace {

// The curves and the potential are drawn two pixels wide.
constexpr int kReach = 2;

std::vector<bool> HintsShown(const mainWindow& w) {
  std::vector<bool> v;
  for (int i = 0; i < 4; ++i) v.push_back(w.lblEs(i)->isVisible());
  return v;
}

lk::FrmNumOpt* Opt(QWidget* d) {
  auto* f = qobject_cast<lk::FrmNumOpt*>(d);
  EXPECT_NE(f, nullptr);
  return f;
}

// Answers the notice of a refused energy: runs check, then presses key on
// the main window, as often as the notice comes.
struct NoticeAnswerer {
  NoticeAnswerer(mainWindow& w, std::function<void()> check = [] {}, int key = Qt::Key_Space) {
    QObject::connect(&timer, &QTimer::timeout, [this, &w, check = std::move(check), key] {
      if (acting || !w.picErr()->isVisible() || lk::Waiting == 0) return;
      acting = true;
      ++count;
      check();
      lk::test::PressKey(&w, key);
      acting = false;
    });
    timer.start(2);
  }
  int count = 0;
  bool acting = false;
  QTimer timer;
};

// The narration's two key prompts.
Learner& PastNarration(Learner& l) { return l.pressKey().pressKey(); }

// Point i of the curve for E, l on the plot.
QPoint At(const mainWindow& w, rw::Kind kind, double E, int l, int i) {
  const rw::CurvePoint p = kind == rw::Kind::Hydrogen
                               ? rw::HydrogenPoint(rw::HydrogenScaleOf(E, l), l, i)
                               : rw::OscillatorPoint(E, l, i);
  return {w.px(p.r), w.py(p.y)};
}

}  // namespace

// ---- Menu and keys -------------------------------------------------------------

TEST(RadialwaveWindow, OpensWithCaptionTitleAndMenu) {
  mainWindow w;
  w.Start();
  EXPECT_EQ(w.windowTitle(), QStringLiteral(" 合流型超幾何関数 ( 第 6 章 )"));
  EXPECT_EQ(w.sTitle()->text(), QStringLiteral("《  合流型超幾何関数　》"));
  const char* captions[] = {"１． 水素原子の動径波動関数", "２． ３次元調和振動子の動径波動関数",
                            "３． クンマーの変換を数値計算により検証する", "４． 終 了 (Esc)",
                            "どれにしますか ?"};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.LblA(i)->text(), QString::fromUtf8(captions[i - 1])) << i;
  EXPECT_EQ(lk::test::MenuLabelsShown(w, {1, 2, 3, 4, 5}), 5);
  EXPECT_FALSE(w.pic()->isVisible());
  EXPECT_FALSE(w.picErr()->isVisible());
  // "どれにしますか ?" and keys that are not items do nothing.
  w.LblA_Click(5);
  lk::test::PressKey(&w, Qt::Key_5);
  lk::test::PressKey(&w, Qt::Key_F5);
  EXPECT_EQ(w.sectionKind(), 0);
  EXPECT_FALSE(lk::Ending());
  lk::EndProgram();
}

TEST(RadialwaveWindow, MenuKeysOpenTheirSectionsOrEnd) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    int kind;  // 0: the key ends the program
  };
  const Case cases[] = {{Qt::Key_1, Qt::NoModifier, 1},     {Qt::Key_F1, Qt::NoModifier, 1},
                        {Qt::Key_1, Qt::KeypadModifier, 1}, {Qt::Key_2, Qt::NoModifier, 2},
                        {Qt::Key_F2, Qt::NoModifier, 2},    {Qt::Key_3, Qt::NoModifier, 3},
                        {Qt::Key_F3, Qt::NoModifier, 3},    {Qt::Key_4, Qt::NoModifier, 0},
                        {Qt::Key_F4, Qt::NoModifier, 0},    {Qt::Key_Escape, Qt::NoModifier, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    mainWindow w;
    w.Start();
    Learner l;
    int seen = -1;
    if (c.kind != 3) PastNarration(l);
    else l.pressKey();
    l.atDialog([&](QWidget*) {
      seen = w.sectionKind();
      EXPECT_FALSE(w.LblA(1)->isVisible());
      EXPECT_EQ(w.mode, c.kind == 3 ? 0 : 20);
    }).cancel();
    lk::test::PressKey(&w, c.key, c.mods);
    if (c.kind == 0) {
      EXPECT_TRUE(lk::Ending());
      continue;
    }
    EXPECT_EQ(seen, c.kind);
    EXPECT_EQ(w.sectionKind(), 0);
    EXPECT_TRUE(w.LblA(1)->isVisible());
    EXPECT_FALSE(lk::Ending());
    lk::EndProgram();
  }
}

// ---- Section 1 ----------------------------------------------------------------

TEST(RadialwaveWindow, HydrogenGroundStateAndARunawayThenANewSet) {
  mainWindow w;
  w.Start();
  const int beeps = lk::BeepCount();
  const double X = 50;
  QImage firstRow;
  auto rowBand = [&] {
    const QRect band(0, int(0.04 * w.plot.H), int(0.35 * w.plot.W), int(0.06 * w.plot.H));
    return w.pic()->surface().Image().copy(band);
  };
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("-.5"));
  l.atDialog([&](QWidget*) {
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(w.rowTexts(), QStringList{"-0.5"});
    EXPECT_EQ(HintsShown(w), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(w.lastCurvePoints(), 221);
    // 0.55 e^(-r) in the entry after palette entry 2, the start above the
    // top of the picture (0.55 > 0.53).
    for (double r : {1.0, 2.0, 4.0}) {
      const int i = int(r * 200 / X);
      EXPECT_TRUE(ColourNear(s, w.px(r), w.py(0.55 * std::exp(-r)), lk::Palette[3], kReach)) << r;
      EXPECT_EQ(At(w, rw::Kind::Hydrogen, -0.5, 0, i), QPoint(w.px(r), w.py(0.55 * std::exp(-r))));
    }
    EXPECT_LT(w.py(0.55), 0);
    // The red mark at -0.5 on the energy axis; the potential in green.
    EXPECT_EQ(s.PixelAt(w.px(0.02 * X), w.py(-0.5)), lk::RGB(255, 0, 0));
    EXPECT_TRUE(ColourNear(s, w.px(10), w.py(-0.1), lk::RGB(0, 210, 0), kReach));
    firstRow = rowBand();
  }).type(QStringLiteral("-0.4"));
  l.atDialog([&](QWidget*) {
    // E = -0.4 runs away at r = 11, the 45th point, with a beep.
    EXPECT_EQ(w.lastCurvePoints(), 44);
    EXPECT_EQ(lk::BeepCount(), beeps + 1);
    EXPECT_EQ(w.rowCount(), 2);
  }).cancel();  // two rows: a fresh set
  l.atDialog([&](QWidget*) {
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(w.rowCount(), 0);
    EXPECT_EQ(CountOf(s, lk::Palette[3]), 0);
    EXPECT_EQ(CountOf(s, lk::Palette[4]), 0);
  }).type(QStringLiteral("-0.5"));
  l.atDialog([&](QWidget*) {
    // "-.5" and "-0.5" show the same row.
    EXPECT_EQ(rowBand(), firstRow);
  }).cancel();  // one row: the section ends
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.sectionKind(), 0);
  EXPECT_EQ(w.mode, 0);
  EXPECT_FALSE(w.pic()->isVisible());
  EXPECT_TRUE(w.LblA(5)->isVisible());
  lk::EndProgram();
}

TEST(RadialwaveWindow, ZeroEnergyShowsTheNoticeWaitsForAKeyAndAsksAgain) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  NoticeAnswerer notice(w, [&] {
    EXPECT_EQ(w.Label1()->text(), QStringLiteral("エネルギー値は負に限ります."));
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 1);
    EXPECT_EQ(lk::test::OpenDialog(), nullptr);
    QTest::qWait(30);  // it keeps waiting
    EXPECT_TRUE(w.picErr()->isVisible());
  }, Qt::Key_2);  // a menu key only continues: no section inside the section
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("0"));
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(notice.count, 1);
    EXPECT_FALSE(w.picErr()->isVisible());
    EXPECT_EQ(w.sectionKind(), 1);
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(w.rowTexts(), QStringList{"0"});
    EXPECT_EQ(w.pic()->surface().PixelAt(w.px(1), w.py(0)), lk::RGB(255, 0, 0));
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.sectionKind(), 0);
  lk::EndProgram();
}

TEST(RadialwaveWindow, LOneHidesTheGroundLevelAndDrawsNothingAtMinusHalf) {
  mainWindow w;
  w.Start();
  Learner l;
  PastNarration(l);
  l.atDialog([&](QWidget* d) { QTest::mouseClick(Opt(d)->Label[1], Qt::LeftButton); });
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(lk::OptIndex, 1);
    EXPECT_EQ(HintsShown(w), (std::vector<bool>{false, true, true, true}));
  }).type(QStringLiteral("-0.5"));
  l.atDialog([&](QWidget*) {
    // n = 1 admits no l = 1: the function is 0 everywhere, on the axis.
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(w.lastCurvePoints(), 221);
    EXPECT_TRUE(ColourNear(s, w.px(30), w.py(0), lk::Palette[3], kReach));
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

// Nothing a learner types ends the lesson: odd texts are refused with the
// notice or drawn until they run away, and the dialog comes back.
TEST(RadialwaveWindow, HostileEnergiesAreAnsweredNotFatal) {
  const QStringList hydrogen = {"1e999", "-", "1.2.3", ",,,", "-99999999999999999999", "-0", ".",
                                "-1.2.3", "-.00000000000000000000000001",
                                QString(300, QLatin1Char('9')), "-" + QString(300, QLatin1Char('9'))};
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  NoticeAnswerer notice(w);
  Learner l;
  PastNarration(l);
  for (const QString& t : hydrogen) l.type(t);
  l.atDialog([&](QWidget* d) {
    EXPECT_EQ(w.rowCount(), int(hydrogen.size()));
    EXPECT_EQ(notice.count, 7);  // every text whose value is 0 or more
    EXPECT_EQ(lk::test::OpenDialog(), d);
    // What the row cannot hold as typed, it shows as the value.
    const QStringList rows = w.rowTexts();
    EXPECT_EQ(rows.mid(rows.size() - 3), (QStringList{"-1E-26", "1E+300", "-1E+300"}));
    EXPECT_EQ(rows[4], QStringLiteral("-1E+20"));
  }).cancel();
  l.cancel();
  // Eighteen rows fill the picture; the nineteenth energy is refused.
  PastNarration(l);
  for (int i = 0; i < 19; ++i) l.type(QStringLiteral("-0.0555555555555"));
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(w.rowCount(), 18);
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 7 + 1);
  }).cancel();
  l.cancel();
  // The oscillator: the box takes no minus sign; huge energies run away.
  PastNarration(l);
  l.atDialog([&](QWidget* d) {
    QTest::keyClicks(Opt(d)->txtNum, QStringLiteral("-1e999"));
    EXPECT_EQ(Opt(d)->txtNum->text(), QStringLiteral("1999"));
    QTest::keyClick(Opt(d)->txtNum, Qt::Key_Return);
  });
  for (const QString& t : {QStringLiteral("99999999999999999999"), QStringLiteral(","),
                           QStringLiteral("1.2.3"), QString(300, QLatin1Char('9'))})
    l.type(t);
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(w.rowCount(), 5);
    EXPECT_EQ(notice.count, 7);
  }).cancel();
  l.cancel();
  for (int key : {Qt::Key_1, Qt::Key_1, Qt::Key_2}) lk::test::PressKey(&w, key);
  EXPECT_TRUE(l.done());
  EXPECT_FALSE(lk::Ending());
  EXPECT_EQ(w.sectionKind(), 0);
  lk::EndProgram();
}

// Esc ends the program in the middle of a curve: nothing more is drawn.
TEST(RadialwaveWindow, EscDuringACurveEndsTheProgramAtOnce) {
  mainWindow w;
  lk::Surface& s = w.pic()->surface();
  const auto shown = s.Changed;
  int curveStrokes = 0, strokesAfterEnd = 0;
  s.Changed = [&] {
    if (lk::Ending()) {
      ++strokesAfterEnd;
    } else if (w.lastCurvePoints() > 0 && ++curveStrokes == 60) {
      QTimer::singleShot(0, [&] { lk::test::PressKey(&w, Qt::Key_Escape); });
    }
    shown();
  };
  w.Start();
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("-0.5"));
  lk::test::PressKey(&w, Qt::Key_1);
  s.Changed = shown;
  EXPECT_TRUE(lk::Ending());
  EXPECT_EQ(strokesAfterEnd, 0);
  EXPECT_GT(w.lastCurvePoints(), 0);
  EXPECT_LT(w.lastCurvePoints(), 100);
  EXPECT_EQ(lk::test::OpenDialog(), nullptr);
}

// ---- Section 2 ------------------------------------------------------------------

TEST(RadialwaveWindow, OscillatorGroundStateInTheChosenColour) {
  mainWindow w;
  w.Start();
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("1.5,7"));
  l.atDialog([&](QWidget*) {
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(HintsShown(w), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(w.lblEs(0)->text(), QStringLiteral("1.5,  3.5, ･･･"));
    EXPECT_EQ(w.rowTexts(), QStringList{"1.5,7"});
    EXPECT_EQ(w.lastCurvePoints(), 221);
    // e^(-r^2/2) from 10 at r = 0 toward the line at 5, in palette entry 7.
    for (double r : {0.0, 0.5, 1.0, 2.0})
      EXPECT_TRUE(ColourNear(s, w.px(r), w.py(5 * (std::exp(-r * r / 2) + 1)), lk::Palette[7], kReach)) << r;
    EXPECT_EQ(w.py(10), At(w, rw::Kind::Oscillator, 1.5, 0, 0).y());
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

TEST(RadialwaveWindow, PickingAnotherLStartsAFreshSetForThatL) {
  mainWindow w;
  w.Start();
  const lk::Color green = lk::RGB(0, 210, 0);
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("1.5"));
  // l = 2 with an empty box: a new set, only the hint of l = 2.
  l.atDialog([&](QWidget* d) { QTest::mouseClick(Opt(d)->Label[2], Qt::LeftButton); });
  l.atDialog([&](QWidget*) {
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(lk::OptIndex, 2);
    EXPECT_EQ(HintsShown(w), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(w.rowCount(), 0);
    EXPECT_EQ(CountOf(s, lk::Palette[3]), 0);  // the curve for 1.5 is gone
    // The potential 3/r^2 + r^2/2 for l = 2, not r^2/2.
    EXPECT_TRUE(ColourNear(s, w.px(2), w.py(0.75 + 2), green, kReach));
    EXPECT_FALSE(ColourNear(s, w.px(2), w.py(2), green, kReach));
  }).type(QStringLiteral("3.5"));
  // 3.5 is the lowest level of l = 2: r^2 e^(-r^2/2) stays bounded.
  l.atDialog([&](QWidget* d) {
    EXPECT_EQ(w.lastCurvePoints(), 221);
    EXPECT_TRUE(ColourNear(w.pic()->surface(), w.px(1.5), w.py(5 * (2.25 * std::exp(-1.125) + 1)),
                           lk::Palette[3], kReach));
    // l = 1 with an energy typed: the picture is redrawn for l = 1 and the
    // energy drawn at once; the hints wait for the next set.
    QTest::keyClicks(Opt(d)->txtNum, QStringLiteral("2.5"));
    QTest::mouseClick(Opt(d)->Label[1], Qt::LeftButton);
  });
  l.atDialog([&](QWidget*) {
    const lk::Surface& s = w.pic()->surface();
    EXPECT_EQ(lk::OptIndex, 1);
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(w.rowTexts(), QStringList{"2.5"});
    EXPECT_EQ(w.lastCurvePoints(), 221);
    EXPECT_EQ(HintsShown(w), (std::vector<bool>{false, false, true, false}));
    EXPECT_TRUE(ColourNear(s, w.px(2), w.py(0.25 + 2), green, kReach));
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.sectionKind(), 0);
  lk::EndProgram();
}

TEST(RadialwaveWindow, NegativeOscillatorEnergyGetsItsOwnNotice) {
  mainWindow w;
  w.Start();
  NoticeAnswerer notice(w, [&] {
    EXPECT_EQ(w.Label1()->text(), QStringLiteral("エネルギー値は 0 以上に限ります."));
  });
  Learner l;
  PastNarration(l);
  l.atDialog([&](QWidget* d) {
    Opt(d)->txtNum->setText(QStringLiteral("-1"));  // pasted: the keys would not let it in
    QTest::keyClick(Opt(d)->txtNum, Qt::Key_Return);
  });
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(notice.count, 1);
    EXPECT_EQ(w.lastCurvePoints(), 0);
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

// ---- Section 3 ------------------------------------------------------------------

TEST(RadialwaveWindow, KummerRefusesPolesAndScrollsFromTheFifthTriple) {
  mainWindow w;
  w.Start();
  const int dings = lk::SoundCount(lk::Sound::Ding);
  int tops[5] = {};  // of the places 1 to 4, as the first four results fill them
  Learner l;
  l.pressKey();
  for (const char* t : {"1,0,1", "1,-2,1", "1,2", "12", "1e999", ",,,", "-,-,-", ".,.,.",
                        "1,2,99999999999999999999", "99999999999999999999,1,1"})
    l.type(QString::fromUtf8(t));
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(lk::SoundCount(lk::Sound::Ding), dings + 10);
    EXPECT_EQ(w.results().Slot(), 0);
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(w.ku(k)->isVisible());
    EXPECT_TRUE(w.ku(0)->isVisible());
  }).type(QStringLiteral("1,2,1"));
  // 100,1,100: a deviation far beyond the single range, by cancellation.
  for (const char* t : {"1,0.5,1", "1,-2.5,1", "100,1,100"}) l.type(QString::fromUtf8(t));
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(w.results().Record(4).a, 100);
    const rw::KummerRecord& first = w.results().Record(1);
    EXPECT_NEAR(first.sides.L, 1 - std::exp(-1.0), 1e-15);
    EXPECT_NEAR(first.sides.Rt, 1 - std::exp(-1.0), 1e-15);
    EXPECT_EQ(w.results().Record(3).c, -2.5);
    // A column under the header in the order entered, evenly spaced, with a
    // gap between each two.
    for (int k = 1; k <= 4; ++k) {
      tops[k] = w.ku(k)->y();
      EXPECT_TRUE(w.ku(k)->isVisible()) << k;
      EXPECT_EQ(w.ku(k)->x(), w.ku(0)->x()) << k;
      w.ku(k)->repaint();
      EXPECT_GT(lk::test::InkCount(w.ku(k)->surface()), 200) << k;
    }
    EXPECT_GT(tops[1], w.ku(0)->geometry().bottom() + 1);
    for (int k = 2; k <= 4; ++k) {
      EXPECT_GT(tops[k], w.ku(k - 1)->geometry().bottom() + 1) << k;
      EXPECT_NEAR(tops[k] - tops[k - 1], tops[2] - tops[1], 1) << k;
    }
    EXPECT_LE(w.ku(4)->geometry().bottom(), w.height());
  }).type(QStringLiteral("5,2,1"));
  l.atDialog([&](QWidget*) {
    // The fifth replaced the oldest: it stands at the bottom, the others
    // moved up one place in their order.
    EXPECT_EQ(w.results().Record(1).a, 5);
    EXPECT_EQ(w.ku(2)->y(), tops[1]);
    EXPECT_EQ(w.ku(3)->y(), tops[2]);
    EXPECT_EQ(w.ku(4)->y(), tops[3]);
    EXPECT_EQ(w.ku(1)->y(), tops[4]);
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_3);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.sectionKind(), 0);
  for (int k = 0; k <= 4; ++k) EXPECT_FALSE(w.ku(k)->isVisible()) << k;
  EXPECT_TRUE(w.LblA(3)->isVisible());

  // Entering again starts with an empty list; the first result stands
  // directly under the header.
  l.pressKey();
  l.atDialog([&](QWidget*) {
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(w.ku(k)->isVisible());
    EXPECT_EQ(w.results().Slot(), 0);
  }).type(QStringLiteral("1,2,"));
  l.atDialog([&](QWidget*) {
    EXPECT_EQ(w.results().Slot(), 1);
    EXPECT_EQ(w.results().Record(1).x, 0);
    EXPECT_EQ(w.results().Record(1).sides.d, 0.0f);
    EXPECT_EQ(w.ku(1)->y(), tops[1]);
    EXPECT_FALSE(w.ku(2)->isVisible());
  }).cancel();
  lk::test::PressKey(&w, Qt::Key_3);
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

// ---- Random input ----------------------------------------------------------------

// Seeded random keys and clicks; then, in a fresh window, section 1 with
// l = 1 draws the level n = 2 to its end, section 2 its ground state, and
// section 3 still takes triples; the screen shows each whole, also in the
// middle of a curve.
TEST(RadialwaveWindow, RandomInputThenTheLessonStillWorks) {
  const int refused = lk::BeepCount() + lk::SoundCount(lk::Sound::Ding);
  for (std::uint32_t seed : {21u, 22u, 23u}) {
    const auto run = lk::test::RunRandomInput(seed, 2000, [] { return std::make_unique<mainWindow>(); });
    EXPECT_EQ(run.events, 2000) << seed;
    EXPECT_GE(run.programs, 1) << seed;
  }
  // Letters refused by the boxes, energies refused, curves run away: the
  // input got into the sections.
  EXPECT_GT(lk::BeepCount() + lk::SoundCount(lk::Sound::Ding), refused);

  mainWindow w;
  w.Start();
  // The screen in the middle of the curve of sections 1 and 2.
  for (int kind : {1, 2})
    lk::test::WhenDrawn(
        w.pic()->surface(),
        [&w, kind] { return w.sectionKind() == kind && w.lastCurvePoints() == rw::kLastPoint / 2; },
        [&w, kind] { EXPECT_SCREEN(&w, QStringLiteral(" in the middle of a curve of section %1").arg(kind)); });
  Learner l;
  PastNarration(l);
  l.atDialog([](QWidget* d) { QTest::mouseClick(Opt(d)->Label[1], Qt::LeftButton); })
      .type(QStringLiteral("-0.125"))
      .atDialog([&w](QWidget*) {
        EXPECT_EQ(lk::OptIndex, 1);
        EXPECT_EQ(w.lastCurvePoints(), 221);
        const QPoint p = At(w, rw::Kind::Hydrogen, -0.125, 1, 40);
        EXPECT_TRUE(ColourNear(w.pic()->surface(), p.x(), p.y(), lk::Palette[3], kReach));
        EXPECT_SCREEN(&w, " after the curve of section 1");
      }).cancel();
  PastNarration(l).type(QStringLiteral("1.5,7")).atDialog([&w](QWidget*) {
    EXPECT_EQ(w.lastCurvePoints(), 221);
    EXPECT_SCREEN(&w, " after the curve of section 2");
  }).cancel();
  l.pressKey();
  l.type(QStringLiteral("1,2,1")).type(QStringLiteral("-2.5,1.5,30"));
  l.atDialog([&](QWidget*) {
    EXPECT_TRUE(w.ku(2)->isVisible());
    EXPECT_SCREEN(&w, " with two results of section 3");
  }).cancel();
  for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
    lk::test::PressKey(&w, key);
    EXPECT_SCREEN(&w, " at the menu after a section");
  }
  EXPECT_TRUE(l.done());
  lk::test::PressKey(&w, Qt::Key_Escape);
  EXPECT_TRUE(lk::Ending());
}

// The window manager's close of a dialog is its cancel: the energy typed
// into it is not drawn, and with one row the section ends; in section 3 it
// leaves the section.
TEST(RadialwaveWindow, ClosingADialogByTheWindowManagerIsItsCancel) {
  mainWindow w;
  w.Start();
  Learner l;
  PastNarration(l);
  l.type(QStringLiteral("-0.5"));
  l.atDialog([](QWidget* d) {
    QTest::keyClicks(Opt(d)->txtNum, QStringLiteral("-0.4"));
    d->close();
  });
  lk::test::PressKey(&w, Qt::Key_1);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(lk::LastKey, 27);
  EXPECT_EQ(w.lastCurvePoints(), 221);  // the -0.5, not the runaway -0.4
  EXPECT_EQ(w.sectionKind(), 0);
  l.pressKey();
  l.atDialog([](QWidget* d) { d->close(); });
  lk::test::PressKey(&w, Qt::Key_3);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(w.sectionKind(), 0);
  EXPECT_FALSE(w.ku(0)->isVisible());
  EXPECT_FALSE(lk::Ending());
  lk::EndProgram();
}

// Starting the lesson again and again, each time through section 3 with one
// triple, keeps nothing behind: the resident memory stays flat.
TEST(RadialwaveWindow, RestartsDoNotGrowMemory) {
  if (!lk::test::MemoryFiguresMeaningful()) GTEST_SKIP() << "the sanitizer's allocator holds memory back";
  lk::test::ExpectDialogUsesKeepMemoryFlat(
      [] { return std::make_unique<mainWindow>(); },
      {lk::test::DialogKind::NumberWithChoice, lk::test::DialogKind::Number});
  const long growth = lk::test::RestartGrowthKb(
      [] { return std::make_unique<mainWindow>(); },
      [](lk::LessonWindow& lw, Learner& l) {
        auto& w = static_cast<mainWindow&>(lw);
        l.then([&w] { lk::test::PressKey(&w, Qt::Key_3); })
            .pressKey()
            .type(QStringLiteral("1,2,1"))
            .atDialog([&w](QWidget*) {
              EXPECT_TRUE(w.ku(1)->isVisible());
            }).cancel();
      },
      35);
  EXPECT_LT(growth, 16 * 1024);
}

// The long run, started by hand (--gtest_also_run_disabled_tests);
// LESSONS_RANDOM_SEEDS and LESSONS_RANDOM_EVENTS change it.
TEST(RadialwaveWindow, DISABLED_RandomInputSoak) {
  lk::test::RunRandomPlan(lk::test::RandomPlanFromEnv({100, 104, 20000}),
                          [] { return std::make_unique<mainWindow>(); });
}
