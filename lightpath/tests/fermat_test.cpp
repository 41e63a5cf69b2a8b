// The optics of the lesson checked against Snell's law, solved here on its
// own, and the small rules of the trials.
#include "fermat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace lightpath;

namespace {

// The picture of the lesson (4485 x 5895 twips) and two other shapes.
const std::vector<std::pair<int, int>> kShapes = {{299, 393}, {200, 200}, {400, 120}};

// Snell's law for the crossing point x of a scene of half-sizes a = 1 and b:
// sin(theta1) - n sin(theta2), the angles from the vertical, found from the
// two legs of the path with hypot rather than the lesson's S1 and S2.
double SnellResidual(double x, double b, double n) {
  const double sin1 = (1 - x) / std::hypot(1 - x, b);
  const double sin2 = (x + 1) / std::hypot(x + 1, b);
  return sin1 - n * sin2;
}

// Its root by plain bisection: the residual falls from + at x = -1 to - at 1.
double SnellRoot(double b, double n) {
  double lo = -1, hi = 1;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (SnellResidual(mid, b, n) > 0 ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

TEST(LightpathScene, MapsTheSceneOntoThePicture) {
  const Scene s(299, 393);
  EXPECT_EQ(s.yline(), 196);
  EXPECT_DOUBLE_EQ(s.b(), 393.0 / 299.0);
  // Corners and centre; 149.5 and 196.5 round to the even neighbour.
  EXPECT_EQ(s.px(-1), 0);
  EXPECT_EQ(s.px(1), 299);
  EXPECT_EQ(s.px(0), 150);
  EXPECT_EQ(s.py(s.b()), 0);
  EXPECT_EQ(s.py(-s.b()), 393);
  EXPECT_EQ(s.py(0), 196);
  EXPECT_EQ(Scene(300, 400).px(0), 150);
  // qx undoes px to within half a pixel.
  for (double x : {-0.9, -0.31, 0.0, 0.42, 0.99}) EXPECT_NEAR(s.qx(s.px(x)), x, 1.0 / 299) << x;
  // The legs of the extreme paths: straight down from P, straight up to Q.
  EXPECT_DOUBLE_EQ(s.S1(1), s.b());
  EXPECT_DOUBLE_EQ(s.S2(-1), s.b());
  // A degenerate picture still gives a usable scene.
  EXPECT_EQ(Scene(0, 0).W(), 1);
  EXPECT_DOUBLE_EQ(Scene(0, 0).b(), 1.0);
}

TEST(LightpathOptics, EqualMediaGiveTheStraightDiagonal) {
  for (auto [W, H] : kShapes) {
    const Scene s(W, H, 1.0);
    EXPECT_EQ(s.Answer(), 0.0);
    // The iteration agrees where the shortcut is not taken.
    EXPECT_NEAR(s.Exact(), 0.0, 1e-4);
    const OpticalLength r = ResultOf(s, 0);
    EXPECT_NEAR(r.air, 1.0, 1e-12);
    EXPECT_NEAR(r.water, 1.0, 1e-12);
    EXPECT_NEAR(r.total, 2.0, 1e-12);
    EXPECT_EQ(ResultText(r.air), " 1.00000 ");
    EXPECT_EQ(ResultText(r.total), " 2.00000 ");
  }
}

TEST(LightpathOptics, ResultLineOfOtherPaths) {
  // The straight path through water of index 1.33 is 1.33 times longer below.
  const Scene s(299, 393, 1.33);
  OpticalLength r = ResultOf(s, 0);
  EXPECT_NEAR(r.air, 1.0, 1e-12);
  EXPECT_NEAR(r.water, 1.33, 1e-12);
  EXPECT_EQ(ResultText(r.water), " 1.33000 ");
  EXPECT_EQ(ResultText(r.total), " 2.33000 ");
  // Crossing right below P: the air leg is b, the water leg the diagonal
  // sqrt(4 + b^2) of the lower half; both in units of sqrt(1 + b^2).
  const double b = 393.0 / 299.0, L0 = std::sqrt(1 + b * b);
  r = ResultOf(s, 1);
  EXPECT_NEAR(r.air, b / L0, 1e-12);
  EXPECT_NEAR(r.water, 1.33 * std::sqrt(4 + b * b) / L0, 1e-12);
  EXPECT_NEAR(r.total, r.air + r.water, 1e-15);
  EXPECT_EQ(ResultText(0.5), " 0.50000 ");
  // 1.234565 is stored as 1.23456499999999991246...: it rounds down.
  EXPECT_EQ(ResultText(1.234565), " 1.23456 ");
}

TEST(LightpathOptics, ExactObeysSnellsLawAndIsTheShortest) {
  for (auto [W, H] : kShapes) {
    for (double n : {1.01, 1.33, 1.5, 2.0, 3.0, 4.2, 5.0}) {
      const Scene s(W, H, n);
      const double x = s.Answer();
      EXPECT_NEAR(x, SnellRoot(s.b(), n), 1e-4) << W << "x" << H << " n = " << n;
      EXPECT_LT(x, 0) << "the ray bends towards the normal, n = " << n;
      EXPECT_GT(x, -1);
      // No other crossing point gives a shorter optical path.
      for (int k = 0; k <= 400; ++k) {
        const double other = -1 + k / 200.0;
        EXPECT_LE(s.l(x), s.l(other) + 1e-12) << "n = " << n << ", x = " << other;
      }
    }
  }
}

TEST(LightpathOptics, ExactFindsTheRootForEveryIndexOfTheScrollBar) {
  const Scene shape(299, 393);
  for (int v = kIndexMin; v <= kIndexMax; ++v) {
    const Scene s(299, 393, v / 1000.0);
    ASSERT_NEAR(s.Answer(), SnellRoot(shape.b(), v / 1000.0), 1e-4) << "index " << v;
  }
  // Indices just above 1, where the two start values give nearly equal slopes.
  for (double n : {1.0000001, 1.000001, 1.00001}) {
    EXPECT_NEAR(Scene(299, 393, n).Answer(), SnellRoot(shape.b(), n), 1e-4) << n;
  }
}

TEST(LightpathIndex, ScrollBarValuesAsText) {
  EXPECT_EQ(IndexText(1330), "1.33");
  EXPECT_EQ(IndexText(1000), "1");
  EXPECT_EQ(IndexText(1010), "1.01");
  EXPECT_EQ(IndexText(5000), "5");
  EXPECT_EQ(IndexValue(1.33), 1330);
  EXPECT_EQ(IndexValue(1.3337), 1334);
  EXPECT_EQ(IndexValue(0.2), kIndexMin);
  EXPECT_EQ(IndexValue(7), kIndexMax);
}

TEST(LightpathIndex, AnyTextReadsAsAnIndexInRange) {
  struct Case {
    const char* text;
    double n;
    const char* shown;
  };
  const Case cases[] = {
      {"1.33", 1.33, "1.33"},  {"2", 2, "2"},          {" 1.5", 1.5, " 1.5"},
      {"2.0", 2, "2.0"},       {"1.50", 1.5, "1.50"},  {"5e0", 5, "5e0"},
      {"+2", 2, "2"},          {"1.33 x", 1.33, "1.33"},
      {"1.2.3", 1.2, "1.2"},   {"4.99abc", 4.99, "4.99"}, {"0", 1, "1"},
      {"-0", 1, "1"},          {"-3", 1, "1"},         {"0.5", 1, "1"},
      {"", 1, "1"},            {".", 1, "1"},          {"-", 1, "1"},
      {",,,", 1, "1"},         {"abc", 1, "1"},        {"1e999", 5, "5"},
      {"99999999999999999999", 5, "5"}, {"5.0001", 5, "5"}, {"1e-300", 1, "1"},
  };
  for (const Case& c : cases) {
    const IndexReading r = ReadIndex(c.text);
    EXPECT_DOUBLE_EQ(r.n, c.n) << '"' << c.text << '"';
    EXPECT_EQ(r.text, c.shown) << '"' << c.text << '"';
    EXPECT_NEAR(Scene(299, 393, r.n).Answer(), SnellRoot(393.0 / 299.0, r.n), 1e-4) << c.text;
  }
  const std::string longText(5000, '9');
  EXPECT_DOUBLE_EQ(ReadIndex(longText).n, 5.0);
}

TEST(LightpathTrials, DragCountsOnlyNearTheSurfaceAndTheLastPosition) {
  const Scene s(299, 393);
  const double y = s.yline();
  double xm = 99;
  // Near the centre and on the line: taken, and the position is the pointer's.
  ASSERT_TRUE(DragAccepted(s, 0, s.px(0.04), y, xm));
  EXPECT_DOUBLE_EQ(xm, s.qx(s.px(0.04)));
  // A jump of 0.05 or more is not.
  xm = 99;
  EXPECT_FALSE(DragAccepted(s, 0, s.px(0.06), y, xm));
  EXPECT_FALSE(DragAccepted(s, 0, s.px(-0.06), y, xm));
  EXPECT_FALSE(DragAccepted(s, 0.4, s.px(0.35) - 1, y, xm));
  EXPECT_EQ(xm, 99);
  // Reach is measured from the last accepted position, not the centre.
  EXPECT_TRUE(DragAccepted(s, 0.4, s.px(0.42), y, xm));
  // Nine pixels off the surface line still count, ten do not.
  EXPECT_TRUE(DragAccepted(s, 0, s.px(0), y + 9, xm));
  EXPECT_TRUE(DragAccepted(s, 0, s.px(0), y - 9.5, xm));
  EXPECT_FALSE(DragAccepted(s, 0, s.px(0), y + 10, xm));
  EXPECT_FALSE(DragAccepted(s, 0, s.px(0), y - 10, xm));
  EXPECT_FALSE(DragAccepted(s, 0, s.px(0), 0, xm));
}

TEST(LightpathTrials, PathListHoldsAHundredAndNoMore) {
  PathList xs;
  EXPECT_EQ(xs.count(), 0);
  EXPECT_EQ(xs.last(), 2.0);  // the "no path yet" marker
  for (int i = 1; i <= kMaxPaths; ++i) ASSERT_TRUE(xs.Add(i / 1000.0)) << i;
  EXPECT_TRUE(xs.full());
  EXPECT_FALSE(xs.Add(0.5));
  EXPECT_FALSE(xs.Add(0.6));
  EXPECT_EQ(xs.count(), kMaxPaths);
  EXPECT_DOUBLE_EQ(xs.last(), kMaxPaths / 1000.0);
  EXPECT_DOUBLE_EQ(xs.at(1), 0.001);
  EXPECT_DOUBLE_EQ(xs.at(0), 2.0);
  xs.Clear();
  EXPECT_EQ(xs.count(), 0);
  EXPECT_EQ(xs.last(), 2.0);
  EXPECT_TRUE(xs.Add(-0.25));
  EXPECT_DOUBLE_EQ(xs.last(), -0.25);
}
