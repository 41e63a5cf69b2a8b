#include "chebyshev.h"

#include <climits>
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

namespace mm = minimaxfit;

namespace {

mm::Coefficients CoefficientsOf(int kind) {
  const mm::Model m = mm::ModelOf(kind);
  return mm::ChebyshevInterpolation(kind, m.a, m.b);
}

// The sum c(0) + sum c(k) T_k(y) straight from T_k(y) = cos(k arccos y).
double DirectSum(const mm::Coefficients& c, int M, double y) {
  double s = c[0];
  for (int k = 1; k <= M; ++k) s += c[k] * std::cos(k * std::acos(y));
  return s;
}

// The Chebyshev series of ln(alpha + beta y) on [-1, 1] (alpha > beta > 0):
// with q = (alpha - sqrt(alpha^2 - beta^2))/beta the coefficient of T_n is
// 2 (-1)^(n+1) q^n / n.
double LogSeries(double alpha, double beta, int n) {
  const double q = (alpha - std::sqrt(alpha * alpha - beta * beta)) / beta;
  return 2.0 * (n % 2 ? 1.0 : -1.0) * std::pow(q, n) / n;
}

}  // namespace

// ---- Polynomials --------------------------------------------------------

TEST(MinimaxfitChebyshev, EndsZeroAndNegativeDegrees) {
  for (int n = 0; n <= 20; ++n) {
    EXPECT_EQ(mm::Chebyshev(n, 1.0), 1.0) << n;
    EXPECT_EQ(mm::Chebyshev(n, -1.0), n % 2 ? -1.0 : 1.0) << n;
  }
  EXPECT_EQ(mm::Chebyshev(3, 0.5), -1.0);
  EXPECT_EQ(mm::Chebyshev(-2, 0.3), 0.0);
  EXPECT_EQ(mm::Chebyshev(-1, -0.7), 0.0);
  EXPECT_EQ(mm::Chebyshev(INT_MIN, 0.5), 0.0);
  EXPECT_EQ(mm::Chebyshev(0, 7.0), 1.0);
  EXPECT_EQ(mm::Chebyshev(1, 7.0), 7.0);
}

TEST(MinimaxfitChebyshev, IsTheCosineOfAMultipleAngle) {
  for (int n = 0; n <= 20; ++n)
    for (int i = 0; i <= 200; ++i) {
      const double t = std::numbers::pi * i / 200;
      ASSERT_NEAR(mm::Chebyshev(n, std::cos(t)), std::cos(n * t), 1e-12) << n << " " << t;
    }
}

// ---- Models and interpolation ---------------------------------------------

TEST(MinimaxfitInterpolation, NodesAreTheZerosOfT15) {
  for (int k = 1; k <= mm::kNodes; ++k) {
    EXPECT_NEAR(mm::NodeY(k), -std::cos((k - 0.5) * std::numbers::pi / 15), 1e-15);
    EXPECT_NEAR(mm::Chebyshev(15, mm::NodeY(k)), 0.0, 1e-13);
    if (k > 1) {
      EXPECT_GT(mm::NodeY(k), mm::NodeY(k - 1));
    }
  }
  EXPECT_NEAR(mm::NodeX(8, 0.5, 2.0), 1.25, 1e-15);  // the middle node
}

TEST(MinimaxfitInterpolation, ExponentialGivesTwiceTheModifiedBesselValues) {
  const mm::Coefficients c = CoefficientsOf(3);
  EXPECT_NEAR(c[0], std::cyl_bessel_i(0.0, 1.0), 1e-13);
  EXPECT_NEAR(c[1], 2 * std::cyl_bessel_i(1.0, 1.0), 1e-13);
  EXPECT_NEAR(c[0], 1.266066, 1e-6);
  EXPECT_NEAR(c[1], 1.130318, 1e-6);
  for (int j = 2; j <= 12; ++j)
    EXPECT_NEAR(c[j], 2 * std::cyl_bessel_i(double(j), 1.0), 5e-14) << j;
  EXPECT_NEAR(c[10], 5.5e-10, 0.05e-10);
  EXPECT_NEAR(c[12], 1.0e-12, 0.1e-12);
  EXPECT_LT(std::fabs(c[13]), 1e-13);  // rounding level
  EXPECT_LT(std::fabs(c[14]), 1e-13);
  EXPECT_EQ(c[15], 0.0);
  EXPECT_EQ(c[16], 0.0);
}

