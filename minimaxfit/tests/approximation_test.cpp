// The approximation sections driven as a learner would: the truncation typed
// or kept, every prompt answered, and the pages read back on the way.  The
// test main runs a jumping clock, so paced curves and tables finish at once.
#include <QTest>
#include <cmath>

#include <gtest/gtest.h>

#include "chebyshev.h"
#include "dialogs.h"
#include "learner.h"
#include "mainwindow.h"
#include "pages.h"
#include "program.h"

namespace mm = minimaxfit;

using lk::test::AnswerProposal;
using lk::test::ColourNear;
using lk::test::Learner;
using lk::test::PromptWatch;
using lk::test::Then;
using lk::test::TypeInto;

TEST(MinimaxfitWindow, LogarithmWithNineTermsThroughAllPages) {
  mainWindow w;
  w.Start();
  // The sum cut off at M = 9, from the coefficients the window holds.
  auto cut = [&w](double x) { return mm::fnCheb(w.coefficients(), 9, 0.5, 2, x); };
  const lk::Color tick = lk::RGB(51, 51, 200);
  PromptWatch prompts([&](QWidget*, int i) {
    const lk::Surface& plot = w.pic(1)->surface();
    const lk::Surface& errors = w.pic(2)->surface();
    switch (i) {
      case kCoefficients:
        // ln x = ln(1.25 + 0.75 y) has the series c_0 = ln(9/8), c_k = 2 (-1)^(k+1)/(k 3^k),
        // which the interpolation at 15 nodes meets to within 3e-9.
        EXPECT_NEAR(w.coefficients()[0], std::log(9.0 / 8.0), 1e-12);
        for (int k = 1; k <= mm::N; ++k) {
          const double series = (k % 2 ? 2.0 : -2.0) / (k * std::pow(3.0, k));
          EXPECT_NEAR(w.coefficients()[k], series, 5e-9) << k;
        }
        EXPECT_EQ(w.textSize(), 11.0f);
        break;
      case kTrueGraph:
        EXPECT_TRUE(w.pic(1)->isVisible());
        EXPECT_FALSE(w.pic(2)->isVisible());
        for (double x : {0.6, 1.5, 1.9})
          EXPECT_TRUE(ColourNear(plot, w.px(x), w.py(std::log(x)), lk::RGB(255, 165, 0))) << x;
        // The axes: the vertical one at x = 1, the ticks 0.2 apart.
        EXPECT_EQ(plot.PixelAt(w.px(1), w.py(0.5)), tick);
        EXPECT_EQ(plot.PixelAt(w.px(1.4), w.py(0) - 5), tick);
        EXPECT_NE(plot.PixelAt(w.px(1.3), w.py(0) - 5), tick);
        break;
      case kBothGraphs:
        for (double x : {0.55, 1.5})
          EXPECT_TRUE(ColourNear(plot, w.px(x), w.py(cut(x)), lk::RGB(0, 224, 0))) << x;
        break;
      case kErrorFrame: {
        EXPECT_TRUE(w.errorPlot());
        EXPECT_NEAR(w.eMax(), 5.08e-6, 0.01e-6);
        const int mid = int(std::lround((errors.ScaleHeight() - 1) / 2));
        EXPECT_EQ(errors.PixelAt(w.px(0.7), mid), tick);  // the axis halfway down
        EXPECT_EQ(w.pic(2)->geometry().left(), w.pic(1)->geometry().left());
        EXPECT_EQ(w.pic(2)->geometry().size(), w.pic(1)->geometry().size());
        break;
      }
      case kErrorCurve: {
        EXPECT_FALSE(w.errorPlot());
        const double H = errors.ScaleHeight() - 1;
        for (double x : {0.52, 0.9, 1.33, 1.97}) {
          const float e = float(cut(x) - std::log(x));
          EXPECT_TRUE(ColourNear(errors, w.px(x), mm::RangePy(w.eMax(), -w.eMax(), H, e),
                                 lk::RGB(128, 0, 128)))
              << x;
        }
        break;
      }
      case kMaxError:
        EXPECT_EQ(mm::SmallText(w.maxError()), "4.87E-6");
        EXPECT_EQ(w.maxError(), mm::MaxError(w.coefficients(), 9, 1, 0.5, 2));
        break;
      default:
        break;
    }
  });
  Learner l;
  AnswerProposal(l, Then::Enter);  // M = 9 as proposed
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(l.proposals, QStringList{"9"});
  ASSERT_EQ(prompts.count(), kFirstRunPrompts);
  EXPECT_EQ(w.degree(), 9);
  ASSERT_EQ(w.tableX().size(), 17u);
  EXPECT_EQ(w.tableX()[0], "0.50000");
  EXPECT_EQ(w.tableX()[8], "1.25000");
  EXPECT_EQ(w.tableX()[16], "2.00000");
  EXPECT_EQ(w.mode, 0);
  EXPECT_EQ(MenuShown(w), 9);
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(w.pic(i)->isVisible()) << i;
  // The text area keeps the size the section left it at.
  EXPECT_EQ(w.textSize(), 12.0f);
  lk::EndProgram();
}

