// The orbit lesson's numbers: the integrated motion against Kepler's
// equation, the Fourier coefficients against Bessel's theory, the theory
// against cosine sums of Kepler's exact r(t), and the entry check and plot
// mappings the window uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "orbit.h"

using namespace orbitspectrum;

namespace {

const double kPi = std::acos(-1.0);

// Kepler's solution at time t after the aphelion (period 2 pi, a = 1): the
// mean anomaly from the perihelion is t + pi; Newton from E = pi converges for
// every mean anomaly in [0, 2 pi].
struct KeplerPoint {
  double theta, r;
};
KeplerPoint Kepler(double e, double t) {
  const double mean = std::fmod(t + kPi, 2 * kPi);
  const double turns = (t + kPi) - mean;
  double E = kPi;
  for (int it = 0; it < 60; ++it) {
    const double dE = (E - e * std::sin(E) - mean) / (1 - e * std::cos(E));
    E -= dE;
    if (std::fabs(dE) < 1e-15) break;
  }
  E += turns;
  // True anomaly minus eccentric anomaly, continuous in E.
  const double beta = e / (1 + std::sqrt(1 - e * e));
  const double nu = E + 2 * std::atan(beta * std::sin(E) / (1 - beta * std::cos(E)));
  return {nu - kPi, 1 - e * std::cos(E)};
}

// Largest deviation of an integrated period from Kepler's solution, in theta.
double MaxThetaDeviation(double e, int n, double* maxRDeviation = nullptr) {
  Orbit orbit(e, n);
  double worstTheta = 0, worstR = 0;
  while (!orbit.done()) {
    const OrbitSample& s = orbit.Step();
    const KeplerPoint k = Kepler(e, 2 * kPi * s.i / n);
    worstTheta = std::max(worstTheta, std::fabs(s.theta - k.theta));
    worstR = std::max(worstR, std::fabs(s.r - k.r));
  }
  if (maxRDeviation) *maxRDeviation = worstR;
  return worstTheta;
}

struct Analysis {
  Coefficients c, theory;
  double thetaError;
};
Analysis Analyse(double e) {
  Orbit orbit(e);
  orbit.Run();
  FourierTransform(orbit.data(), MakeTable());
  return {FourierCoefficients(orbit.data()), TheoryCoefficients(e), orbit.ThetaError()};
}

}  // namespace

TEST(OrbitLesson, CircularOrbit) {
  Orbit orbit(0.0);
  orbit.Run();
  for (int i = 0; i <= kSamples; ++i) EXPECT_NEAR(orbit.data()[2 * i], 1.0, 1e-15);
  EXPECT_NEAR(orbit.ThetaError(), 0.0, 1e-12);

  const Analysis a = Analyse(0.0);
  EXPECT_NEAR(a.c[0], 1.0, 1e-14);
  EXPECT_EQ(a.theory[0], 1.0);
  for (int n = 1; n < kCoefficients; ++n) {
    EXPECT_NEAR(a.c[n], 0.0, 1e-14);
    EXPECT_EQ(a.theory[n], 0.0);
  }
}

TEST(OrbitLesson, ModerateEccentricity) {
  const Analysis a = Analyse(0.5);
  EXPECT_DOUBLE_EQ(a.theory[0], 1.125);
  EXPECT_NEAR(a.theory[1], 0.45393, 5e-6);
  EXPECT_NEAR(a.theory[2], -0.10512, 5e-6);
  EXPECT_NEAR(a.theory[3], 0.03672, 5e-6);
  for (int n = 0; n < kCoefficients; ++n) EXPECT_NEAR(a.c[n], a.theory[n], 2e-6) << n;
  EXPECT_NEAR(a.thetaError, -3e-6, 1e-6);
}

TEST(OrbitLesson, HighEccentricity) {
  Orbit orbit(0.9);
  orbit.Run();
  double rMin = 1e9, rMax = 0;
  for (int i = 0; i <= kSamples; ++i) {
    rMin = std::min(rMin, orbit.data()[2 * i]);
    rMax = std::max(rMax, orbit.data()[2 * i]);
  }
  EXPECT_NEAR(rMin, 0.1, 1e-4);
  EXPECT_DOUBLE_EQ(rMax, 1.9);

  const Analysis a = Analyse(0.9);
  EXPECT_DOUBLE_EQ(a.theory[0], 1.405);
  EXPECT_NEAR(a.c[0], 1.40495, 1e-5);
  EXPECT_NEAR(a.thetaError, -2e-5, 5e-6);
  for (int n = 1; n < kCoefficients; ++n) EXPECT_NEAR(a.c[n], a.theory[n], 2e-4) << n;
}

TEST(OrbitLesson, IntegrationFollowsKeplersEquation) {
  for (double e : {0.1, 0.5, 0.7, 0.9}) {
    double rDev = 0;
    const double fine = MaxThetaDeviation(e, kSamples, &rDev);
    // The fixed step is coarsest at the perihelion, where theta advances by
    // (a/b)^3 (1 + e)^2 2 pi / N per step; the error stays below half its square.
    const double b = std::sqrt(1 - e * e);
    const double perihelionStep = (1 + e) * (1 + e) / (b * b * b) * 2 * kPi / kSamples;
    EXPECT_LT(fine, 0.5 * perihelionStep * perihelionStep) << e;
    EXPECT_LT(rDev, 0.5 * perihelionStep * perihelionStep) << e;
    // Second order: halving the step quarters the error.
    const double ratio = MaxThetaDeviation(e, kSamples / 2) / fine;
    EXPECT_NEAR(ratio, 4.0, 0.3) << e;
  }
}

