#include "legendre.h"

#include <cmath>

#include "numtext.h"

namespace zonalpoly {

namespace {

// Round to nearest, halves to even, without touching the floating-point
// environment.  Works on any double; the caller decides the range.
double roundHalfEven(double v) {
  double r = std::round(v);  // halves away from zero
  if (std::fabs(v - std::trunc(v)) == 0.5) r = 2.0 * std::round(v / 2.0);
  return r;
}

// A picture coordinate from a world value: rounded, clamped to a range that a
// drawing surface can take, NaN to 0.
int toUnits(double v) {
  constexpr double kLimit = 1e9;
  if (std::isnan(v)) return 0;
  const double r = roundHalfEven(v);
  if (r > kLimit) return static_cast<int>(kLimit);
  if (r < -kLimit) return static_cast<int>(-kLimit);
  return static_cast<int>(r);
}

}  // namespace

double Legendre(int n, double x) {
  if (n == 0) return 1.0;
  if (n == 1) return x;
  double prev = 1.0;   // P_(i-1)
  double prev2 = 0.0;  // P_(i-2)
  for (int i = 1; i <= n; ++i) {
    const double di = i;
    const double p = (((2.0 * di - 1.0) * x) * prev - (di - 1.0) * prev2) / di;
    prev2 = prev;
    prev = p;
  }
  return prev;
}

double PartialSum(int N, double x, double y) {
  double s = 0.0;
  for (int i = 0; i <= N; ++i) s += ((i + 0.5) * Legendre(i, x)) * Legendre(i, y);
  return s;
}

double GraphX(int k) { return -1.0 + k / 1024.0; }

PlotPoint GraphPoint(int n, int k) {
  // The curve starts at x = -1 with the value P_n(-1) = (-1)^n.
  if (k == 0) return {-1.0, (n % 2 == 0) ? 1.0 : -1.0};
  const double x = GraphX(k);
  return {x, Legendre(n, x)};
}

std::vector<PlotPoint> GraphCurve(int n) {
  std::vector<PlotPoint> curve;
  curve.reserve(kGraphPoints);
  for (int k = 0; k <= kGraphLastIndex; ++k) curve.push_back(GraphPoint(n, k));
  return curve;
}

double GraphPointDue(int k) { return 2.0 * (GraphX(k) + 1.0); }

double SumX(int k) { return -1.0 + k / 512.0; }

PlotPoint SumPoint(int N, double y, int k) {
  const double x = SumX(k);
  return {x, PartialSum(N, x, y)};
}

std::vector<PlotPoint> SumCurve(int N, double y) {
  std::vector<PlotPoint> curve;
  curve.reserve(kSumPoints);
  for (int k = 0; k <= kSumLastIndex; ++k) curve.push_back(SumPoint(N, y, k));
  return curve;
}

double SumPointDue(int k) { return SumX(k) + 1.0; }

Checked<int> CheckDegree(double value) {
  const lk::WholeEntry n = lk::WholeIn(value, 0, kMaxDegree);
  return {n.where == lk::WholeEntry::Inside, n.value};
}

Checked<double> CheckPoint(double value) {
  if (std::fabs(value) < 1.0) return {true, value};
  return {false, std::copysign(kPointOffer, value)};
}

Checked<int> CheckTerms(double value) {
  const lk::WholeEntry n = lk::WholeIn(value, kMinTerms, kMaxTerms);
  return {n.where == lk::WholeEntry::Inside, n.value};
}

int NextTerms(int N) {
  switch (N) {
    case 10: return 20;
    case 20: return 40;
    case 40: return 100;
    default: return N;
  }
}

int px(int mode, double W, double x) {
  if (mode < kModeSums) return toUnits(W * (x + 1.005) / 2.01);
  return toUnits((x + 1.1) / 2.22 * W);
}

int py(int mode, double H, double y) {
  if (mode < kModeSums) return toUnits(H * (1.005 - y) / 2.01);
  return toUnits((23.1 - y) / 29.1 * H);
}

std::vector<double> GraphGridValues() {
  // Nine single-precision steps from -0.8; counting the steps rather than
  // comparing with 0.8 keeps the last line even if the sum lands a hair above.
  std::vector<double> values;
  float v = -0.8f;
  for (int step = 0; step <= 8; ++step, v += 0.2f)
    if (std::fabs(v) > 0.1f) values.push_back(v);
  return values;
}

std::vector<AxisTick> SumXTicks() {
  std::vector<AxisTick> ticks;
  for (int k = -9; k <= 9; ++k) {
    const double v = 0.1 * k;
    if (k == 0)
      ticks.push_back({v, 0.0, "0", 0.02});
    else if (k == 5)
      ticks.push_back({v, 0.8, "0.5", v - 0.05});
    else if (k == -5)
      ticks.push_back({v, 0.8, "-0.5", v - 0.1});
    else
      ticks.push_back({v, 0.5, {}, 0.0});
  }
  return ticks;
}

}  // namespace zonalpoly
