#include "hermitesum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace wellbasis;

namespace {

const double kPi = std::acos(-1.0);

// u_n(x) from the library's Hermite polynomials, summed in long double so
// that the reference does not share the recurrence it checks.
double HermiteFunction(unsigned n, double x) {
  long double norm = std::sqrt(std::sqrt((long double)kPi));
  for (unsigned k = 1; k <= n; ++k) norm *= std::sqrt(2.0L * k);
  return double((long double)std::hermite(n, x) * std::exp(-(long double)x * x / 2) / norm);
}

double DirectSum(int N, double x, double y) {
  long double s = 0;
  for (int n = 0; n <= N; ++n) s += (long double)HermiteFunction(unsigned(n), x) * HermiteFunction(unsigned(n), y);
  return double(s);
}

// u_N and u_(N+1) by the recurrence of the normalised functions, which never
// leave the order of one: u_(n+1) = sqrt(2/(n+1)) x u_n - sqrt(n/(n+1)) u_(n-1).
struct Pair {
  double uN, uN1;
};
Pair NormalisedPair(int N, double x) {
  double prev = 0, cur = std::exp(-x * x / 2) / std::sqrt(std::sqrt(kPi));
  for (int n = 0; n <= N; ++n) {
    const double next = std::sqrt(2.0 / (n + 1)) * x * cur - std::sqrt(double(n) / (n + 1)) * prev;
    prev = cur;
    cur = next;
  }
  return {prev, cur};
}

// The Christoffel-Darboux closed form of the partial sum, for x != y.
double ChristoffelDarboux(int N, double x, double y) {
  const Pair a = NormalisedPair(N, x), b = NormalisedPair(N, y);
  return std::sqrt((N + 1) / 2.0) * (a.uN1 * b.uN - a.uN * b.uN1) / (x - y);
}

// Simpson's rule of S_N(., y) times g over [a, b].
template <class G>
double Integral(int N, double y, double a, double b, G g, int intervals = 4096) {
  const double h = (b - a) / intervals;
  double s = 0;
  for (int i = 0; i <= intervals; ++i) {
    const double x = a + i * h;
    const double c = (i == 0 || i == intervals) ? 1 : (i % 2 ? 4 : 2);
    s += c * PartialSum(N, x, y) * g(x);
  }
  return s * h / 3;
}

}  // namespace

// ---- The partial sum against independent evaluations ----------------------

TEST(WellbasisSum, AgreesWithLibraryHermiteFunctionsForSmallN) {
  for (int N : {0, 1, 2, 5, 17, 40, 60})
    for (double y : {-1.9, -0.5, 0.0, 0.73, 2.0})
      for (double x = -2.0; x <= 2.0; x += 0.125) {
        const double want = DirectSum(N, x, y);
        const double got = PartialSum(N, x, y);
        if (std::fabs(want) < 1e-6) {
          EXPECT_NEAR(got, want, 1e-12) << "N " << N << " x " << x << " y " << y;
        } else {
          EXPECT_NEAR(got, want, 1e-10 * std::fabs(want)) << "N " << N << " x " << x << " y " << y;
        }
      }
}

TEST(WellbasisSum, AgreesWithChristoffelDarbouxUpToTheLargestN) {
  for (int N : {61, 100, 333, 1000, 2000, 4999, 5000})
    for (double y : {-2.0, -0.5, 0.0, 1.3})
      for (double x = -1.1; x <= 1.12; x += 0.0371) {
        if (std::fabs(x - y) < 0.05) continue;
        const double want = ChristoffelDarboux(N, x, y);
        const double got = PartialSum(N, x, y);
        // Away from x = y the sum is a ripple of order one; where it passes
        // through zero only an absolute error makes sense.
        EXPECT_NEAR(got, want, 1e-8 * std::max(1.0, std::fabs(want)))
            << "N " << N << " x " << x << " y " << y;
      }
}

