// The numbers of the lattice lesson checked against independent values: the
// C++ library's Bessel functions, the identity J_0 + 2 sum J_2k = 1, and the
// chain at rest, where every position is known in closed form.
#include "lattice.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace springchain;

namespace {
float J(const BesselTable& t, int n) { return t[std::size_t(n)]; }
}  // namespace

// ---- Bessel functions ----------------------------------------------------------

TEST(SpringchainBessel, ValuesOfTheLesson) {
  const BesselTable zero = Bessel(0);
  EXPECT_EQ(J(zero, 0), 1.0f);
  for (int n = 1; n < kBesselSize; ++n) EXPECT_EQ(J(zero, n), 0.0f) << n;

  // The first zero of J_0.
  const BesselTable a = Bessel(2.4048f);
  EXPECT_NEAR(J(a, 0), 0.00001, 0.00001);
  EXPECT_NEAR(J(a, 2), 0.43175, 0.00001);

  const BesselTable b = Bessel(10);
  EXPECT_NEAR(J(b, 0), -0.24594, 0.00001);
  EXPECT_NEAR(J(b, 2), 0.25463, 0.00001);
  EXPECT_NEAR(J(b, 10), 0.20749, 0.00001);

  EXPECT_EQ(BesselStartOrder(32), 49);
  EXPECT_NEAR(J(Bessel(32), 2), -0.13974, 0.00001);
}

TEST(SpringchainBessel, StartOrdersAndTheZerosAboveThem) {
  // round(3x + 5), round(1.6x + 7), round(1.25x + 9), halves to even.
  EXPECT_EQ(BesselStartOrder(0.05f), 5);
  EXPECT_EQ(BesselStartOrder(0.5f), 6);  // 6.5 rounds to 6
  EXPECT_EQ(BesselStartOrder(4), 17);
  EXPECT_EQ(BesselStartOrder(5), 15);
  EXPECT_EQ(BesselStartOrder(10), 23);
  EXPECT_EQ(BesselStartOrder(20), 34);
  EXPECT_EQ(BesselStartOrder(-10), 23);
  // The table of 100 never overflows, whatever the argument.
  EXPECT_LE(BesselStartOrder(1e30f), kBesselSize - 2);

  for (float x : {0.05f, 1.0f, 3.9f, 7.5f, 31.9f}) {
    const BesselTable t = Bessel(x);
    const int m = BesselStartOrder(x);
    EXPECT_NE(J(t, m), 0.0f) << x;
    for (int n = m + 1; n < kBesselSize; ++n) EXPECT_EQ(J(t, n), 0.0f) << x << " order " << n;
  }
}