TEST(MinimaxfitWindow, OddFunctionLowersAnEvenEntryWithoutAsking) {
  mainWindow w;
  w.Start();
  PromptWatch prompts;
  Learner l;
  l.type(QStringLiteral("10"));
  lk::test::PressKey(&w, Qt::Key_3);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(l.proposals, QStringList{"9"});  // one question only
  EXPECT_EQ(w.degree(), 9);
  EXPECT_EQ(prompts.count(), kFirstRunPrompts);
  // ln((1 + x)/(1 - x)) on [-1/3, 1/3] has only odd coefficients, 4 r^k/k with
  // r = (sqrt 2 - 1)^2: the error plot's half height is 1.5 c_11 = 2.07e-9.
  const double r = std::pow(std::sqrt(2.0) - 1, 2);
  EXPECT_NEAR(w.eMax(), 1.5 * 4 * std::pow(r, 11) / 11, 1e-13);
  EXPECT_EQ(w.tableX()[8], "0.0");
  EXPECT_EQ(w.tableX()[0].substr(0, 1), "-");
  lk::EndProgram();
}

TEST(MinimaxfitWindow, OutOfRangeTruncationsAreOfferedTheNearestAndConfirmed) {
  mainWindow w;
  w.Start();
  PromptWatch prompts;
  Learner l;
  l.type(QStringLiteral("1"));
  AnswerProposal(l, Then::Enter);  // 2
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_EQ(l.proposals, (QStringList{"9", "2"}));
  EXPECT_EQ(w.degree(), 2);
  EXPECT_EQ(w.tableX()[8], "0.0");

  l.type(QStringLiteral("12"));
  AnswerProposal(l, Then::Enter, [](QWidget* d) {
    // Only digits go into this box.
    EXPECT_EQ(TypeInto(d, QStringLiteral("-1.5,2e")), QStringLiteral("152"));
    TypeInto(d, QStringLiteral("99999999999999999999"));
  });
  l.type(QString(200, QLatin1Char('9')));
  l.type(QStringLiteral("0"));
  l.cancel();  // leaves at the choice of M
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_TRUE(l.done());
  EXPECT_EQ(l.proposals, (QStringList{"9", "2", "9", "11", "11", "11", "2"}));
  EXPECT_EQ(w.mode, 0);
  EXPECT_FALSE(w.pic(0)->isVisible());
  EXPECT_EQ(w.textSize(), 11.0f);
  lk::EndProgram();
}

TEST(MinimaxfitWindow, IntroductionPausesThreeTimesMoreOnlyOnTheFirstRun) {
  mainWindow w;
  w.Start();
  PromptWatch prompts;
  Learner l;
  l.cancel();
  lk::test::PressKey(&w, Qt::Key_2);
  EXPECT_EQ(prompts.count(), 6);  // five in the introduction, one after the coefficients
  l.cancel();
  lk::test::PressKey(&w, Qt::Key_4);
  EXPECT_EQ(prompts.count(), 9);  // two and one
  EXPECT_TRUE(l.done());
  lk::EndProgram();
}