TEST(MinimaxfitInterpolation, LogarithmCoefficientsAlternateAsTheSeries) {
  // ln x on [0.5, 2] is ln(1.25 + 0.75 y): q = 1/3.
  const mm::Coefficients c = CoefficientsOf(1);
  EXPECT_NEAR(c[0], std::log(1.125), 1e-12);
  EXPECT_NEAR(c[0], 0.1178, 1e-4);
  EXPECT_NEAR(c[1], 0.6667, 1e-4);
  EXPECT_NEAR(c[2], -0.1111, 1e-4);
  for (int j = 1; j <= mm::N; ++j) EXPECT_NEAR(c[j], LogSeries(1.25, 0.75, j), 5e-9) << j;
  for (int j = 1; j < 11; ++j) {
    const double ratio = c[j + 1] / c[j];
    EXPECT_LT(ratio, -0.15) << j;
    EXPECT_GT(ratio, -0.34) << j;
  }
  EXPECT_NEAR(c[10], -3.39e-6, 0.01e-6);
}

TEST(MinimaxfitInterpolation, OddFunctionCarriesOnlyOddCoefficients) {
  // ln((1+x)/(1-x)) with x = y/3: the odd coefficients are 4 q^n / n with
  // q = 3 - 2 sqrt 2, the even ones vanish up to rounding.
  const mm::Coefficients c = CoefficientsOf(2);
  const double q = 3 - 2 * std::sqrt(2.0);
  // The interpolation folds c(30 - j) onto c(j): 3e-14 at j = 13.
  for (int j = 0; j <= mm::N; ++j) {
    if (j % 2 == 0) {
      EXPECT_LT(std::fabs(c[j]), 1e-14) << j;
    } else {
      EXPECT_NEAR(c[j], 4 * std::pow(q, j) / j, 5e-14) << j;
    }
  }
  EXPECT_NEAR(c[11], 1.38e-9, 0.01e-9);
}

TEST(MinimaxfitInterpolation, ClenshawSumMatchesTheDirectSumAndHitsTheNodes) {
  for (int kind = 1; kind <= 3; ++kind) {
    const mm::Model m = mm::ModelOf(kind);
    const mm::Coefficients c = CoefficientsOf(kind);
    for (int M = 0; M <= mm::N; ++M)
      for (int i = 0; i <= 16; ++i) {
        const double x = m.a + (m.b - m.a) * i / 16;
        const double y = std::clamp((2 * x - m.a - m.b) / (m.b - m.a), -1.0, 1.0);
        ASSERT_NEAR(mm::fnCheb(c, M, m.a, m.b, x), DirectSum(c, M, y), 1e-13) << kind << " " << M;
      }
    EXPECT_EQ(mm::fnCheb(c, 0, m.a, m.b, m.b), c[0]);
    // With all coefficients the interpolant goes through f at every node.
    for (int k = 1; k <= mm::kNodes; ++k) {
      const double x = mm::NodeX(k, m.a, m.b);
      EXPECT_NEAR(mm::fnCheb(c, mm::N, m.a, m.b, x), mm::func(kind, x),
                  2e-14 * (1 + std::fabs(mm::func(kind, x)))) << kind << " " << k;
    }
    // Degrees outside the coefficients are held to them.
    EXPECT_EQ(mm::fnCheb(c, 99, m.a, m.b, 0.1), mm::fnCheb(c, mm::N + 2, m.a, m.b, 0.1));
    EXPECT_EQ(mm::fnCheb(c, -5, m.a, m.b, 0.1), c[0]);
  }
}

