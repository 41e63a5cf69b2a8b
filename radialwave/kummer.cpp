#include "kummer.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "numtext.h"

namespace radialwave {

namespace {

// Stores a double as a single the way the hardware would, without the
// undefined conversion of a value beyond the float range: it becomes an
// infinity, which the callers treat as a value that cannot be shown.
float Single(double v) {
  if (std::isnan(v)) return NAN;
  if (v > FLT_MAX) return INFINITY;
  if (v < -FLT_MAX) return -INFINITY;
  return float(v);
}

// A plotted value beyond this leaves the picture for good: the curve has
// run away.
constexpr double kDivergenceLimit = 2;

// The factor that lifts the curves of l = 1 and 2 to the height of l = 0.
double LiftOf(int l) { return std::exp(1.3 * std::sqrt(double(l))); }

double Factorial(int n) {
  double f = 1;
  for (int j = 2; j <= n; ++j) f *= j;
  return f;
}

}  // namespace

// ---- Kummer's function -----------------------------------------------------

Series KummerSeries(double a, double c, double x) {
  double term = 1, sum = 1;
  for (int k = 1; k <= kMaxTerms; ++k) {
    const double prev = sum;
    const double den = k * c;
    if (den == 0) return {sum, k - 1, false};  // c + k - 1 reached the pole
    term = (a * term * x) / den;
    sum += term;
    if (!std::isfinite(sum)) return {sum, k, false};
    a += 1;
    c += 1;
    if (sum == prev) return {sum, k, true};
  }
  return {sum, kMaxTerms, false};
}

double cHGF(double a, double c, double x) { return KummerSeries(a, c, x).value; }

double power(double x, int n) {
  switch (n) {
    case 0: return 1;
    case 1: return x;
    case 2: return x * x;
    default: return std::pow(x, n);
  }
}

// ---- Sections 1 and 2 --------------------------------------------------------

SectionFrame FrameOf(Kind kind) {
  return kind == Kind::Hydrogen ? kHydrogenFrame : kOscillatorFrame;
}

double PointR(Kind kind, int i) { return i * FrameOf(kind).xmax / kPointsPerWidth; }

bool EnergyAccepted(Kind kind, double E) {
  return kind == Kind::Hydrogen ? E < 0 : E >= 0;
}

HydrogenScale HydrogenScaleOf(double E, int l) {
  HydrogenScale h;
  // sqrt(-1 / (2E)), with the 2 moved so that no energy overflows it.
  h.nu = std::sqrt(-0.5 / E);
  const double nu = h.nu;

  // N = (2/nu)^l (-4E) sqrt(prod |nu + i|) / (2l + 1)!, as the textbook
  // writes it; for a whole nu = n this is the normalisation of R_nl.
  double P = 1;
  for (int i = -l; i <= l; ++i) P *= std::fabs(nu + i);
  h.N = std::pow(2 / nu, l) * (-4 * E) * std::sqrt(P) / Factorial(2 * l + 1);

  // A = N nu sqrt(nu) e^(1.3 sqrt l) / 2.  With -4E = 2/nu^2 the powers of
  // nu cancel: A = 2^l sqrt(prod |1 + i/nu|) e^(1.3 sqrt l) / (2l + 1)!.
  // Formed this way it stays finite for energies however close to 0, where
  // the product above overflows.
  double Q = 1;
  for (int i = -l; i <= l; ++i) Q *= std::fabs(1 + i / nu);
  h.A = Single(std::pow(2.0, l) * std::sqrt(Q) * LiftOf(l) / Factorial(2 * l + 1));
  return h;
}

RadialValue HydrogenRadial(double nu, int l, double r) {
  const Series m = KummerSeries(l + 1 - nu, 2 * l + 2, 2 * r / nu);
  const double R = power(r, l) * std::exp(-r / nu) * m.value;
  return {R, m.trusted && std::isfinite(R)};
}

RadialValue OscillatorRadial(double E, int l, double r) {
  const double a = (0.75 - E / 2) + l / 2.0;
  const Series m = KummerSeries(a, l + 1.5, r * r);
  const double R = power(r, l) * std::exp(-r * r / 2) * m.value;
  return {R, m.trusted && std::isfinite(R)};
}

CurvePoint HydrogenPoint(const HydrogenScale& h, int l, int i) {
  CurvePoint p;
  p.r = PointR(Kind::Hydrogen, i);
  const RadialValue R = HydrogenRadial(h.nu, l, p.r);
  const float y = Single(double(h.A) * R.R * kHydrogenFrame.s);
  p.y = y;
  p.diverged = !R.trusted || !std::isfinite(y) || std::fabs(y) > kDivergenceLimit;
  return p;
}

CurvePoint OscillatorPoint(double E, int l, int i) {
  CurvePoint p;
  p.r = PointR(Kind::Oscillator, i);
  const RadialValue R = OscillatorRadial(E, l, p.r);
  // The test is on the function itself; the plot shifts it to the line at
  // energy 5 and stretches one unit to five.
  p.diverged = !R.trusted || std::fabs(R.R) > kDivergenceLimit;
  const SectionFrame f = kOscillatorFrame;
  p.y = (f.ymin + f.ymax) * (R.R + 1) / 2;
  return p;
}

std::vector<CurvePoint> Curve(Kind kind, double E, int l) {
  std::vector<CurvePoint> points;
  const HydrogenScale h = kind == Kind::Hydrogen ? HydrogenScaleOf(E, l) : HydrogenScale{};
  for (int i = 0; i <= kLastPoint; ++i) {
    const CurvePoint p = kind == Kind::Hydrogen ? HydrogenPoint(h, l, i) : OscillatorPoint(E, l, i);
    points.push_back(p);
    if (p.diverged) break;
  }
  return points;
}

double HydrogenLevel(int n) { return -1.0 / (2.0 * n * n); }
double OscillatorLevel(int n, int l) { return 2.0 * n + l + 1.5; }

// ---- Potentials -------------------------------------------------------------

double HydrogenPotential(double r, int l) { return l * (l + 1) / (2 * r * r) - 1 / r; }
double OscillatorPotential(double r, int l) { return l * (l + 1) / (2 * r * r) + r * r / 2; }

std::vector<PotentialPoint> PotentialCurve(Kind kind, int l) {
  const SectionFrame f = FrameOf(kind);
  const float step = float(f.xmax / kPointsPerWidth);
  const float limit = float(2 * f.ymax);
  std::vector<PotentialPoint> points;
  for (int i = kLastPoint; i >= 1; --i) {
    const float r = float(i) * step;
    const float V = float(kind == Kind::Hydrogen ? HydrogenPotential(r, l) : OscillatorPotential(r, l));
    points.push_back({r, V});
    if (std::fabs(V) > limit) break;
  }
  return points;
}

// ---- Section 3 ------------------------------------------------------------

KummerSides Transform(double a, double c, double x) {
  const Series left = KummerSeries(a, c, -x);
  const Series right = KummerSeries(c - a, c, x);
  KummerSides k = CompareSides(left.value, std::exp(-x) * right.value);
  k.trusted = k.trusted && left.trusted && right.trusted;
  return k;
}

KummerSides CompareSides(double L, double Rt) {
  KummerSides k;
  k.L = L;
  k.Rt = Rt;
  k.trusted = std::isfinite(L) && std::isfinite(Rt);
  if (!k.trusted || L == Rt) return k;  // equal sides: d and precision 0
  const double d = L / Rt - 1;
  k.d = std::fabs(d) <= FLT_MAX ? double(float(d)) : d;
  k.precision = k.d == 0 ? 0.0 : std::fabs(k.d / L);
  return k;
}

namespace {

constexpr const char* kDeviationPattern = "#.#0E-##";

// The text of p / q (finite, non-zero) in the deviation's pattern, for a
// quotient beyond the double range: the binary exponents are taken out
// first and the decimal exponent follows from their logarithm, which is
// good for the three digits shown.
std::string WideQuotientText(double p, double q) {
  int ep = 0, eq = 0;
  const double r = std::frexp(p, &ep) / std::frexp(q, &eq);
  const double tens = std::log10(std::fabs(r)) + (ep - eq) * std::log10(2.0);
  const double whole = std::floor(tens);
  // About 1 .. 10; its own text carries the digits and any carry ("1.00E1").
  const std::string m = lk::Format(std::copysign(std::pow(10.0, tens - whole), r), kDeviationPattern);
  const std::size_t e = m.find('E');
  const long exponent = long(whole) + std::stol(m.substr(e + 1));
  return m.substr(0, e + 1) + (exponent < 0 ? "-" : "") + std::to_string(std::labs(exponent));
}

}  // namespace

std::string DeviationText(const KummerSides& k) {
  if (std::isfinite(k.d)) return lk::Format(k.d, kDeviationPattern);
  if (k.Rt == 0) return std::signbit(k.L) != std::signbit(k.Rt) ? "-∞" : "∞";
  // |L / Rt| is beyond the double range: the 1 taken off lies far below the
  // digits shown.
  return WideQuotientText(k.L, k.Rt);
}

std::string PrecisionText(const KummerSides& k) {
  if (std::isfinite(k.precision)) return lk::Format(k.precision, kDeviationPattern);
  if (k.L == 0 || k.Rt == 0) return "∞";
  if (std::isfinite(k.d)) return WideQuotientText(std::fabs(k.d), std::fabs(k.L));
  // d is about L / Rt, so d / L is about 1 / Rt (1 / L is negligible).
  return WideQuotientText(1.0, std::fabs(k.Rt));
}

bool IsPoleOfC(double c) { return c <= 0 && c == lk::RoundHalfEven(c); }

Triple ParseTriple(std::string_view text) {
  Triple t;
  t.a = lk::Val(text);
  const auto first = text.find(',');
  if (first == std::string_view::npos) return t;
  const std::string_view rest = text.substr(first + 1);
  const auto second = rest.find(',');
  if (second == std::string_view::npos) return t;
  t.c = lk::Val(rest);
  if (IsPoleOfC(t.c)) {
    t.status = TripleStatus::BadC;
    return t;
  }
  t.x = lk::Val(rest.substr(second + 1));
  t.status = TripleStatus::Ok;
  return t;
}

void ResultStack::Clear() {
  for (KummerRecord& r : records_) r = KummerRecord{};
  slot_ = 0;
  scrolled_ = false;
}

int ResultStack::Add(double a, double c, double x, const KummerSides& sides) {
  slot_ = slot_ % kResultBoxes + 1;
  KummerRecord& r = records_[slot_];
  scrolled_ = r.shown;
  r = {a, c, x, sides, true};
  return slot_;
}

int ResultStack::BoxAtPlace(int k, int p) { return (p + k - 1) % kResultBoxes + 1; }

}  // namespace radialwave
