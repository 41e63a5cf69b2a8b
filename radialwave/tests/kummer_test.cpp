// The Kummer function, the radial functions and the checks of section 3,
// against closed forms, an independent long-double series and the standard
// library's associated Laguerre polynomials.
#include "kummer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace radialwave;

namespace {

// M(a, c, x) summed in long double, stopping on a relative tolerance rather
// than on an unchanged sum; also the sum of the terms' magnitudes, which
// bounds the rounding error any term-by-term summation must make.
struct Reference {
  long double value = 1, magnitude = 1;
};
Reference ReferenceM(long double a, long double c, long double x) {
  Reference r;
  long double term = 1;
  for (int k = 0; k < 100000; ++k) {
    term *= (a + k) / (c + k) * x / (k + 1);
    r.value += term;
    r.magnitude += std::fabs(term);
    if (std::fabs(term) < 1e-22L * r.magnitude && k > 2) break;
  }
  return r;
}

// R_nl of hydrogen from the associated Laguerre polynomial.
double ClosedFormR(int n, int l, double r) {
  const double rho = 2 * r / n;
  const double norm = std::sqrt(std::pow(2.0 / n, 3) * std::tgamma(n - l) /
                                (2.0 * n * std::tgamma(n + l + 1)));
  return norm * std::exp(-rho / 2) * std::pow(rho, l) *
         std::assoc_laguerre(unsigned(n - l - 1), unsigned(2 * l + 1), rho);
}

}  // namespace

// ---- Kummer's function -------------------------------------------------------

TEST(RadialwaveCore, KummerSpecialValuesAndClosedForms) {
  for (double x : {-30.0, -1.0, 0.0, 0.5, 7.0, 40.0}) {
    EXPECT_EQ(cHGF(0, 2.5, x), 1.0) << x;              // a = 0: nothing but the 1
    EXPECT_NEAR(cHGF(-1, 1.5, x), 1 - x / 1.5, 1e-12) << x;  // a polynomial of degree 1
  }
  for (double a : {-3.5, 0.0, 1.0, 2.5, 1e6}) EXPECT_EQ(cHGF(a, 1.5, 0), 1.0) << a;
  EXPECT_NEAR(cHGF(1, 2, -1), 1 - std::exp(-1.0), 1e-15);
  EXPECT_NEAR(std::exp(-1.0) * cHGF(1, 2, 1), 1 - std::exp(-1.0), 1e-15);
  // M(a, a, x) = e^x and M(1, 2, x) = (e^x - 1) / x.
  for (double x : {0.3, 5.0, 25.0}) {
    EXPECT_NEAR(cHGF(3.7, 3.7, x) / std::exp(x), 1, 1e-14) << x;
    EXPECT_NEAR(cHGF(1, 2, x) * x / std::expm1(x), 1, 1e-14) << x;
  }
  // A terminating series settles as soon as the terms are 0.
  const Series poly = KummerSeries(-3, 2, 1.7);
  EXPECT_TRUE(poly.trusted);
  EXPECT_EQ(poly.terms, 4);
}

