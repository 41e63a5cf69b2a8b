#include "legendre.h"

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

namespace zp = zonalpoly;

namespace {

// P'_n(x) for |x| < 1 from the standard library's polynomials.
double derivative(int n, double x) {
  return n * (x * std::legendre(n, x) - std::legendre(n - 1, x)) / (x * x - 1.0);
}

// Simpson's rule on [-1, 1] with 2m intervals.
template <class F>
double simpson(F f, int m) {
  const double h = 1.0 / m;
  double s = f(-1.0) + f(1.0);
  for (int k = 1; k < 2 * m; ++k) s += (k % 2 ? 4.0 : 2.0) * f(-1.0 + k * h);
  return s * h / 3.0;
}

}  // namespace

// ---- Polynomials --------------------------------------------------------

TEST(ZonalpolyLegendre, LowDegreesAndKnownValue) {
  for (double x : {-1.0, -0.3, 0.0, 0.7, 1.0, 2.5}) {
    EXPECT_EQ(zp::Legendre(0, x), 1.0);
    EXPECT_EQ(zp::Legendre(1, x), x);
  }
  EXPECT_EQ(zp::Legendre(2, 0.5), -0.125);
  EXPECT_EQ(zp::Legendre(-1, 0.3), 1.0);
  EXPECT_EQ(zp::Legendre(-7, -0.9), 1.0);
}

TEST(ZonalpolyLegendre, ExactAtEndsUpToTwenty) {
  for (int n = 0; n <= 20; ++n) {
    EXPECT_EQ(zp::Legendre(n, 1.0), 1.0) << n;
    EXPECT_EQ(zp::Legendre(n, -1.0), n % 2 ? -1.0 : 1.0) << n;
  }
}

TEST(ZonalpolyLegendre, AgreesWithStandardLibraryOnGraphGrid) {
  for (int n = 0; n <= 20; ++n)
    for (int k = 0; k <= zp::kGraphLastIndex; ++k) {
      const double x = zp::GraphX(k);
      ASSERT_NEAR(zp::Legendre(n, x), std::legendre(n, x), 1e-13) << "n=" << n << " x=" << x;
    }
}

TEST(ZonalpolyLegendre, OddDegreesVanishAtZeroAndParityHolds) {
  for (int n = 1; n <= 101; n += 2) EXPECT_EQ(zp::Legendre(n, 0.0), 0.0) << n;
  for (int n = 0; n <= 30; ++n)
    for (double x : {0.125, 0.4, 0.93}) {
      const double sign = n % 2 ? -1.0 : 1.0;
      EXPECT_EQ(zp::Legendre(n, -x), sign * zp::Legendre(n, x));
    }
}

// ---- Partial sums of the completeness relation --------------------------

TEST(ZonalpolyPartialSum, ValuesOnTheDiagonal) {
  EXPECT_NEAR(zp::PartialSum(10, 0.5, 0.5), 4.157, 5e-4);
  EXPECT_NEAR(zp::PartialSum(100, 0.5, 0.5), 37.23, 5e-3);
  EXPECT_NEAR(zp::PartialSum(100, -0.25, -0.25), 33.33, 5e-3);
  EXPECT_GT(zp::PartialSum(100, -0.25, -0.25), 23.1);  // runs off the plot top
  EXPECT_EQ(zp::PartialSum(0, 0.3, -0.8), 0.5);
  EXPECT_EQ(zp::PartialSum(-1, 0.3, -0.8), 0.0);
}

TEST(ZonalpolyPartialSum, DiagonalMatchesChristoffelDarboux) {
  // S_N(x; x) = (N+1)/2 (P'_(N+1) P_N - P'_N P_(N+1)) at x.
  for (int N : {10, 20, 40, 100})
    for (double x : {-0.9, -0.25, 0.0, 0.5, 0.75}) {
      const double closed = (N + 1) / 2.0 *
                            (derivative(N + 1, x) * std::legendre(N, x) -
                             derivative(N, x) * std::legendre(N + 1, x));
      EXPECT_NEAR(zp::PartialSum(N, x, x), closed, 1e-9 * (N + 1)) << N << " " << x;
    }
}

