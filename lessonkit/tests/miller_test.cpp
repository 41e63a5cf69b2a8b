// Miller's recurrence in both precisions against the standard library's
// cylindrical Bessel functions, through each of its branches: the power
// series, the plain recurrence, the rescaling of the sum and the headroom.
#include "miller.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr lk::MillerSettings<double> kDouble{1e-30, 1e20, 1e-30, 1e-20, 1e300};
constexpr lk::MillerSettings<float> kFloat{1e-30f, 1e20f, 1e-30f, 1e-4f};

// J_0(x) .. J_m(x) from order m, compared with the library over the orders
// up to `orders`, within tol of the largest value: the recurrence keeps an
// absolute accuracy, not a relative one for tiny high orders.  Near x = 0,
// where J_k(x) is (x/2)^k / k! to many digits, within tol of each value.
template <typename T>
lk::MillerResult ExpectLibrary(T x, int m, const lk::MillerSettings<T>& s, int orders, double tol,
                               bool relative = false) {
  std::vector<T> j(std::size_t(m) + 2, T(0));
  const lk::MillerResult r = lk::MillerBessel(x, m, j.data(), s);
  EXPECT_TRUE(r.normalised) << x;
  for (int k = 0; k <= orders; ++k) {
    const double sign = x < 0 && k % 2 ? -1 : 1;
    const double ref = sign * std::cyl_bessel_j(k, std::fabs(double(x)));
    EXPECT_NEAR(double(j[std::size_t(k)]), ref, relative ? tol * std::fabs(ref) : tol)
        << "x = " << x << ", order " << k;
  }
  return r;
}

}  // namespace

TEST(MillerBessel, BothPrecisionsAgreeWithTheLibrary) {
  struct Case {
    double x;
    int m;
    int orders;
  };
  const Case cases[] = {{0.05, 6, 4}, {1, 18, 10}, {-2.4048, 24, 10}, {7.2, 36, 12},
                        {-10, 40, 20}, {32, 76, 30}};
  for (const Case& c : cases) {
    ExpectLibrary(c.x, c.m, kDouble, c.orders, 1e-14);
    ExpectLibrary(float(c.x), c.m, kFloat, c.orders, 3e-6);
  }
}

TEST(MillerBessel, SeriesRescalingAndHeadroom) {
  // Below the series limit: (x/2)^k / k!, with the odd orders negative for
  // x < 0 and the orders below the range of the type dropped from the top.
  std::vector<float> tiny(8, 0.0f);
  const lk::MillerResult series = lk::MillerBessel(-2e-5f, 6, tiny.data(), kFloat);
  EXPECT_EQ(tiny[0], 1.0f);
  EXPECT_FLOAT_EQ(tiny[1], -1e-5f);
  EXPECT_FLOAT_EQ(tiny[2], 0.5e-10f);
  EXPECT_EQ(series.top, 6);
  EXPECT_EQ(series.rescales, 0);
  std::vector<double> vanishing(14, 0.0);
  EXPECT_EQ(lk::MillerBessel(1e-200, 12, vanishing.data(), kDouble).top, 1);
  EXPECT_EQ(vanishing[0], 1.0);
  EXPECT_EQ(vanishing[1], 1e-200 / 2);  // and J_2, 1.25e-401, is below the double range

  // Far above the turning point of a small argument the values grow by
  // many orders of magnitude: the sum is scaled down on the way, the
  // headroom steps in before 2l/x could overflow, and the result is the same.
  EXPECT_GT(ExpectLibrary(1e-7, 12, kDouble, 8, 1e-14, true).rescales, 0);
  const lk::MillerResult small = ExpectLibrary(-1e-19, 80, kDouble, 4, 1e-14, true);
  EXPECT_GT(small.rescales, 0);
  EXPECT_LT(small.top, 80);  // the high orders fell below the double range
  EXPECT_GT(ExpectLibrary(0.01f, 30, kFloat, 4, 1e-6, true).rescales, 0);
  EXPECT_GT(ExpectLibrary(10000.0, 10670, kDouble, 10, 1e-14).rescales, 0);

  // An argument that is no number leaves no sensible sum to normalise by:
  // nothing is kept.
  std::vector<double> none(8, 0.0);
  const lk::MillerResult r = lk::MillerBessel(std::nan(""), 6, none.data(), kDouble);
  EXPECT_FALSE(r.normalised);
  for (double v : none) EXPECT_EQ(v, 0.0);
}