TEST(RadialwaveCore, KummerAgreesWithLongDoubleSeriesOnAGrid) {
  int compared = 0;
  for (double a : {-4.0, -2.5, -0.5, 0.25, 1.0, 3.0, 7.5}) {
    for (double c : {0.5, 1.5, 2.0, 4.0, 6.5}) {
      for (double x : {-50.0, -20.0, -3.0, -0.7, 0.01, 1.0, 8.0, 25.0, 50.0}) {
        const Series s = KummerSeries(a, c, x);
        const Reference ref = ReferenceM(a, c, x);
        ASSERT_TRUE(s.trusted) << a << " " << c << " " << x;
        // The double sum cannot be better than its largest terms allow:
        // cancellation for negative x is what section 3 lets the learner see.
        const double tol = 1e-13 * double(ref.magnitude) + 1e-14 * std::fabs(double(ref.value));
        EXPECT_NEAR(s.value, double(ref.value), tol) << a << " " << c << " " << x;
        if (a > 0 && x > 0) {  // all terms positive: full relative accuracy
          EXPECT_NEAR(s.value / double(ref.value), 1, 1e-13) << a << " " << c << " " << x;
        }
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 7 * 5 * 9);
}

TEST(RadialwaveCore, HostileArgumentsReturnUntrustedInBoundedTime) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double a, c, x;
  };
  const Case cases[] = {{nan, 2, 1},   {1, nan, 1},  {1, 2, nan},  {inf, 2, 1},  {1, 2, inf},
                        {1, 2, -inf},  {1, 2, 1e6},  {1, 2, -1e6}, {1, -3, 1},   {-1e9, 2, 1},
                        {1, 0, 1},     {1e12 + 0.5, 1, 1e12}, {1, 1e12, 1e12}};
  for (const Case& k : cases) {
    const Series s = KummerSeries(k.a, k.c, k.x);
    EXPECT_FALSE(s.trusted) << k.a << " " << k.c << " " << k.x;
    EXPECT_LE(s.terms, kMaxTerms);
  }
  // c = -3 meets its pole at the fourth term, before any division by zero.
  EXPECT_EQ(KummerSeries(1, -3, 1).terms, 3);
  // A huge a with a tiny x is an ordinary convergent series.
  EXPECT_TRUE(KummerSeries(-1e9, 2, 1e-15).trusted);
}

TEST(RadialwaveCore, PowerOfWholeExponents) {
  EXPECT_EQ(power(0, 0), 1.0);
  EXPECT_EQ(power(-2.5, 0), 1.0);
  EXPECT_EQ(power(-2.5, 1), -2.5);
  EXPECT_EQ(power(-3, 2), 9.0);
  EXPECT_EQ(power(2, 5), 32.0);
  EXPECT_EQ(power(0, 3), 0.0);
}

// ---- Hydrogen -------------------------------------------------------------

TEST(RadialwaveCore, HydrogenGroundStateIsScaledExponential) {
  const std::vector<CurvePoint> c = Curve(Kind::Hydrogen, -0.5, 0);
  ASSERT_EQ(c.size(), std::size_t(kLastPoint + 1));
  EXPECT_NEAR(c.front().y, 0.55, 1e-7);
  for (const CurvePoint& p : c) {
    EXPECT_FALSE(p.diverged);
    EXPECT_NEAR(p.y, 0.55 * std::exp(-p.r), 1e-7) << p.r;
  }
  EXPECT_DOUBLE_EQ(c.back().r, 55.0);
  EXPECT_EQ(HydrogenScaleOf(-0.5, 0).A, 1.0f);
}

TEST(RadialwaveCore, HydrogenOffEigenvalueRunsAwayAtR11) {
  const std::vector<CurvePoint> c = Curve(Kind::Hydrogen, -0.4, 0);
  ASSERT_EQ(c.size(), 45u);  // abandoned at the 45th point
  EXPECT_TRUE(c.back().diverged);
  EXPECT_DOUBLE_EQ(c.back().r, 11.0);
  EXPECT_GT(std::fabs(c.back().y), 2.0);
  EXPECT_LE(std::fabs(c[43].y), 2.0);
}

TEST(RadialwaveCore, HydrogenLOneAtGroundEnergyIsIdenticallyZero) {
  EXPECT_EQ(HydrogenScaleOf(-0.5, 1).A, 0.0f);
  const std::vector<CurvePoint> c = Curve(Kind::Hydrogen, -0.5, 1);
  ASSERT_EQ(c.size(), std::size_t(kLastPoint + 1));
  for (const CurvePoint& p : c) EXPECT_EQ(p.y, 0.0) << p.r;
}