TEST(MinimaxfitInterpolation, LargestErrorsWithNineTerms) {
  struct Case {
    int kind;
    double maxError;
  };
  for (const Case& k : {Case{1, 4.9e-6}, Case{2, 1.4e-9}, Case{3, 5.8e-10}}) {
    const mm::Model m = mm::ModelOf(k.kind);
    const mm::Coefficients c = CoefficientsOf(k.kind);
    const float e = mm::MaxError(c, 9, k.kind, m.a, m.b);
    EXPECT_NEAR(e, k.maxError, 0.03 * k.maxError) << k.kind;
    // The error of the cut sum is close to its first term left out, whose
    // T ripples between -1 and 1: the largest error lies near that
    // coefficient and inside the error plot.
    const double first = std::fabs(c[mm::RememberedIndex(k.kind, 9)]);
    EXPECT_GT(e, 0.9 * first) << k.kind;
    EXPECT_LT(e, mm::ErrorRange(c, 9)) << k.kind;
  }
  const mm::Coefficients c1 = CoefficientsOf(1);
  EXPECT_EQ(mm::SmallText(mm::MaxError(c1, 9, 1, 0.5, 2.0)), "4.87E-6");
  EXPECT_NEAR(mm::ErrorRange(c1, 9), 5.08e-6, 0.01e-6);
  EXPECT_EQ(mm::SmallText(std::fabs(c1[10])), "3.39E-6");
  EXPECT_EQ(mm::SmallText(std::fabs(CoefficientsOf(2)[11])), "1.38E-9");
  // More terms, smaller error.
  EXPECT_LT(mm::MaxError(c1, 11, 1, 0.5, 2.0), mm::MaxError(c1, 9, 1, 0.5, 2.0) / 8);
}

// ---- Grids and pace -------------------------------------------------------

TEST(MinimaxfitGrids, CurvesEndExactlyAndTakeFourSeconds) {
  EXPECT_EQ(mm::GraphX(0), -1.0);
  EXPECT_EQ(mm::GraphX(1024), 0.0);
  EXPECT_EQ(mm::GraphX(mm::kGraphLastIndex), 1.0);
  EXPECT_EQ(mm::GraphPointDue(mm::kGraphLastIndex), 4.0);
  EXPECT_EQ(mm::RetraceX(mm::kRetraceLastIndex), 1.0);
  EXPECT_EQ(mm::CurveX(0.5, 2.0, 0), 0.5);
  EXPECT_EQ(mm::CurveX(0.5, 2.0, mm::kCurveLastIndex), 2.0);
  EXPECT_EQ(mm::CurvePointDue(mm::kCurveLastIndex), 4.0);
}

TEST(MinimaxfitGrids, TableRunsOverTheIntervalWithTheMiddleInTheCentre) {
  EXPECT_EQ(mm::TableX(0.5, 2.0, 0), 1.25);
  EXPECT_EQ(mm::TableX(-1.0 / 3, 1.0 / 3, 0), 0.0);
  EXPECT_EQ(mm::TableX(-1.0, 1.0, 0), 0.0);
  for (int kind = 1; kind <= 3; ++kind) {
    const mm::Model m = mm::ModelOf(kind);
    EXPECT_NEAR(mm::TableX(m.a, m.b, -8), m.a, 1e-15);
    EXPECT_NEAR(mm::TableX(m.a, m.b, 8), m.b, 1e-15);
  }
  EXPECT_EQ(mm::ValueCell(mm::TableX(0.5, 2.0, 0), "#.00000").text, "1.25000");
  EXPECT_EQ(mm::ValueCell(mm::TableX(-1.0, 1.0, 0), "#.00000").sign, mm::Cell::Zero);
}

// ---- Entries --------------------------------------------------------------

