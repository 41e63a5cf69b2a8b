#include "spike.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>


namespace sl = spikelimit;

namespace {

constexpr double kPi = std::numbers::pi;

// Simpson's rule over the lesson's own samples (2048 intervals of 2^-10).
double AreaOfCurve(double L) {
  const std::vector<sl::PlotPoint> c = sl::SpikeCurve(L);
  const double h = c[1].x - c[0].x;
  double s = c.front().y + c.back().y;
  for (int k = 1; k < sl::kLastIndex; ++k) s += (k % 2 ? 4.0 : 2.0) * c[std::size_t(k)].y;
  return s * h / 3.0;
}

// The sine integral Si(L) = integral of sin(t)/t over [0, L], by Simpson's
// rule on a grid a hundred times finer than the lesson's, independent of
// the lesson's code.
double SineIntegral(double L) {
  const int m = 200000;
  const double h = L / (2 * m);
  auto f = [](double t) { return t == 0 ? 1.0 : std::sin(t) / t; };
  double s = f(0) + f(L);
  for (int k = 1; k < 2 * m; ++k) s += (k % 2 ? 4.0 : 2.0) * f(k * h);
  return s * h / 3.0;
}

}  // namespace

// ---- The curve ----------------------------------------------------------

TEST(SpikelimitCore, PeakIsLOverPiAndTheCurveIsEvenAroundIt) {
  for (double L : {10.0, 20.0, 37.0, 63.0}) {
    EXPECT_EQ(sl::Spike(L, 0.0), L / kPi) << L;
    // The sample at k = 1024 is x = 0 exactly: the peak is drawn full height.
    const sl::PlotPoint top = sl::SpikePoint(L, 1024);
    EXPECT_EQ(top.x, 0.0);
    EXPECT_EQ(top.y, L / kPi);
    // Next to 0 the quotient runs smoothly into the peak.
    EXPECT_NEAR(sl::Spike(L, 1e-9), L / kPi, 1e-9 * L);
    EXPECT_NEAR(sl::Spike(L, -1e-7), L / kPi, 1e-9 * L);
    for (double x : {0.01, 0.3, 0.77, 1.0}) EXPECT_EQ(sl::Spike(L, -x), sl::Spike(L, x));
  }
  // The peak for L = 10 is 10/pi = 3.18.
  EXPECT_NEAR(sl::Spike(10, 0), 3.183, 5e-4);
}

TEST(SpikelimitCore, ValuesAwayFromThePeak) {
  EXPECT_NEAR(sl::Spike(10, 0.5), std::sin(5.0) / (0.5 * kPi), 1e-15);
  EXPECT_NEAR(sl::Spike(63, -1), std::sin(63.0) / kPi, 1e-15);
  // The first zeros are at x = +-pi/L, so the peak narrows as L grows.
  for (double L : {10.0, 20.0, 63.0}) {
    EXPECT_NEAR(sl::Spike(L, kPi / L), 0.0, 1e-14) << L;
    EXPECT_GT(sl::Spike(L, 0.9 * kPi / L), 0.0) << L;
    EXPECT_LT(sl::Spike(L, 1.1 * kPi / L), 0.0) << L;
  }
}

TEST(SpikelimitCore, SamplesRunFromMinusOneToOneIn2049StepsOverFourSeconds) {
  EXPECT_EQ(sl::kPoints, 2049);
  EXPECT_EQ(sl::SampleX(0), -1.0);
  EXPECT_EQ(sl::SampleX(1024), 0.0);
  EXPECT_EQ(sl::SampleX(sl::kLastIndex), 1.0);
  for (int k = 1; k <= sl::kLastIndex; ++k)
    ASSERT_EQ(sl::SampleX(k) - sl::SampleX(k - 1), std::ldexp(1.0, -10)) << k;
  const std::vector<sl::PlotPoint> c = sl::SpikeCurve(20);
  ASSERT_EQ(c.size(), 2049u);
  for (int k : {0, 1, 500, 1023, 1024, 1025, 2048}) {
    EXPECT_EQ(c[std::size_t(k)].x, sl::SampleX(k));
    EXPECT_EQ(c[std::size_t(k)].y, sl::Spike(20, sl::SampleX(k)));
  }
  // A curve takes 4 s, at an even pace.
  EXPECT_EQ(sl::PointDue(0), 0.0);
  EXPECT_EQ(sl::PointDue(1024), 2.0);
  EXPECT_EQ(sl::PointDue(sl::kLastIndex), 4.0);
  for (int k = 1; k <= sl::kLastIndex; ++k)
    ASSERT_NEAR(sl::PointDue(k) - sl::PointDue(k - 1), 4.0 / 2048, 1e-15) << k;
}