TEST(ZonalpolyPartialSum, OffDiagonalMatchesChristoffelDarboux) {
  for (int N : {10, 20, 40, 100})
    for (double y : {-0.25, 0.0, 0.6})
      for (double x : {-1.0, -0.7, 0.2, 0.9, 1.0}) {
        const double closed = (N + 1) / 2.0 *
                              (std::legendre(N + 1, x) * std::legendre(N, y) -
                               std::legendre(N, x) * std::legendre(N + 1, y)) /
                              (x - y);
        EXPECT_NEAR(zp::PartialSum(N, x, y), closed, 1e-10 * (N + 1)) << N << " " << x << " " << y;
      }
}

TEST(ZonalpolyPartialSum, SymmetricInXAndY) {
  for (int N : {10, 40, 100})
    for (double x : {-0.95, -0.25, 0.0, 0.33, 1.0})
      for (double y : {-0.9, -0.25, 0.1, 0.5}) {
        const double a = zp::PartialSum(N, x, y), b = zp::PartialSum(N, y, x);
        EXPECT_NEAR(a, b, 1e-12 * N) << N << " " << x << " " << y;
      }
}

TEST(ZonalpolyPartialSum, OnlyEvenTermsAtYZero) {
  for (int m = 0; m < 50; ++m)
    for (int k = 0; k <= zp::kSumLastIndex; k += 37) {
      const double x = zp::SumX(k);
      // Adding an odd-degree term changes nothing, not even by rounding.
      ASSERT_EQ(zp::PartialSum(2 * m + 1, x, 0.0), zp::PartialSum(2 * m, x, 0.0));
      // Only even polynomials remain, so the curve is even in x.
      ASSERT_EQ(zp::PartialSum(2 * m, -x, 0.0), zp::PartialSum(2 * m, x, 0.0));
    }
  // The even terms alone, from the standard library.
  for (double x : {-0.6, 0.15, 0.8}) {
    double even = 0.0;
    for (int i = 0; i <= 40; i += 2) even += (i + 0.5) * std::legendre(i, x) * std::legendre(i, 0.0);
    EXPECT_NEAR(zp::PartialSum(40, x, 0.0), even, 1e-12);
  }
}

TEST(ZonalpolyPartialSum, ReproducesPolynomialsUpToItsDegree) {
  // The integral of S_N(x; y) P_m(x) over [-1, 1] is P_m(y) for m <= N and 0
  // beyond: the partial sum acts as a delta function on low degrees.  For
  // m = 0 that is the unit area under every curve.
  const int N = 10;
  const double y = 0.3;
  for (int m = 0; m <= N + 3; ++m) {
    const double integral =
        simpson([&](double x) { return zp::PartialSum(N, x, y) * std::legendre(m, x); }, 2048);
    const double expected = m <= N ? std::legendre(m, y) : 0.0;
    EXPECT_NEAR(integral, expected, 1e-6) << m;
  }
}

// ---- Grids and pace -----------------------------------------------------

TEST(ZonalpolyGrids, GraphCurveCoversMinusOneToOne) {
  for (int n : {0, 1, 7, 20}) {
    const auto curve = zp::GraphCurve(n);
    ASSERT_EQ(curve.size(), 2049u);
    EXPECT_EQ(curve.front().x, -1.0);
    EXPECT_EQ(curve.front().y, n % 2 ? -1.0 : 1.0);
    EXPECT_EQ(curve[1024].x, 0.0);
    EXPECT_EQ(curve.back().x, 1.0);
    EXPECT_EQ(curve.back().y, 1.0);
    for (int k = 1; k <= zp::kGraphLastIndex; ++k) {
      ASSERT_EQ(curve[k].x - curve[k - 1].x, 1.0 / 1024) << k;
      ASSERT_NEAR(curve[k].y, std::legendre(n, curve[k].x), 1e-13);
    }
  }
}

TEST(ZonalpolyGrids, SumCurveHasItsPeakAtY) {
  const auto curve = zp::SumCurve(100, zp::kPresetPoint);
  ASSERT_EQ(curve.size(), 1025u);
  EXPECT_EQ(curve.front().x, -1.0);
  EXPECT_EQ(curve.back().x, 1.0);
  for (int k = 1; k <= zp::kSumLastIndex; ++k) ASSERT_EQ(curve[k].x - curve[k - 1].x, 1.0 / 512);
  std::size_t top = 0;
  for (std::size_t k = 1; k < curve.size(); ++k)
    if (curve[k].y > curve[top].y) top = k;
  EXPECT_EQ(curve[top].x, -0.25);
  EXPECT_EQ(curve[top].y, zp::PartialSum(100, -0.25, -0.25));
}