TEST(RadialwaveCore, HydrogenEigenfunctionsMatchLaguerreClosedForm) {
  for (int n = 1; n <= 4; ++n) {
    for (int l = 0; l < n; ++l) {
      const double E = HydrogenLevel(n);
      const HydrogenScale h = HydrogenScaleOf(E, l);
      EXPECT_DOUBLE_EQ(h.nu, n);
      double norm = 0;  // integral of R^2 r^2 by Simpson's rule on 0 .. 80
      const int steps = 4000;
      const double dr = 80.0 / steps;
      for (int i = 0; i <= steps; ++i) {
        const double r = i * dr;
        const RadialValue R = HydrogenRadial(h.nu, l, r);
        ASSERT_TRUE(R.trusted);
        const double want = ClosedFormR(n, l, r);
        EXPECT_NEAR(h.N * R.R, want, 1e-12 + 1e-10 * std::fabs(want)) << n << l << " r " << r;
        const double wgt = (i == 0 || i == steps) ? 1 : (i % 2 ? 4 : 2);
        norm += wgt * std::pow(h.N * R.R * r, 2);
      }
      EXPECT_NEAR(norm * dr / 3, 1.0, 1e-6) << n << " " << l;
      // Bound states stay on the picture to its end.
      const std::vector<CurvePoint> c = Curve(Kind::Hydrogen, E, l);
      EXPECT_EQ(c.size(), std::size_t(kLastPoint + 1)) << n << " " << l;
    }
  }
}

TEST(RadialwaveCore, HydrogenAmplitudeEqualsTextbookFormAndStaysFiniteNearZero) {
  for (int l = 0; l <= 2; ++l) {
    for (double E : {-0.9, -0.5, -0.2, -0.07, -0.01, -1e-4}) {
      const HydrogenScale h = HydrogenScaleOf(E, l);
      const double textbook = h.N * h.nu * std::sqrt(h.nu) * std::exp(1.3 * std::sqrt(double(l))) / 2;
      EXPECT_NEAR(h.A, textbook, 1e-6 * std::fabs(textbook)) << E << " " << l;
    }
  }
  // Energies a hair below 0, and far below: the amplitude is still a number
  // and the curve ends (at once or as divergent), never with NaN drawn.
  for (int l = 0; l <= 2; ++l) {
    for (double E : {-1e-300, -4.9e-324, -1e-30, -1e6, -1.7e308}) {
      EXPECT_FALSE(std::isnan(HydrogenScaleOf(E, l).A)) << E;
      for (const CurvePoint& p : Curve(Kind::Hydrogen, E, l)) {
        if (!p.diverged) {
          EXPECT_TRUE(std::isfinite(p.y)) << E << " " << l;
        }
      }
    }
  }
}

// ---- Oscillator -------------------------------------------------------------

TEST(RadialwaveCore, OscillatorGroundAndFirstExcitedStates) {
  const std::vector<CurvePoint> g = Curve(Kind::Oscillator, 1.5, 0);
  ASSERT_EQ(g.size(), std::size_t(kLastPoint + 1));
  EXPECT_DOUBLE_EQ(g.front().y, 10.0);
  for (const CurvePoint& p : g) EXPECT_NEAR(p.y, 5 * (std::exp(-p.r * p.r / 2) + 1), 1e-12);
  EXPECT_NEAR(g.back().y, 5.0, 1e-5);
  for (int i : {0, 37, 100, 220}) {
    const double r = PointR(Kind::Oscillator, i);
    EXPECT_NEAR(OscillatorRadial(3.5, 0, r).R, (1 - 2 * r * r / 3) * std::exp(-r * r / 2), 1e-12);
  }
}

