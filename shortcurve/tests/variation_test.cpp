#include "variation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace sc = shortcurve;
using sc::Point;
using sc::Problem;

namespace {

// The integrand of each functional, written from its definition.
double Integrand(Problem problem, double x, double y, double dy) {
  return problem == Problem::Quadratic ? dy * dy + y * y : dy * dy - 12 * x * y;
}

// Composite Simpson over one straight segment, evaluating the line afresh at
// every node; m intervals (even).
double SegmentQuadrature(Problem problem, Point a, Point b, int m = 64) {
  const double h = (b.x - a.x) / m;
  const double slope = (b.y - a.y) / (b.x - a.x);
  double s = 0;
  for (int i = 0; i <= m; ++i) {
    const double x = a.x + i * h;
    const double y = a.y + slope * (x - a.x);
    const double w = (i == 0 || i == m) ? 1 : (i % 2 ? 4 : 2);
    s += w * Integrand(problem, x, y, slope);
  }
  return s * h / 3;
}

double PolygonQuadrature(Problem problem, const std::vector<Point>& v) {
  double s = 0;
  for (std::size_t i = 1; i < v.size(); ++i) s += SegmentQuadrature(problem, v[i - 1], v[i]);
  return s;
}

// Drives a draft through the given points as a learner's clicks would.
sc::PathDraft Draw(Problem problem, const std::vector<Point>& clicks) {
  sc::PathDraft d(problem);
  for (const Point& p : clicks) {
    d.SetPending(p);
    d.FixPending();
  }
  return d;
}

// A polygon from (0, 0) to the end point through n random inner vertices,
// some of them stepping backwards in x.
std::vector<Point> RandomPolygon(Problem problem, std::mt19937& rng, int n) {
  std::uniform_real_distribution<double> ux(-0.15, 0.99), uy(-0.19, 1.19);
  std::vector<Point> v{{0, 0}};
  for (int i = 0; i < n; ++i) {
    Point p{ux(rng), uy(rng)};
    if (std::abs(p.x - v.back().x) <= 0.01) p.x = v.back().x + 0.02;
    v.push_back(p);
  }
  v.push_back(sc::EndPoint(problem));
  return v;
}

}  // namespace

// ---- The functionals -----------------------------------------------------

TEST(ShortcurveCore, SegmentSumsEqualQuadratureOfThePolygon) {
  std::mt19937 rng(2024);
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    for (int trial = 0; trial < 20; ++trial) {
      const std::vector<Point> poly = RandomPolygon(problem, rng, 1 + trial % 12);
      const std::vector<Point> clicks(poly.begin() + 1, poly.end());
      const sc::PathDraft d = Draw(problem, clicks);
      ASSERT_EQ(d.vertices(), poly) << "trial " << trial;
      EXPECT_NEAR(d.I(), PolygonQuadrature(problem, poly), 1e-9)
          << "problem " << int(problem) << " trial " << trial;
    }
  }
}

TEST(ShortcurveCore, StraightPathToTheEnd) {
  sc::PathDraft one = Draw(Problem::Quadratic, {{1, 1}});
  EXPECT_EQ(one.k(), 1);
  EXPECT_NEAR(one.I(), 1.0 / 3 + 1, 1e-15);
  EXPECT_EQ(sc::ValueText(one.I()), "1.33333");

  sc::PathDraft two = Draw(Problem::Extra, {{1, 0}});
  EXPECT_EQ(two.k(), 1);
  EXPECT_NEAR(two.I(), 0, 1e-15);
}

