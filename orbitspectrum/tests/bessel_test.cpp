// BesselJ against the standard library's cylindrical Bessel functions.
#include <gtest/gtest.h>

#include <cmath>

#include "bessel.h"

using orbitspectrum::BesselArray;
using orbitspectrum::BesselJ;

namespace {

// Relative to the largest |J_k(x)|, which is below 1 and about 0.67 x^(-1/3)
// for large x: the downward recurrence keeps an absolute accuracy of that
// order, not a relative one for the tiny values at high orders.
void ExpectMatchesStd(double x, int maxOrder, double tolerance) {
  const BesselArray j = BesselJ(x);
  for (int k = 0; k <= maxOrder; ++k)
    EXPECT_NEAR(j(k), std::cyl_bessel_j(k, x), tolerance) << "x = " << x << ", order " << k;
}

}  // namespace

TEST(OrbitBesselJ, ZeroAndOneAsInTheLesson) {
  const BesselArray zero = BesselJ(0.0);
  EXPECT_EQ(zero.JnMax, 1);
  EXPECT_EQ(zero(0), 1.0);
  EXPECT_EQ(zero(1), 0.0);
  EXPECT_EQ(zero(5), 0.0);

  // x = 1 starts at order 17, made even: 18.
  const BesselArray one = BesselJ(1.0);
  EXPECT_EQ(one.JnMax, 18);
  EXPECT_NEAR(one(0), 0.7651977, 5e-8);
  EXPECT_NEAR(one(1), 0.4400506, 5e-8);
  // The largest argument of the lesson, 8 x 0.9, still leaves order 9.
  EXPECT_EQ(BesselJ(7.2).JnMax, 36);
}

TEST(OrbitBesselJ, MatchesStdOverTheLessonRange) {
  for (int i = 1; i <= 72; ++i) {
    const double x = i / 10.0;
    ExpectMatchesStd(x, 10, 1e-14);
    // J_k(-x) = (-1)^k J_k(x).
    const BesselArray neg = BesselJ(-x);
    for (int k = 0; k <= 10; ++k)
      EXPECT_NEAR(neg(k), (k % 2 ? -1 : 1) * std::cyl_bessel_j(k, x), 1e-14) << x << " " << k;
  }
}

// Identities over all orders that the normalisation J_0 + 2 sum J_2k = 1 does
// not impose: sum of squares, and Jacobi-Anger at theta = 0, pi/2.
static void ExpectIdentities(double x, double tolerance) {
  const BesselArray j = BesselJ(x);
  double squares = j(0) * j(0), cosine = j(0), sine = 0;
  for (int k = 1; k <= j.JnMax; ++k) {
    squares += 2 * j(k) * j(k);
    const int sign = (k / 2) % 2 ? -1 : 1;
    (k % 2 ? sine : cosine) += 2 * sign * j(k);
  }
  EXPECT_NEAR(squares, 1.0, tolerance) << x;
  EXPECT_NEAR(cosine, std::cos(x), tolerance) << x;
  EXPECT_NEAR(sine, std::sin(x), tolerance) << x;
}

TEST(OrbitBesselJ, LargeArgument) {
  // The start order 218 lies well past the turning point at 150; the sum
  // stays small enough that no rescaling is needed there.
  EXPECT_EQ(BesselJ(150.0).rescales, 0);
  ExpectMatchesStd(150.0, 200, 1e-13);
  ExpectIdentities(150.0, 1e-13);
  ExpectIdentities(2000.0, 1e-12);
}

TEST(OrbitBesselJ, EveryTinyArgumentAgreesWithTheLeadingSeriesTerms) {
  // From 1e-300 to 1e-6, on both sides of the switch to the series and over
  // the range where the recurrence grows by 2l/x per step: every value is
  // finite and equals (x/2)^k / k! (1 - (x/2)^2 / (k+1)) to 1e-12.
  constexpr int kPoints = 3000;
  for (int i = 0; i <= kPoints; ++i) {
    const double x = std::pow(10.0, -300.0 + 294.0 * i / kPoints);
    const BesselArray j = BesselJ(x);
    double lead = 1;  // (x/2)^k / k!
    for (int k = 0; k <= 6; ++k) {
      const double expected = lead * (1 - (x / 2) * (x / 2) / (k + 1));
      ASSERT_TRUE(std::isfinite(j(k))) << "x = " << x << ", order " << k;
      if (expected < 1e-300) break;  // below the double range J_k may read as 0
      ASSERT_NEAR(j(k), expected, 1e-12 * expected) << "x = " << x << ", order " << k;
      lead *= (x / 2) / (k + 1);
    }
  }
}