TEST(RadialwaveCore, OscillatorEigenvaluesStayBoundedAndOthersRunAway) {
  for (int l = 0; l <= 2; ++l) {
    for (int n = 0; n <= 2; ++n) {
      const double E = OscillatorLevel(n, l);
      EXPECT_EQ(Curve(Kind::Oscillator, E, l).size(), std::size_t(kLastPoint + 1)) << E << l;
      // The higher states run away later; within r <= 5.5 the lowest two do.
      if (n == 2) continue;
      const std::vector<CurvePoint> off = Curve(Kind::Oscillator, E + 0.4, l);
      EXPECT_LT(off.size(), std::size_t(kLastPoint + 1)) << E << l;
      EXPECT_TRUE(off.back().diverged);
    }
  }
  EXPECT_EQ(OscillatorLevel(0, 1), 2.5);
  EXPECT_EQ(OscillatorLevel(1, 3), 6.5);
  // Huge energies: the curve starts at 10 and stops at its second point.
  const std::vector<CurvePoint> huge = Curve(Kind::Oscillator, 1.7e308, 0);
  EXPECT_EQ(huge.size(), 2u);
  EXPECT_EQ(huge[0].y, 10.0);
}

TEST(RadialwaveCore, EnergiesAcceptedBySection) {
  EXPECT_TRUE(EnergyAccepted(Kind::Hydrogen, -1e-300));
  EXPECT_FALSE(EnergyAccepted(Kind::Hydrogen, 0));
  EXPECT_FALSE(EnergyAccepted(Kind::Hydrogen, -0.0));
  EXPECT_FALSE(EnergyAccepted(Kind::Hydrogen, 0.1));
  EXPECT_TRUE(EnergyAccepted(Kind::Oscillator, 0));
  EXPECT_TRUE(EnergyAccepted(Kind::Oscillator, -0.0));
  EXPECT_FALSE(EnergyAccepted(Kind::Oscillator, -1e-300));
}

// ---- Potentials ---------------------------------------------------------------

TEST(RadialwaveCore, PotentialsAndTheirDrawnPoints) {
  EXPECT_DOUBLE_EQ(HydrogenPotential(2, 0), -0.5);
  EXPECT_DOUBLE_EQ(HydrogenPotential(2, 1), 0.25 - 0.5);
  EXPECT_DOUBLE_EQ(OscillatorPotential(2, 2), 6.0 / 8 + 2);
  for (Kind kind : {Kind::Hydrogen, Kind::Oscillator}) {
    const SectionFrame f = FrameOf(kind);
    for (int l = 0; l <= 2; ++l) {
      const std::vector<PotentialPoint> p = PotentialCurve(kind, l);
      ASSERT_GE(p.size(), 2u);
      EXPECT_FLOAT_EQ(p.front().r, float(1.1 * f.xmax));
      // Every point but the last stays within twice the top of the plot.
      for (std::size_t i = 0; i + 1 < p.size(); ++i) EXPECT_LE(std::fabs(p[i].V), 2 * f.ymax);
      if (p.size() < 220) {
        EXPECT_GT(std::fabs(p.back().V), float(2 * f.ymax)) << l;
      }
      // r steps down by xmax / 200 in single precision.
      EXPECT_NEAR(p[0].r - p[1].r, f.xmax / 200, 1e-5 * f.xmax);
    }
  }
  // The oscillator's r^2/2 stays below 21 on the whole axis for l = 0, so
  // its potential runs down to the first step; hydrogen's -1/r leaves early.
  EXPECT_EQ(PotentialCurve(Kind::Oscillator, 0).size(), 220u);
  EXPECT_FLOAT_EQ(PotentialCurve(Kind::Oscillator, 0).back().r, 0.025f);
  EXPECT_LT(PotentialCurve(Kind::Hydrogen, 0).back().r, 1 / 1.06f);
  EXPECT_GT(PotentialCurve(Kind::Hydrogen, 0).back().r, 1 / 1.06f - 0.25f);}

// ---- Section 3 ------------------------------------------------------------------