TEST(OrbitLesson, TheoryMatchesKeplerSeriesAndStdBessel) {
  for (double e : {0.2, 0.5, 0.9}) {
    const Coefficients theory = TheoryCoefficients(e);
    // (-1)^(n+1) (2e/n) J'_n(ne) with J'_n = (J_{n-1} - J_{n+1}) / 2.
    for (int n = 1; n < kCoefficients; ++n) {
      const double x = n * e;
      const double derivative = (std::cyl_bessel_j(n - 1, x) - std::cyl_bessel_j(n + 1, x)) / 2;
      EXPECT_NEAR(theory[n], (n % 2 ? 1 : -1) * 2 * e / n * derivative, 1e-14);
    }
    // The cosine coefficients of Kepler's exact r(t), by direct sums.
    const int m = 4096;
    for (int n = 0; n < kCoefficients; ++n) {
      double sum = 0;
      for (int j = 0; j < m; ++j) sum += Kepler(e, 2 * kPi * j / m).r * std::cos(2 * kPi * n * j / m);
      EXPECT_NEAR((n == 0 ? 1.0 : 2.0) * sum / m, theory[n], 1e-12) << e << " " << n;
    }
  }
}

TEST(OrbitLesson, StepwiseRun) {
  Orbit orbit(0.5);
  EXPECT_DOUBLE_EQ(orbit.start().x, 1.0);  // the aphelion, r = 1.5
  EXPECT_DOUBLE_EQ(orbit.data()[0], 1.5);
  int steps = 0;
  while (!orbit.done()) EXPECT_EQ(orbit.Step().i, ++steps);
  EXPECT_EQ(steps, kSamples);
  EXPECT_THROW(orbit.Step(), std::logic_error);
  EXPECT_NEAR(orbit.current().x, 1.0, 1e-5);  // back at the aphelion
  EXPECT_NEAR(orbit.current().y, 0.0, 1e-5);
  EXPECT_THROW(Orbit(1.0), std::domain_error);
}

TEST(OrbitLesson, EccentricityEntry) {
  for (double e : {0.0, 0.05, 0.7, 0.9}) EXPECT_TRUE(CheckEccentricity(e).accepted) << e;
  for (double e : {0.91, 0.95, 0.9000001}) {
    EXPECT_FALSE(CheckEccentricity(e).accepted) << e;
    EXPECT_EQ(CheckEccentricity(e).proposal, 0.9);
  }
  EXPECT_FALSE(CheckEccentricity(-0.1).accepted);
  // The text a learner sees and can take back with Enter.
  EXPECT_EQ(EccentricityText(0.7), "0.7");
  EXPECT_EQ(EccentricityText(0.25), "0.25");
  EXPECT_EQ(EccentricityText(0), "0");
  for (double e : {0.05, 0.123, 0.9}) EXPECT_EQ(std::stod(EccentricityText(e)), e) << e;
}

TEST(OrbitLesson, FigureMapping) {
  // A wide and a tall picture: equal scales, and the ellipse with its margin
  // touches the picture's edge in one direction.
  for (auto [w, h] : {std::pair{400.0, 300.0}, std::pair{200.0, 500.0}}) {
    const OrbitShape s = MakeShape(0.9);
    const OrbitFigure fig(s, w, h);
    EXPECT_EQ(fig.figX(0), w / 2);
    EXPECT_EQ(fig.figY(0), h / 2);
    EXPECT_NEAR(fig.xmax() / w, fig.ymax() / h, 1e-12);
    EXPECT_GE(std::min(fig.figX(-1.1), fig.figY(1.1 * s.b)), 0);
    EXPECT_TRUE(fig.figX(1.1) == w || fig.figY(-1.1 * s.b) == h);
  }
  EXPECT_EQ(ToPixel16(2.5), 2);  // halves to even, clamped
  EXPECT_EQ(ToPixel16(-1e9), -32768);
}

TEST(OrbitLesson, GraphMapping) {
  const OrbitShape s = MakeShape(0.5);
  const OrbitGraph g(s, kSamples, 468, 200);
  EXPECT_EQ(g.grphX(-0.07 * kSamples), 0);
  EXPECT_EQ(g.grphX(1.1 * kSamples), 468);
  EXPECT_EQ(g.grphY(1.15 * g.rmax()), 0);
  EXPECT_EQ(g.grphY(-0.15 * g.rmax()), 200);
  EXPECT_EQ(g.grphY(g.ThetaValue(2 * kPi)), g.grphY(1.5));
  EXPECT_EQ(g.Levels(), (std::vector<double>{0.5, 1.0, 1.5}));
  EXPECT_TRUE(OrbitGraph(MakeShape(0.0), kSamples, 468, 200).Levels().empty());
}

TEST(OrbitLesson, IntroductionPlanetSweepsEqualAreas) {
  // Each tick sweeps the area h/2, so a revolution takes 2 pi a b / h ticks.
  DemoPlanet planet;
  const double expected = 2 * kPi * planet.shape().a * planet.shape().b / DemoPlanet::kAngularMomentum;
  for (int revolution = 0; revolution < 2; ++revolution) {
    int ticks = 0, longestTrail = 0;
    do {
      ++ticks;
      longestTrail = std::max(longestTrail, planet.trailCount());
    } while (!planet.Advance());
    EXPECT_NEAR(ticks, expected, 2.0);
    EXPECT_LT(longestTrail, DemoPlanet::kTrailCapacity);
    EXPECT_EQ(planet.trailCount(), 0);
  }
}

TEST(OrbitTheory, TinyEccentricityStaysFinite) {
  // The dialog accepts e = 1e-45; Bessel's values at n e must not overflow.
  const Coefficients c = TheoryCoefficients(1e-45);
  for (double v : c) EXPECT_TRUE(std::isfinite(v));
  EXPECT_NEAR(c[0], kSemiMajor, 1e-12);
}