// Single precision through some fifty steps of the recurrence: a few units
// in the sixth decimal at most, whatever the order.
TEST(SpringchainBessel, AgreesWithTheLibraryOverTheLessonsRange) {
  int compared = 0;
  for (int step = 0; step <= 128; ++step) {
    const float x = 0.25f * float(step);
    const BesselTable t = Bessel(x);
    for (int n = 0; n <= 40; ++n) {
      const double ref = std::cyl_bessel_j(double(n), double(x));
      EXPECT_NEAR(J(t, n), ref, 2e-6) << "x = " << x << ", order " << n;
      if (std::fabs(ref) > 0.01) {
        EXPECT_NEAR(J(t, n) / ref, 1.0, 2e-4) << "x = " << x << ", order " << n;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 1500);
}

TEST(SpringchainBessel, EvenOrdersSumToOne) {
  for (float x : {0.05f, 0.7f, 2.4048f, 9.3f, 17.0f, 25.25f, 32.0f}) {
    const BesselTable t = Bessel(x);
    double sum = J(t, 0);
    for (int k = 2; k < kBesselSize; k += 2) sum += 2.0 * J(t, k);
    // Each of some 25 terms is rounded to single precision on its own.
    EXPECT_NEAR(sum, 1.0, 5e-6) << x;
  }
}

TEST(SpringchainBessel, OddArgumentsTinyArgumentsAndNonsense) {
  // J_n(-x) = (-1)^n J_n(x).
  const BesselTable p = Bessel(7.25f), q = Bessel(-7.25f);
  for (int n = 0; n < 30; ++n) EXPECT_EQ(J(q, n), n % 2 ? -J(p, n) : J(p, n)) << n;

  // Where the recurrence's factors 2i/x would overflow, the series holds.
  for (float x : {1e-5f, 1e-20f, 1e-38f}) {
    const BesselTable t = Bessel(x);
    EXPECT_EQ(J(t, 0), 1.0f) << x;
    EXPECT_FLOAT_EQ(J(t, 1), 0.5f * x) << x;
    for (float v : t) EXPECT_TRUE(std::isfinite(v)) << x;
  }
  for (float x : {INFINITY, -INFINITY, NAN, 1e30f}) {
    const BesselTable t = Bessel(x);
    for (float v : t) EXPECT_TRUE(std::isfinite(v)) << x;
  }
}

// ---- The chain strip -----------------------------------------------------------

TEST(SpringchainStrip, LabelsForBothOrigins) {
  // Atoms -6 .. 5 with atom 0 seventh, or -1 .. 10 with atom 0 second.
  std::vector<int> centre, left;
  for (int k = 0; k < kAtoms; ++k) {
    centre.push_back(OrderAt(k, 0));
    left.push_back(OrderAt(k, 1));
  }
  EXPECT_EQ(centre, (std::vector<int>{-12, -10, -8, -6, -4, -2, 0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(left, (std::vector<int>{-2, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));

  // The 25 stamps read 0, -2, 2, -4, 4, ..., -24, 24, and each order of
  // either strip finds the stamp that reads it.
  std::vector<int> labels;
  for (int i = 0; i < kStamps; ++i) labels.push_back(StampLabel(i));
  EXPECT_EQ(labels, (std::vector<int>{0, -2, 2, -4, 4, -6, 6, -8, 8, -10, 10, -12, 12, -14, 14,
                                      -16, 16, -18, 18, -20, 20, -22, 22, -24, 24}));
  for (int origin : {0, 1})
    for (int k = 0; k < kAtoms; ++k) {
      const int stamp = StampOf(OrderAt(k, origin));
      ASSERT_GE(stamp, 0);
      ASSERT_LT(stamp, kStamps);
      EXPECT_EQ(StampLabel(stamp), OrderAt(k, origin));
    }
}

// At t = 0 every atom stands at (2k - 0.5) u except atom 0, displaced by
// J_0(0) = 1, that is by u pixels.
TEST(SpringchainStrip, FirstRowOfTheRecordForBothOrigins) {
  const float u = 42;
  for (int origin : {0, 1}) {
    const Record rec(580, u, origin);
    for (int k = 0; k <= kAtoms; ++k) {
      const float rest = (2 * k - 0.5f) * u;
      const float want = k == OriginPosition(origin) ? rest + u : rest;
      EXPECT_EQ(rec.at(k, 0), std::lround(want)) << "origin " << origin << ", position " << k;
    }
  }
  // Rounding of the rest positions with halves to even: (2k - 0.5) * 5.
  const Record odd(10, 5, 1);
  EXPECT_EQ(odd.at(0, 0), -2);  // -2.5
  EXPECT_EQ(odd.at(2, 0), 18);  // 17.5
  EXPECT_EQ(odd.at(4, 0), 38);  // 37.5
}

// Row i holds every atom at 2k - 0.5 + J_|2n|(32 i / nT), and the last row is
// t = 32.
TEST(SpringchainStrip, RowsFollowTheEvenBesselFunctions) {
  const float u = 40;
  const int nT = 400;
  for (int origin : {0, 1}) {
    const Record rec(nT, u, origin);
    EXPECT_EQ(rec.time(nT), 32.0f);
    EXPECT_EQ(rec.time(0), 0.0f);
    for (int i : {1, 77, 150, 399, 400}) {
      const double t = 32.0 * i / nT;
      for (int k = 0; k <= kAtoms; ++k) {
        const int n = k - OriginPosition(origin);
        const double x = (2 * k - 0.5 + std::cyl_bessel_j(double(std::abs(2 * n)), t)) * u;
        EXPECT_NEAR(rec.at(k, i), x, 0.5 + 1e-3) << "origin " << origin << " k " << k << " i " << i;
      }
    }
  }
  // Symmetry of the motion: atoms -1 and 1 (positions 5 and 7) move alike.
  const Record rec(nT, u, 0);
  for (int i = 0; i <= nT; i += 10)
    EXPECT_EQ(rec.at(5, i) - rec.at(5, 0), rec.at(7, i) - rec.at(7, 0)) << i;
  // nT below 1 still makes a record of two rows.
  EXPECT_EQ(Record(0, u, 0).nT(), 1);
}

TEST(SpringchainStrip, FramesAtRestAndInMotion) {
  const float u = 42;
  for (int origin : {0, 1}) {
    const Record rec(300, u, origin);
    const int k0 = OriginPosition(origin);
    for (float shift : {0.0f, 0.5f, 255.0f / 256}) {
      const Frame f = RestingFrame(rec, shift);
      for (int k = 0; k <= kAtoms; ++k) {
        const float want = (2 * k - 0.5f + (k == k0 ? shift : 0)) * u;
        EXPECT_NEAR(f[std::size_t(k)], want, k == k0 ? 1e-3 : 0.5) << origin << " " << k;
      }
    }
    const Frame m = MovingFrame(rec, 123);
    for (int k = 0; k <= kAtoms; ++k) EXPECT_EQ(m[std::size_t(k)], float(rec.at(k, 123)));
    // Out of range rows are held at the ends.
    EXPECT_EQ(MovingFrame(rec, 9999)[3], float(rec.at(3, 300)));
    EXPECT_EQ(MovingFrame(rec, -5)[3], float(rec.at(3, 0)));
  }
}

// ---- Springs -------------------------------------------------------------------

TEST(SpringchainSpring, CoilSpansTheGapAndWidensWithTheStretch) {
  const float u = 42, yc = 37;
  const int d = 25;  // rho = 12
  auto height = [](const SpringStrokes& s) {
    float lo = 1e9f, hi = -1e9f;
    for (const auto& stroke : s)
      for (const PathPoint& p : stroke) {
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
      }
    return hi - lo;
  };
  auto loopWidth = [](const SpringStrokes& s) {
    // The first loop runs back on itself: the largest step backwards in x.
    float back = 0;
    const auto& c = s.front();
    for (std::size_t j = 1; j < c.size(); ++j) back = std::max(back, c[j - 1].x - c[j].x);
    return back;
  };
  const float a = 100;
  const SpringStrokes rest = SpringPath(a, a + 2 * u, u, d, yc);
  ASSERT_EQ(rest.size(), 1u);
  const auto& coil = rest.front();
  ASSERT_EQ(coil.size(), 103u);  // two straight points, 100 segments, the end
  // Out of the left stamp's edge, through the gap g = 0.1 u, into the next atom.
  EXPECT_FLOAT_EQ(coil[0].x, a + 12);
  EXPECT_FLOAT_EQ(coil[1].x, a + 12 + 0.1f * u);
  EXPECT_FLOAT_EQ(coil.back().x, a + 2 * u);
  EXPECT_FLOAT_EQ(coil.back().y, yc);
  // After 3.5 turns the coil is back on the line at the free length's end.
  EXPECT_NEAR(coil[coil.size() - 2].x, a + 12 + 0.1f * u + FreeLength(a, a + 2 * u, u, d), 1e-3);
  EXPECT_NEAR(coil[coil.size() - 2].y, yc, 1e-3);
  EXPECT_NEAR(height(rest), 2 * 12, 0.1);

  const SpringStrokes stretched = SpringPath(a, a + 3 * u, u, d, yc);
  const SpringStrokes pressed = SpringPath(a, a + 1.2f * u, u, d, yc);
  EXPECT_GT(loopWidth(rest), loopWidth(pressed));
  EXPECT_GT(loopWidth(stretched), loopWidth(rest));
}

TEST(SpringchainSpring, CompressedSpringIsABar) {
  const float u = 42, yc = 37;
  const int d = 25;
  // Free length b - a - d - 0.2 u: the bar for 0.01 u and less, a coil above.
  const float atLimit = 100 + d + 0.2f * u + 0.01f * u;
  EXPECT_EQ(SpringPath(100, atLimit + 0.5f, u, d, yc).size(), 1u);
  for (float b : {atLimit - 0.05f, 100.0f + d, 90.0f}) {
    const SpringStrokes bar = SpringPath(100, b, u, d, yc);
    ASSERT_EQ(bar.size(), 3u) << b;
    // The vertical bar, rho up and down from the line, and no other height.
    const auto& mid = bar[1];
    ASSERT_EQ(mid.size(), 2u);
    EXPECT_EQ(mid[0].x, mid[1].x);
    EXPECT_FLOAT_EQ(mid[0].y, yc - 12);
    EXPECT_FLOAT_EQ(mid[1].y, yc + 12);
    for (int s : {0, 2})
      for (const PathPoint& p : bar[std::size_t(s)]) EXPECT_EQ(p.y, yc);
    EXPECT_EQ(bar[2].back().x, b);
  }
}

TEST(SpringchainTexts, TimeCaptionAndTheSlidingLine) {
  EXPECT_EQ(TimeCaption(0), "Time： 0.0");
  EXPECT_EQ(TimeCaption(12.5f), "Time： 12.5");
  EXPECT_EQ(TimeCaption(32), "Time： 32.0");
  EXPECT_EQ(TimeCaption(0.04f), "Time： 0.0");
  EXPECT_EQ(TimeCaption(7.96f), "Time： 8.0");
  EXPECT_EQ(DisplaceLine(0), "中央の原子 0 を このように 右側へ変位させましょう。");
  EXPECT_EQ(DisplaceLine(1), "左端の原子 0 を このように 右側へ変位させましょう。");
}