TEST(ShortcurveCore, MinimisersMeetTheEndsAndTheirEulerEquations) {
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    EXPECT_NEAR(sc::Minimiser(problem, 0), 0, 1e-15);
    EXPECT_NEAR(sc::Minimiser(problem, 1), sc::EndPoint(problem).y, 1e-15);
  }
  // y'' = y and y'' = -6x, by central differences.
  const double h = 1e-4;
  for (double x : {0.1, 0.37, 0.5, 0.83}) {
    auto second = [&](Problem p) {
      return (sc::Minimiser(p, x + h) - 2 * sc::Minimiser(p, x) + sc::Minimiser(p, x - h)) / (h * h);
    };
    EXPECT_NEAR(second(Problem::Quadratic), sc::Minimiser(Problem::Quadratic, x), 1e-5);
    EXPECT_NEAR(second(Problem::Extra), -6 * x, 1e-5);
  }
}

TEST(ShortcurveCore, MinimaAreTheFunctionalOfTheMinimisers) {
  EXPECT_NEAR(sc::Minimum(Problem::Quadratic), std::cosh(1.0) / std::sinh(1.0), 1e-15);
  EXPECT_EQ(sc::ValueText(sc::Minimum(Problem::Quadratic)), "1.31304");
  EXPECT_EQ(sc::ValueText(sc::Minimum(Problem::Extra)), "-0.8");
  // Simpson over the smooth minimiser with its exact derivative.
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    auto dy = [&](double x) {
      return problem == Problem::Quadratic ? std::cosh(x) / std::sinh(1.0) : 1 - 3 * x * x;
    };
    const int m = 1000;
    double s = 0;
    for (int i = 0; i <= m; ++i) {
      const double x = double(i) / m;
      const double w = (i == 0 || i == m) ? 1 : (i % 2 ? 4 : 2);
      s += w * Integrand(problem, x, sc::Minimiser(problem, x), dy(x));
    }
    EXPECT_NEAR(s / (3.0 * m), sc::Minimum(problem), 1e-10) << int(problem);
  }
}

TEST(ShortcurveCore, PolygonsThroughTheMinimiserApproachTheMinimumFromAbove) {
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    double previous = 1e300;
    std::vector<double> excess;
    for (int n : {2, 4, 8, 16, 20}) {
      std::vector<Point> clicks;
      for (int i = 1; i <= n; ++i) clicks.push_back({double(i) / n, sc::Minimiser(problem, double(i) / n)});
      clicks.back() = sc::EndPoint(problem);
      const sc::PathDraft d = Draw(problem, clicks);
      ASSERT_EQ(d.k(), n);
      EXPECT_GT(d.I(), sc::Minimum(problem)) << n;
      EXPECT_LT(d.I(), previous) << n;
      previous = d.I();
      excess.push_back(d.I() - sc::Minimum(problem));
    }
    // Chords of a smooth curve: the excess falls as 1/n^2.
    EXPECT_NEAR(excess[1] / excess[2], 4, 0.3) << int(problem);
    EXPECT_NEAR(excess[2] / excess[3], 4, 0.3) << int(problem);
    EXPECT_LT(excess.back(), 3e-3) << int(problem);
  }
}

// ---- Drawing a path ------------------------------------------------------

TEST(ShortcurveCore, NearlyVerticalSegmentsAreRefused) {
  sc::PathDraft d(Problem::Quadratic);
  d.SetPending({0.3, 0.5});
  ASSERT_EQ(d.FixPending(), sc::PathDraft::Fixed::Added);
  const double before = d.I();
  for (double dx : {0.0, 0.0009, -0.0009, 0.0005}) {
    d.SetPending({0.3 + dx, 0.9});
    EXPECT_EQ(d.FixPending(), sc::PathDraft::Fixed::Refused) << dx;
    EXPECT_EQ(d.k(), 1);
    EXPECT_EQ(d.I(), before);
    EXPECT_TRUE(d.hasPending()) << "a refused click keeps the rubber band";
  }
  d.SetPending({0.3015, 0.9});
  EXPECT_EQ(d.FixPending(), sc::PathDraft::Fixed::Added);
  EXPECT_EQ(d.k(), 2);
  // From the start the limit itself is exact: a step of 0.001 is refused.
  sc::PathDraft fromStart(Problem::Extra);
  fromStart.SetPending({0.001, 0.5});
  EXPECT_EQ(fromStart.FixPending(), sc::PathDraft::Fixed::Refused);
  fromStart.SetPending({-0.001, 0.5});
  EXPECT_EQ(fromStart.FixPending(), sc::PathDraft::Fixed::Refused);
  fromStart.SetPending({0.0011, 0.5});
  EXPECT_EQ(fromStart.FixPending(), sc::PathDraft::Fixed::Added);
  EXPECT_FALSE(d.hasPending());
  // Without a pending point a click fixes nothing.
  EXPECT_EQ(d.FixPending(), sc::PathDraft::Fixed::Refused);
  EXPECT_EQ(d.k(), 2);
}