TEST(WellbasisSum, OnTheDiagonalMatchesTheSumOfSquares) {
  // At x = y the closed form degenerates; the sum of u_n(y)^2 is the check.
  for (int N : {100, 5000})
    for (double y : {-1.9, -0.5, 0.0, 0.25, 2.0}) {
      double prev = 0, cur = std::exp(-y * y / 2) / std::sqrt(std::sqrt(kPi)), s = 0;
      for (int n = 0; n <= N; ++n) {
        s += cur * cur;
        const double next =
            std::sqrt(2.0 / (n + 1)) * y * cur - std::sqrt(double(n) / (n + 1)) * prev;
        prev = cur;
        cur = next;
      }
      EXPECT_NEAR(PartialSum(N, y, y), s, 1e-8 * s) << "N " << N << " y " << y;
    }
}

TEST(WellbasisSum, LargeNStaysFiniteAndNonZeroEverywhereInRange) {
  // Without the rescaling H_5000 overflows and the weight underflows long
  // before the end; every value would be NaN or zero.
  for (int N : {kMaxTerms, 4000, 1500})
    for (double y : {-2.0, -1.9, -0.5, 0.0, 1.12, 2.0})
      for (double x = -2.0; x <= 2.0; x += 1.0 / 64) {
        const double v = PartialSum(N, x, y);
        ASSERT_TRUE(std::isfinite(v)) << "N " << N << " x " << x << " y " << y;
        ASSERT_LT(std::fabs(v), 40.0) << "N " << N << " x " << x << " y " << y;
      }
  // Not flushed to zero either: near the peak the value is large, and the
  // ripple beside it is small but there.
  EXPECT_GT(PartialSum(kMaxTerms, -0.5, -0.5), 25.0);
  EXPECT_GT(std::fabs(PartialSum(kMaxTerms, 0.8, -0.5)), 1e-6);
}

TEST(WellbasisSum, NegativeNIsAnEmptySum) {
  EXPECT_EQ(PartialSum(-1, 0.3, 0.3), 0.0);
  EXPECT_NEAR(PartialSum(0, 0.0, 0.0), 1.0 / std::sqrt(kPi), 1e-15);
}

// ---- What the lesson teaches -----------------------------------------------

TEST(WellbasisSum, AreaTendsToOne) {
  // Against a smooth bump of height one at y, the sums give the bump's
  // value at y: one, ever more closely as N grows.
  const double y = -0.5, sigma = 0.15;
  auto bump = [&](double x) { return std::exp(-(x - y) * (x - y) / (2 * sigma * sigma)); };
  double lastError = 1;
  for (int N : {100, 200, 500, 2000}) {
    const double area = Integral(N, y, y - 8 * sigma, y + 8 * sigma, bump);
    const double error = std::fabs(area - 1);
    EXPECT_LT(error, 0.05) << "N " << N;
    EXPECT_LT(error, lastError) << "N " << N;
    if (N >= 500) {
      EXPECT_LT(error, 1e-4) << "N " << N;
    }
    lastError = error;
  }
  // The plain area over the plot stays near one as well.
  for (int N : {100, 500, 2000, 5000}) {
    const double area = Integral(N, y, kSweepStart, kSweepEnd, [](double) { return 1.0; }, 8192);
    EXPECT_NEAR(area, 1.0, 0.05) << "N " << N;
  }
}

TEST(WellbasisSum, PeakGrowsLikeTheRootOfN) {
  // The density of the oscillator's states: S_N(y, y) ~ sqrt(2N - y^2) / pi.
  for (double y : {-0.5, 0.0, 1.5})
    for (int N : {100, 400, 1600, 5000}) {
      const double peak = PartialSum(N, y, y);
      EXPECT_NEAR(peak, std::sqrt(2.0 * N - y * y) / kPi, 0.03 * peak) << "N " << N << " y " << y;
    }
  // Four times the terms, twice the height.
  EXPECT_NEAR(PartialSum(1600, -0.5, -0.5) / PartialSum(400, -0.5, -0.5), 2.0, 0.05);
}

// ---- Sweep and plot ---------------------------------------------------------