// The claim of the lesson: the area under sin(Lx)/(pi x) over [-1, 1] is
// (2/pi) Si(L) and tends to 1 as L grows.
TEST(SpikelimitCore, AreaTendsToOneAsLGrows) {
  // The independent sine integral against tabulated values.
  EXPECT_NEAR(SineIntegral(10), 1.6583475942, 1e-9);
  EXPECT_NEAR(SineIntegral(20), 1.5482417010, 1e-9);
  double previousError = 1;
  for (double L : {10.0, 20.0, 40.0, 63.0}) {
    const double area = AreaOfCurve(L);
    EXPECT_NEAR(area, 2 / kPi * SineIntegral(L), 1e-5) << L;
    const double error = std::fabs(area - 1);
    EXPECT_LT(error, previousError) << L;
    previousError = error;
  }
  EXPECT_GT(std::fabs(AreaOfCurve(10) - 1), 0.05);  // far from 1 at the start
  EXPECT_LT(std::fabs(AreaOfCurve(63) - 1), 1e-2);
}

// ---- Entries ------------------------------------------------------------

TEST(SpikelimitCore, EntriesOutsideTenToSixtyThreeOfferTheNearerLimit) {
  struct Case {
    double v;
    bool accepted;
    double value;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {{10, true, 10},       {63, true, 63},          {20, true, 20},
                        {5, false, 10},       {9.999, false, 10},      {0, false, 10},
                        {-0.0, false, 10},    {-7, false, 10},         {63.5, false, 63},
                        {100, false, 63},     {DBL_MAX, false, 63},    {-DBL_MAX, false, 10},
                        {inf, false, 63},     {-inf, false, 10},
                        {std::nan(""), false, 10}};
  for (const Case& c : cases) {
    const sl::Checked r = sl::CheckL(c.v);
    EXPECT_EQ(r.accepted, c.accepted) << c.v;
    EXPECT_EQ(r.value, c.value) << c.v;
  }
}

// ---- The list of curves -------------------------------------------------

TEST(SpikelimitCore, CurveListKeepsWhatItHoldsWhenFull) {
  sl::CurveList list;
  for (int i = 1; i <= 20; ++i) EXPECT_TRUE(list.Add(9.0 + i, lk::Color(i))) << i;
  EXPECT_TRUE(list.Full());
  EXPECT_FALSE(list.Add(55, 7));
  EXPECT_EQ(list.Count(), 20);
  EXPECT_EQ(list.At(1).L, 10);
  EXPECT_EQ(list.At(20).L, 29);
  EXPECT_EQ(list.At(20).color, 20u);

  // A window with room for fewer rows is full sooner; too much room still
  // never goes past the capacity, and no room at all keeps one row.
  struct Case {
    int room, holds;
  };
  for (const Case c : {Case{9, 9}, Case{1000, 20}, Case{0, 1}, Case{-3, 1}}) {
    list.Clear();
    for (int i = 0; i < 45; ++i) list.Add(10 + i, 1, c.room);
    EXPECT_EQ(list.Count(), c.holds) << c.room;
    EXPECT_TRUE(list.Full(c.room)) << c.room;
    EXPECT_EQ(list.At(c.holds).L, 9 + c.holds) << c.room;
  }
}

TEST(SpikelimitCore, ListRowsFillOneColumnThenTheNext) {
  struct Case {
    int i, perColumn, column, row;
  };
  const Case cases[] = {{1, 9, 0, 1},  {9, 9, 0, 9},  {10, 9, 1, 1},  {18, 9, 1, 9},
                        {20, 10, 1, 10}, {3, 0, 2, 1}, {0, 5, 0, 1}};
  for (const Case& c : cases) {
    const sl::ListSlot s = sl::PlaceInList(c.i, c.perColumn);
    EXPECT_EQ(s.column, c.column) << c.i << "/" << c.perColumn;
    EXPECT_EQ(s.row, c.row) << c.i << "/" << c.perColumn;
  }
}

// ---- Frame of the plot --------------------------------------------------

TEST(SpikelimitCore, TicksEveryTenthWithLongerOnesAtHalf) {
  const std::vector<sl::Tick> ticks = sl::XTicks();
  ASSERT_EQ(ticks.size(), 19u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    const double x = -0.9 + 0.1 * double(i);
    EXPECT_NEAR(ticks[i].x, x, 1e-12);
    EXPECT_EQ(ticks[i].top, std::fabs(std::fabs(x) - 0.5) < 1e-9 ? 0.6 : 0.3) << x;
  }
}