TEST(ZonalpolyGrids, PointsFallDueEvenlyOverTheCurveTime) {
  EXPECT_EQ(zp::GraphPointDue(0), 0.0);
  EXPECT_EQ(zp::GraphPointDue(zp::kGraphLastIndex), 4.0);
  EXPECT_EQ(zp::SumPointDue(0), 0.0);
  EXPECT_EQ(zp::SumPointDue(zp::kSumLastIndex), 2.0);
  for (int k = 1; k <= zp::kGraphLastIndex; ++k)
    ASSERT_EQ(zp::GraphPointDue(k) - zp::GraphPointDue(k - 1), 1.0 / 512);
  for (int k = 1; k <= zp::kSumLastIndex; ++k)
    ASSERT_EQ(zp::SumPointDue(k) - zp::SumPointDue(k - 1), 1.0 / 512);
}

// ---- Entries ------------------------------------------------------------

TEST(ZonalpolyEntries, Degree) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value;
    bool accepted;
    int result;
  };
  const Case cases[] = {
      {0, true, 0},         {-0.0, true, 0},        {7, true, 7},
      {20, true, 20},       {20.5, true, 20},       {19.5, true, 20},
      {0.5, true, 0},       {20.5000001, false, 20}, {21, false, 20},
      {25, false, 20},      {99999999999.0, false, 20}, {999999999999.0, false, 20},
      {4294967316.0, false, 20},  // 20 + 2^32: must not wrap into range
      {1e300, false, 20},   {inf, false, 20},      {-1, false, 0},
      {-4294967296.0, false, 0},  {-inf, false, 0}, {nan, false, 0},
  };
  for (const auto& c : cases) {
    const auto r = zp::CheckDegree(c.value);
    EXPECT_EQ(r.accepted, c.accepted) << c.value;
    EXPECT_EQ(r.value, c.result) << c.value;
  }
}

TEST(ZonalpolyEntries, Point) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    bool accepted;
    double result;
  };
  const Case cases[] = {
      {-0.25, true, -0.25}, {0, true, 0},      {0.999, true, 0.999}, {-0.9, true, -0.9},
      {1, false, 0.9},      {-1, false, -0.9}, {-3, false, -0.9},    {99999999999.0, false, 0.9},
      {-1e300, false, -0.9}, {inf, false, 0.9}, {-inf, false, -0.9},
  };
  for (const auto& c : cases) {
    const auto r = zp::CheckPoint(c.value);
    EXPECT_EQ(r.accepted, c.accepted) << c.value;
    EXPECT_EQ(r.value, c.result) << c.value;
  }
  // An offered value is itself accepted the next time round.
  EXPECT_TRUE(zp::CheckPoint(zp::CheckPoint(5).value).accepted);
  EXPECT_FALSE(zp::CheckPoint(std::numeric_limits<double>::quiet_NaN()).accepted);
}

TEST(ZonalpolyEntries, Terms) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    bool accepted;
    int result;
  };
  const Case cases[] = {
      {10, true, 10},         {100, true, 100},      {57, true, 57},
      {9.5, true, 10},        {10.5, true, 10},      {100.5, true, 100},
      {11.5, true, 12},       {9.49, false, 10},     {9, false, 10},
      {0, false, 10},         {-0.0, false, 10},     {-5, false, 10},
      {101, false, 100},      {99999999999.0, false, 100}, {999999999999.0, false, 100},
      {4294967306.0, false, 100}, {inf, false, 100}, {-inf, false, 10},
      {std::numeric_limits<double>::quiet_NaN(), false, 10},
  };
  for (const auto& c : cases) {
    const auto r = zp::CheckTerms(c.value);
    EXPECT_EQ(r.accepted, c.accepted) << c.value;
    EXPECT_EQ(r.value, c.result) << c.value;
  }
}

TEST(ZonalpolyEntries, TermsOfferedAfterEachCurve) {
  int N = zp::kFirstTerms;
  const int sequence[] = {20, 40, 100, 100};
  for (int expected : sequence) {
    N = zp::NextTerms(N);
    EXPECT_EQ(N, expected);
  }
  for (int other : {11, 30, 57, 99}) EXPECT_EQ(zp::NextTerms(other), other);
}

