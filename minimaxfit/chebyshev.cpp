#include "chebyshev.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numtext.h"

namespace minimaxfit {

namespace {

// The model-function table of the lesson.  -1/3 and 1/3 are the double
// quotients, so the interval is symmetric to the last bit.
constexpr double kThird = 1.0 / 3;
const Model kModels[] = {
    {1, " 対数関数 log(X) ", 0.5, 2.0, "0.5", "2", -0.7, 0.7},
    {2, " 対数関数 log((1+X)/(1-X)) ", -kThird, kThird, "-1/3", "1/3", -0.7, 0.7},
    {3, " 指数関数 exp(X) ", -1.0, 1.0, "-1", "1", -0.5, 2.75},
};
const Model kNoModel = {0, "", 0.0, 1.0, "0", "1", -1.0, 1.0};

// The image of x in [-1, 1].
double ToUnit(double a, double b, double x) { return (2.0 * x - a - b) / (b - a); }

}  // namespace

double Chebyshev(int n, double x) {
  if (n == 0) return 1.0;
  if (n == 1) return x;
  if (n < 0) return 0.0;
  double t0 = 1.0, t1 = x, t = 0.0;
  for (int k = 2; k <= n; ++k) {
    t = 2.0 * x * t1 - t0;
    t0 = t1;
    t1 = t;
  }
  return t;
}

Model ModelOf(int kind) {
  for (const Model& m : kModels)
    if (m.kind == kind) return m;
  return kNoModel;
}

double func(int kind, double x) {
  switch (kind) {
    case 1: return std::log(x);
    case 2: return std::log((x + 1.0) / (1.0 - x));
    case 3: return std::exp(x);
    default: return 0.0;
  }
}

double NodeY(int k) {
  // -cos((k - 1/2) pi/K) written through a squared sine, which keeps the
  // nodes near +-1 accurate.
  const double h = (std::numbers::pi / 2) / kNodes;
  const double s = std::sin((k - 0.5) * h);
  return 2.0 * s * s - 1.0;
}

double NodeX(int k, double a, double b) { return ((b - a) * NodeY(k) + (b + a)) / 2.0; }

Coefficients ChebyshevInterpolation(int kind, double a, double b) {
  Coefficients c{};
  for (int k = 1; k <= kNodes; ++k) {
    const double y = NodeY(k);
    double f0 = func(kind, NodeX(k, a, b));
    double f1 = f0 * y;
    c[0] += f0;
    c[1] += f1;
    for (int j = 2; j <= N; ++j) {
      const double f = 2.0 * y * f1 - f0;  // f(x_k) T_j(y_k)
      c[j] += f;
      f0 = f1;
      f1 = f;
    }
  }
  c[0] /= kNodes;
  for (int j = 1; j <= N; ++j) c[j] *= 2.0 / kNodes;
  return c;
}

double fnCheb(const Coefficients& c, int M, double a, double b, double x) {
  M = std::clamp(M, 0, N + 2);
  const double y = ToUnit(a, b, x);
  double s = c[M], p = 0.0, q = 0.0;
  for (int i = M - 1; i >= 0; --i) {
    q = p;
    p = s;
    s = c[i] + y * (2.0 * p - c[i + 1]) - q;
  }
  return s;
}

double ErrorAt(const Coefficients& c, int M, int kind, double a, double b, double x) {
  return fnCheb(c, M, a, b, x) - func(kind, x);
}

double GraphX(int k) { return -1.0 + k / 1024.0; }
double GraphPointDue(int k) { return 2.0 * (GraphX(k) + 1.0); }
double RetraceX(int k) { return -1.0 + k / 256.0; }

double CurveX(double a, double b, int i) { return (b - a) * i / 1024.0 + a; }
double CurvePointDue(int i) { return i / 256.0; }

float MaxError(const Coefficients& c, int M, int kind, double a, double b) {
  float worst = 0;
  for (int i = 0; i <= kCurveLastIndex; ++i) {
    const float e = float(std::fabs(ErrorAt(c, M, kind, a, b, CurveX(a, b, i))));
    if (e > worst) worst = e;
  }
  return worst;
}

double TableX(double a, double b, int j) { return (b - a) * j / 16.0 + (a + b) / 2.0; }

Checked<int> CheckDegree(std::string_view entry) {
  const lk::WholeEntry n = lk::ReadWhole(entry, kMinDegree, kMaxDegree);
  return {n.where == lk::WholeEntry::Inside, n.value};
}

Checked<int> CheckTruncation(int kind, std::string_view entry) {
  const int high = N - 3;
  if (kind != 2) {
    const lk::WholeEntry m = lk::ReadWhole(entry, 2, high);
    return {m.where == lk::WholeEntry::Inside, m.value};
  }
  // The even coefficients vanish: an even entry is lowered by one, so 12
  // still counts as 11.
  const lk::WholeEntry m = lk::ReadWhole(entry, 2, high + 1);
  if (m.where == lk::WholeEntry::Below) return {false, 3};
  if (m.where == lk::WholeEntry::Above) return {false, high};
  const int odd = m.value % 2 == 0 ? m.value - 1 : m.value;
  if (odd < 3) return {false, 3};
  return {true, odd};
}

int RememberedIndex(int kind, int M) { return kind == 2 ? M + 2 : M + 1; }

float ErrorRange(const Coefficients& c, int M) {
  M = std::clamp(M, 0, N);
  const float e = float(1.5 * std::max(std::fabs(c[M + 1]), std::fabs(c[M + 2])));
  return e > 0 ? e : 1e-30f;
}

int SquarePx(double W, float x) { return lk::CLng((double(x) / kSquareHalf + 1.0) * 0.5 * W); }
int SquarePy(double H, float y) { return lk::CLng((1.0 - double(y) / kSquareHalf) * 0.5 * H); }

int RangePx(double a, double b, double W, float x) { return lk::CLng((double(x) - a) / (b - a) * W); }
int RangePy(double top, double bottom, double H, float y) {
  return lk::CLng((top - double(y)) / (top - bottom) * H);
}

std::vector<double> GridValues() {
  std::vector<double> v;
  for (int t = -8; t <= 8; t += 2)
    if (t != 0) v.push_back(t / 10.0);
  return v;
}

std::vector<Tick> Ticks(double a, double b) {
  const double d = b - a >= 1 ? 0.2 : 0.1;
  std::vector<Tick> ticks;
  // Counting the steps keeps the loop finite whatever the interval.
  for (int k = 0;; ++k) {
    const double t = a + 0.001 + k * d;
    if (t > b - 0.001) break;
    const double v = d * lk::CInt(t / d);
    if (!(a < v && v < b)) continue;
    if (std::fabs(v) < 0.01 || std::fabs(v - 1) < 0.01)
      ticks.push_back({v, " " + lk::NumStr(lk::CInt(v)), true});
    else
      ticks.push_back({v, lk::Format(v, "0.0"), false});
  }
  return ticks;
}

Cell CoefficientCell(double c) {
  if (c == 0) return {Cell::Zero, " 0.0"};
  return {c < 0 ? Cell::Negative : Cell::Positive, lk::Format(std::fabs(c), "0.#0000000000000")};
}

Cell ValueCell(double v, const char* pattern) {
  if (v == 0) return {Cell::Zero, "0.0"};
  return {v < 0 ? Cell::Negative : Cell::Positive, lk::LeadZero(lk::Format(std::fabs(v), pattern))};
}

std::string SmallText(double v) { return lk::LeadZero(lk::Format(v, "#.##E-##")); }

std::string LegendDegree(int n) { return (n >= 0 ? " " : "") + lk::NumStr(n); }

}  // namespace minimaxfit