TEST(MinimaxfitEntries, DegreesAndTruncationsStayInTheLessonsRange) {
  struct Case {
    int kind;  // 0: a degree of section 1
    std::string entry;
    bool accepted;
    int value;
  };
  const std::string nines(300, '9');
  const Case cases[] = {
      {0, "0", true, 0},      {0, "20", true, 20},    {0, "21", false, 20},  {0, "20.5", true, 20},
      {0, "2.5", true, 2},    {0, "3.5", true, 4},    {0, "-2", true, -2},   {0, "1e300", false, 20},
      {0, "20.6", false, 20}, {0, "-0", true, 0},     {0, "3,7", true, 3},   {0, "-20", true, -20},
      {0, "-21", false, -20}, {0, "-" + nines, false, -20}, {0, nines, false, 20},
      {0, "-2147483648", false, -20},  {0, "2147483648", false, 20},
      {1, "9", true, 9},      {1, "1", false, 2},     {1, "12", false, 11},  {1, "2", true, 2},
      {1, "11", true, 11},    {1, "0", false, 2},     {1, "", false, 2},     {1, nines, false, 11},
      {3, "1", false, 2},     {3, "12", false, 11},   {3, "10.5", true, 10}, {3, "-" + nines, false, 2},
      // kind 2: even entries are lowered by one first
      {2, "10", true, 9},     {2, "12", true, 11},    {2, "13", false, 11},  {2, "4", true, 3},
      {2, "2", false, 3},     {2, "1", false, 3},     {2, "0", false, 3},    {2, "9", true, 9},
      {2, nines, false, 11},  {2, "-" + nines, false, 3},
  };
  for (const Case& c : cases) {
    const auto m = c.kind == 0 ? mm::CheckDegree(c.entry) : mm::CheckTruncation(c.kind, c.entry);
    EXPECT_EQ(m.accepted, c.accepted) << c.kind << " \"" << c.entry.substr(0, 20) << '"';
    EXPECT_EQ(m.value, c.value) << c.kind << " \"" << c.entry.substr(0, 20) << '"';
  }
  EXPECT_EQ(mm::RememberedIndex(1, 9), 10);
  EXPECT_EQ(mm::RememberedIndex(2, 9), 11);
  EXPECT_EQ(mm::RememberedIndex(3, 11), 12);
}

// ---- Mappings -------------------------------------------------------------

TEST(MinimaxfitMappings, SquareOfSectionOne) {
  const double W = 436, H = 436;
  EXPECT_EQ(mm::SquarePx(W, 0), 218);
  EXPECT_EQ(mm::SquarePy(H, 0), 218);
  // x = +-1 lies a quarter of a percent inside the edges.
  EXPECT_EQ(mm::SquarePx(W, -1), std::lround(0.0025 * W));
  EXPECT_EQ(mm::SquarePx(W, 1), std::lround(0.9975 * W));
  EXPECT_EQ(mm::SquarePy(H, 1), std::lround(0.0025 * H));
  EXPECT_EQ(mm::SquarePy(H, -1), std::lround(0.9975 * H));
  EXPECT_EQ(mm::SquarePx(W, 1e30f), INT_MAX);  // clamped, never undefined
}

TEST(MinimaxfitMappings, RangesOfTheApproximationPlots) {
  for (int kind = 1; kind <= 3; ++kind) {
    const mm::Model m = mm::ModelOf(kind);
    const double W = 364, H = 197;
    EXPECT_EQ(mm::RangePx(m.a, m.b, W, float(m.a)), 0) << kind;
    EXPECT_EQ(mm::RangePx(m.a, m.b, W, float(m.b)), 364) << kind;
    EXPECT_EQ(mm::RangePy(m.yMax, m.yMin, H, float(m.yMax)), 0) << kind;
    EXPECT_EQ(mm::RangePy(m.yMax, m.yMin, H, float(m.yMin)), 197) << kind;
  }
  EXPECT_EQ(mm::RangePy(2e-6, -2e-6, 200, 0), 100);
  EXPECT_EQ(mm::RangePy(2e-6, -2e-6, 200, 1e-6f), 50);
}