TEST(WellbasisSweep, GridCoversThePlotInSteps) {
  const int n = SweepPoints();
  EXPECT_EQ(n, 1137);  // -1.1 + k / 512 <= 1.12 for k = 0 .. 1136
  EXPECT_DOUBLE_EQ(SweepX(0), -1.1);
  EXPECT_LE(SweepX(n - 1), 1.12);
  EXPECT_GT(SweepX(n), 1.12);
  EXPECT_NEAR(SweepX(n - 1) - SweepX(n - 2), 1.0 / 512, 1e-15);
  // The pace: the first point is due at once, the last after about 2.1 s.
  EXPECT_NEAR(SweepDue(SweepX(0)), -0.1, 1e-12);
  EXPECT_NEAR(SweepDue(SweepX(n - 1)) - SweepDue(SweepX(0)), 2.22, 0.01);
}

TEST(WellbasisSweep, PlotMapsTheWorldWindowOntoThePicture) {
  const double W = 375, H = 460;
  EXPECT_EQ(PlotX(-1.1, W), 0);
  EXPECT_EQ(PlotX(1.12, W), 375);
  EXPECT_EQ(PlotX(0.01, W), 188);  // (1.11 / 2.22) * 375 = 187.5, half to even
  EXPECT_EQ(PlotY(23.1, H), 0);
  EXPECT_EQ(PlotY(-6, H), 460);
  EXPECT_EQ(PlotY(0, H), 365);  // 23.1 / 29.1 * 460 = 365.15
  // Larger values go up; far values are clamped, not undefined.
  EXPECT_LT(PlotY(20, H), PlotY(5, H));
  EXPECT_EQ(PlotY(-1e300, H), std::numeric_limits<int>::max());
  EXPECT_EQ(PlotX(-1e300, W), std::numeric_limits<int>::min());
}

// ---- Entries ----------------------------------------------------------------

TEST(WellbasisEntry, PointRange) {
  struct Case {
    double in;
    bool accepted;
    double value;
  };
  const Case cases[] = {{-0.5, true, -0.5}, {2.0, true, 2.0},   {-2.0, true, -2.0},
                        {2.01, false, 1.9}, {-3, false, -1.9},  {1.79769e308, false, 1.9},
                        {0.0, true, 0.0},   {1.12, true, 1.12}, {-1e-300, true, -1e-300}};
  for (const Case& c : cases) {
    const Checked<double> r = CheckPoint(c.in);
    EXPECT_EQ(r.accepted, c.accepted) << c.in;
    EXPECT_EQ(r.value, c.value) << c.in;
  }
  EXPECT_FALSE(std::signbit(CheckPoint(-0.0).value));
}

TEST(WellbasisEntry, TermsRange) {
  struct Case {
    std::string in;
    bool accepted;
    int value;
  };
  const Case cases[] = {{"99", false, 100},    {"100", true, 100},      {"5000", true, 5000},
                        {"5001", false, 5000}, {"0", false, 100},       {"-7", false, 100},
                        {"1e20", false, 5000}, {"2345", true, 2345},    {"99.5", true, 100},
                        {"100.5", true, 100},  {"4999.6", true, 5000},  {"", false, 100},
                        {std::string(300, '9'), false, 5000},
                        {"-" + std::string(300, '9'), false, 100}};
  for (const Case& c : cases) {
    const Checked<int> r = CheckTerms(c.in);
    EXPECT_EQ(r.accepted, c.accepted) << c.in;
    EXPECT_EQ(r.value, c.value) << c.in;
  }
}

TEST(WellbasisEntry, PointTexts) {
  EXPECT_EQ(PointText(-0.5), "-0.5");
  EXPECT_EQ(PointText(0.25), "0.25");
  EXPECT_EQ(PointText(1.9), "1.9");
  EXPECT_EQ(PointText(-2), "-2");
  EXPECT_EQ(PointText(0.0), "0");
  EXPECT_EQ(PointText(-0.0), "0");
}

TEST(WellbasisList, RowsWrapBelowTheFirstRow) {
  int row = 0;
  std::vector<int> rows;
  for (int i = 0; i < 16; ++i) {
    rows.push_back(row);
    row = NextRow(row);
  }
  // y on row 0, thirteen trials on rows 1 .. 13, the fourteenth on row 1.
  EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1, 2}));
}