TEST(RadialwaveCore, KummerTransformationHoldsForModerateX) {
  const KummerSides one = Transform(1, 2, 1);
  EXPECT_TRUE(one.trusted);
  EXPECT_NEAR(one.L, 0.6321205588285577, 1e-15);
  EXPECT_NEAR(one.Rt, 0.6321205588285577, 1e-15);
  EXPECT_LT(std::fabs(one.d), 1e-15f);
  for (double a : {-2.5, -0.5, 0.3, 1.0, 4.0}) {
    for (double c : {0.5, 1.0, 2.0, 3.5}) {
      for (double x : {-2.0, -1.0, 0.5, 1.0, 2.0}) {
        const KummerSides k = Transform(a, c, x);
        EXPECT_TRUE(k.trusted);
        EXPECT_NEAR(k.L / k.Rt, 1, 1e-12) << a << " " << c << " " << x;
        EXPECT_NEAR(k.precision, std::fabs(double(k.d) / k.L), 1e-30);
      }
    }
  }
  // Exactly equal sides: a deviation and a precision of 0.
  const KummerSides zero = Transform(1, 2, 0);
  EXPECT_EQ(zero.d, 0.0f);
  EXPECT_EQ(zero.precision, 0.0);
  // Far out the alternating side loses its digits, as the lesson shows.
  const KummerSides far = Transform(1, 2, 40);
  EXPECT_TRUE(far.trusted);
  EXPECT_GT(std::fabs(far.d), 1e-6f);
}

TEST(RadialwaveCore, TransformationOfHugeOrPoleArgumentsIsNotTrusted) {
  EXPECT_FALSE(Transform(1, 2, 1e6).trusted);
  EXPECT_FALSE(Transform(1, 2, -1e6).trusted);
  EXPECT_FALSE(Transform(1, -3, 1).trusted);
  EXPECT_FALSE(Transform(-1e9, 2, 5).trusted);
  EXPECT_FALSE(Transform(1.7e308, 2, 1).trusted);
  EXPECT_FALSE(CompareSides(INFINITY, 1).trusted);
  EXPECT_FALSE(CompareSides(1, NAN).trusted);
}

// Cancellation is shown, not refused: deviations beyond the single and the
// double range, and quotients by an exact 0, all get a text.
TEST(RadialwaveCore, EveryDeviationOfFiniteSidesHasItsText) {
  struct Case {
    double L, Rt;
    const char* d;
    const char* precision;
  };
  const Case cases[] = {
      {0.6321205588285578, 0.6321205588285578, "0.00E0", "0.00E0"},
      {0, 0, "0.00E0", "0.00E0"},
      {1, 0.5, "1.00E0", "1.00E0"},
      {1.0000001, 1, "1.00E-7", "1.00E-7"},
      // "100,1,100": L / Rt - 1 = -1.7518...e86 lies beyond the single range.
      {5.8351196128406927e92, -3330897.4561645654, "-1.75E86", "3.00E-7"},
      {1.5, 1e-200, "1.50E200", "1.00E200"},
      // Beyond the double range: -2.4999...e509, and |d / L| = 2.5000...e259.
      {1e250, -4e-260, "-2.50E509", "2.50E259"},
      {9.996e300, 1e-10, "1.00E311", "1.00E10"},
      {-3e-300, 2e20, "-1.00E0", "3.33E299"},
      // |d / L| = 1 / 9.99988671826831e-321 = 1.0000113e320.
      {1e-320, 1, "-1.00E0", "1.00E320"},
      {0, 4.3161626712631168e-17, "-1.00E0", "∞"},
      {-1.5511666696814426e-16, 0.0, "-∞", "∞"},
      {2.0, -0.0, "-∞", "∞"},
  };
  for (const Case& c : cases) {
    const KummerSides k = CompareSides(c.L, c.Rt);
    EXPECT_TRUE(k.trusted) << c.L << " " << c.Rt;
    EXPECT_EQ(DeviationText(k), c.d) << c.L << " " << c.Rt;
    EXPECT_EQ(PrecisionText(k), c.precision) << c.L << " " << c.Rt;
  }
  // The triples behind them: the far alternating side, and a node of the
  // right side (M(-1, 2, 2) = 0).
  EXPECT_TRUE(Transform(100, 1, 100).trusted);
  EXPECT_TRUE(Transform(1, 1, 600).trusted);
  EXPECT_EQ(Transform(3, 2, 2).Rt, 0.0);
  EXPECT_TRUE(Transform(3, 2, 2).trusted);
}