TEST(ShortcurveCore, APathNeverOutgrowsItsRoomAndClosesAtTheEnd) {
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    sc::PathDraft d(problem);
    std::vector<Point> expected{{0, 0}};
    sc::PathDraft::Fixed last = sc::PathDraft::Fixed::Added;
    int clicks = 0;
    // Zig-zag clicks that never reach the end point by themselves.
    while (last != sc::PathDraft::Fixed::Finished && clicks < 100) {
      ++clicks;
      const Point p{0.03 * clicks, clicks % 2 ? 0.8 : 0.1};
      d.SetPending(p);
      last = d.FixPending();
      expected.push_back(d.k() == sc::kMaxSegments ? sc::EndPoint(problem) : p);
    }
    EXPECT_EQ(clicks, sc::kMaxSegments);
    EXPECT_EQ(d.k(), sc::kMaxSegments);
    EXPECT_EQ(d.last(), sc::EndPoint(problem));
    EXPECT_EQ(d.vertices(), expected);
    EXPECT_NEAR(d.I(), PolygonQuadrature(problem, expected), 1e-9);
  }
}

// ---- The board -----------------------------------------------------------

TEST(ShortcurveCore, BoardMapping) {
  const sc::BoardMap m{560, 560};
  // The unit square sits 0.2/1.4 of the board in from the left and bottom.
  EXPECT_EQ(m.px(0), 80);
  EXPECT_EQ(m.px(1), 480);
  EXPECT_EQ(m.py(0), 480);
  EXPECT_EQ(m.py(1), 80);
  for (int u = 0; u <= 560; ++u) {
    EXPECT_EQ(m.px(m.qx(u)), u);
    EXPECT_EQ(m.py(m.qy(u)), u);
  }
  EXPECT_NEAR(m.snapWorld(), 0.01, 1e-15);

  // Four board units (L1) around the end point snap; beyond them not.
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    const Point e = sc::EndPoint(problem);
    const double unit = 1.4 / 560;
    EXPECT_TRUE(sc::NearEnd(problem, m, {e.x - 3 * unit, e.y}));
    EXPECT_TRUE(sc::NearEnd(problem, m, {e.x - 2 * unit, e.y + 1.5 * unit}));
    EXPECT_FALSE(sc::NearEnd(problem, m, {e.x - 5 * unit, e.y}));
    EXPECT_FALSE(sc::NearEnd(problem, m, {e.x - 2 * unit, e.y - 2.5 * unit}));
    EXPECT_FALSE(sc::NearEnd(problem, m, {0, 0}));
  }
}

TEST(ShortcurveCore, TheMinimiserIsDrawnInHundredStepsUpToTheEnd) {
  for (Problem problem : {Problem::Quadratic, Problem::Extra}) {
    const std::vector<Point> pts = sc::MinimiserPoints(problem);
    ASSERT_EQ(pts.size(), 100u);
    EXPECT_NEAR(pts.front().x, 0.01, 1e-15);
    EXPECT_NEAR(pts.back().x, 1.0, 1e-12);
    EXPECT_NEAR(pts.back().y, sc::EndPoint(problem).y, 1e-12);
  }
}