TEST(ZonalpolyEntries, CurveListStartsAgainAfterTwenty) {
  zp::CurveList list;
  EXPECT_TRUE(list.Empty());
  for (int n = 0; n < zp::CurveList::kCapacity; ++n) {
    EXPECT_FALSE(list.Add(n, lk::RGB(n, 0, 0)));
    EXPECT_EQ(list.Count(), n + 1);
    EXPECT_EQ(list.Last().degree, n);
  }
  EXPECT_EQ(list.At(1).degree, 0);
  EXPECT_EQ(list.At(20).color, lk::RGB(19, 0, 0));
  EXPECT_TRUE(list.Add(20, lk::col::Red));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(1).degree, 20);
  EXPECT_EQ(list.Last().color, lk::col::Red);
  list.Clear();
  EXPECT_TRUE(list.Empty());
}

// ---- Plot mappings ------------------------------------------------------

TEST(ZonalpolyMapping, VisibleRangesFillThePicture) {
  const double W = 448, H = 448;
  EXPECT_EQ(zp::px(zp::kModeGraphs, W, -1.005), 0);
  EXPECT_EQ(zp::px(zp::kModeGraphs, W, 1.005), 448);
  EXPECT_EQ(zp::py(zp::kModeGraphs, H, 1.005), 0);
  EXPECT_EQ(zp::py(zp::kModeGraphs, H, -1.005), 448);
  EXPECT_EQ(zp::px(zp::kModeGraphs, W, 0.0), 224);
  const double W2 = 5508, H2 = 6732;
  for (int mode : {zp::kModeSums, zp::kModeAskPoint, zp::kModeAskTerms}) {
    EXPECT_EQ(zp::px(mode, W2, -1.1), 0);
    EXPECT_EQ(zp::px(mode, W2, 1.12), 5508);
    EXPECT_EQ(zp::py(mode, H2, 23.1), 0);
    EXPECT_EQ(zp::py(mode, H2, -6.0), 6732);
    EXPECT_EQ(zp::py(mode, H2, 0.0), std::lround(23.1 / 29.1 * 6732));
  }
  // Larger values are higher up, in both plots.
  EXPECT_LT(zp::py(zp::kModeGraphs, H, 0.5), zp::py(zp::kModeGraphs, H, 0.4));
  EXPECT_LT(zp::py(zp::kModeAskTerms, H2, 33.3), 0);
}

TEST(ZonalpolyMapping, OddValuesStayInIntegerRange) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(zp::py(zp::kModeAskTerms, 6732, 1e300), -1000000000);
  EXPECT_EQ(zp::py(zp::kModeAskTerms, 6732, -inf), 1000000000);
  EXPECT_EQ(zp::px(zp::kModeGraphs, 448, 1e200), 1000000000);
  EXPECT_EQ(zp::px(zp::kModeGraphs, 448, std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ZonalpolyMapping, FrameMarks) {
  const auto grid = zp::GraphGridValues();
  const double expected[] = {-0.8, -0.6, -0.4, -0.2, 0.2, 0.4, 0.6, 0.8};
  ASSERT_EQ(grid.size(), std::size(expected));
  for (std::size_t i = 0; i < grid.size(); ++i) EXPECT_NEAR(grid[i], expected[i], 1e-6);

  const auto ticks = zp::SumXTicks();
  ASSERT_EQ(ticks.size(), 19u);
  int labelled = 0;
  for (const auto& t : ticks) {
    const long k = std::lround(t.v * 10);
    if (k == 0) {
      EXPECT_EQ(t.top, 0.0);
      EXPECT_EQ(t.label, "0");
    } else if (std::abs(k) == 5) {
      EXPECT_EQ(t.top, 0.8);
      EXPECT_EQ(t.label, k > 0 ? "0.5" : "-0.5");
      EXPECT_NEAR(t.labelX, k > 0 ? 0.45 : -0.6, 1e-12);
    } else {
      EXPECT_EQ(t.top, 0.5);
      EXPECT_TRUE(t.label.empty());
    }
    labelled += !t.label.empty();
  }
  EXPECT_EQ(labelled, 3);
}