TEST(RadialwaveCore, TriplesAreParsedAndPolesOfCRefused) {
  struct Case {
    const char* text;
    TripleStatus status;
    double a, c, x;
  };
  const Case cases[] = {
      {"1,2,1", TripleStatus::Ok, 1, 2, 1},
      {"1,0,1", TripleStatus::BadC, 1, 0, 0},
      {"1,-2,1", TripleStatus::BadC, 1, -2, 0},
      {"1,0.5,1", TripleStatus::Ok, 1, 0.5, 1},
      {"1,-2.5,1", TripleStatus::Ok, 1, -2.5, 1},
      {"1,2,", TripleStatus::Ok, 1, 2, 0},
      {"1,2", TripleStatus::MissingComma, 1, 0, 0},
      {"12", TripleStatus::MissingComma, 12, 0, 0},
      {"", TripleStatus::MissingComma, 0, 0, 0},
      {",,,", TripleStatus::BadC, 0, 0, 0},
      {"1,-0,1", TripleStatus::BadC, 1, 0, 0},
      {"1,-70000,1", TripleStatus::BadC, 1, -70000, 0},   // beyond 16 bits, still whole
      {"1,-1e300,1", TripleStatus::BadC, 1, -1e300, 0},
      {"1,-32768.5,1", TripleStatus::Ok, 1, -32768.5, 1},
      {"-.5,1.2.3,-", TripleStatus::Ok, -0.5, 1.2, 0},
      {"2,3,4,5", TripleStatus::Ok, 2, 3, 4},
  };
  for (const Case& k : cases) {
    const Triple t = ParseTriple(k.text);
    EXPECT_EQ(t.status, k.status) << k.text;
    EXPECT_EQ(t.a, k.a) << k.text;
    if (k.status != TripleStatus::MissingComma) {
      EXPECT_EQ(t.c, k.c) << k.text;
    }
    if (k.status == TripleStatus::Ok) {
      EXPECT_EQ(t.x, k.x) << k.text;
    }
  }
  EXPECT_TRUE(IsPoleOfC(-1e300));
  EXPECT_FALSE(IsPoleOfC(1e300));
  EXPECT_FALSE(IsPoleOfC(-1e-300));
}

TEST(RadialwaveCore, ResultStackFillsThenScrollsOldestFirst) {
  ResultStack s;
  const KummerSides sides = Transform(1, 2, 1);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(s.Add(i, 2, 1, sides), i);
    EXPECT_FALSE(s.Scrolled());
  }
  // The fifth result takes slot 1; the boxes then stand 2, 3, 4, 1.
  EXPECT_EQ(s.Add(5, 2, 1, sides), 1);
  EXPECT_TRUE(s.Scrolled());
  EXPECT_EQ(s.Record(1).a, 5);
  int order[4];
  for (int p = 1; p <= 4; ++p) order[p - 1] = ResultStack::BoxAtPlace(1, p);
  EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{2, 3, 4, 1}));
  // The sixth: slot 2, boxes 3, 4, 1, 2: oldest (a = 3) on top, newest last.
  EXPECT_EQ(s.Add(6, 2, 1, sides), 2);
  std::vector<double> shown;
  for (int p = 1; p <= 4; ++p) shown.push_back(s.Record(ResultStack::BoxAtPlace(2, p)).a);
  EXPECT_EQ(shown, (std::vector<double>{3, 4, 5, 6}));
  s.Clear();
  EXPECT_EQ(s.Slot(), 0);
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(s.Record(k).shown);
  EXPECT_EQ(s.Add(7, 2, 1, sides), 1);
  EXPECT_FALSE(s.Scrolled());
}