TEST(MinimaxfitMappings, GridAndTicks) {
  EXPECT_EQ(mm::GridValues(), (std::vector<double>{-0.8, -0.6, -0.4, -0.2, 0.2, 0.4, 0.6, 0.8}));
  struct Case {
    int kind;
    std::vector<double> values;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {1, {0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8}, {"0.6", "0.8", " 1", "1.2", "1.4", "1.6", "1.8"}},
      {2, {-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3}, {"-0.3", "-0.2", "-0.1", " 0", "0.1", "0.2", "0.3"}},
      {3,
       {-0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6, 0.8},
       {"-0.8", "-0.6", "-0.4", "-0.2", " 0", "0.2", "0.4", "0.6", "0.8"}},
  };
  for (const Case& c : cases) {
    const mm::Model m = mm::ModelOf(c.kind);
    const std::vector<mm::Tick> ticks = mm::Ticks(m.a, m.b);
    ASSERT_EQ(ticks.size(), c.values.size()) << c.kind;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
      EXPECT_NEAR(ticks[i].v, c.values[i], 1e-12) << c.kind << " " << i;
      EXPECT_EQ(ticks[i].label, c.labels[i]) << c.kind << " " << i;
      EXPECT_EQ(ticks[i].whole, c.labels[i][0] == ' ') << c.kind << " " << i;
    }
  }
}

// ---- Texts ----------------------------------------------------------------

TEST(MinimaxfitTexts, CellsSignsAndZeros) {
  const mm::Coefficients c = CoefficientsOf(1);
  EXPECT_EQ(mm::CoefficientCell(c[0]).text, "0.11778303565638");
  EXPECT_EQ(mm::CoefficientCell(c[1]).text, "0.66666666666667");
  EXPECT_EQ(mm::CoefficientCell(c[1]).sign, mm::Cell::Positive);
  EXPECT_EQ(mm::CoefficientCell(c[2]).sign, mm::Cell::Negative);
  EXPECT_EQ(mm::CoefficientCell(c[2]).text, "0.11111111111111");
  EXPECT_EQ(mm::CoefficientCell(0.0).text, " 0.0");
  EXPECT_EQ(mm::CoefficientCell(0.0).sign, mm::Cell::Zero);
  EXPECT_EQ(mm::ValueCell(0.5, "#.00000").text, "0.50000");
  EXPECT_EQ(mm::ValueCell(-0.5, "#.00000").sign, mm::Cell::Negative);
  EXPECT_EQ(mm::ValueCell(-0.5, "#.00000").text, "0.50000");
  EXPECT_EQ(mm::ValueCell(std::log(1.25), "0.#############0").text, "0.22314355131421");
  // e^0.75 in the table of kind 3 is 2.11700001661267478...: rounded once.
  EXPECT_EQ(mm::ValueCell(mm::func(3, mm::TableX(-1, 1, 6)), "0.#############0").text, "2.11700001661267");
  // -1.2345e-6 is stored as -1.23449999999999999654...e-6.
  EXPECT_EQ(mm::ValueCell(-1.2345e-6, "0.000E+00").text, "1.234E-06");
  EXPECT_EQ(mm::ValueCell(0.0, "0.000E+00").text, "0.0");
  EXPECT_EQ(mm::LegendDegree(3), " 3");
  EXPECT_EQ(mm::LegendDegree(0), " 0");
  EXPECT_EQ(mm::LegendDegree(-2), "-2");
}

TEST(MinimaxfitCurves, TwentyFirstCurveStartsTheListAgain) {
  mm::CurveList list;
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(list.Add(i, lk::Color(i)));
  EXPECT_EQ(list.Count(), 20);
  EXPECT_EQ(list.Last().degree, 19);
  EXPECT_TRUE(list.Add(7, 0x123456));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(1).degree, 7);
  EXPECT_EQ(list.At(1).color, 0x123456u);
  list.Clear();
  EXPECT_TRUE(list.Empty());
}
