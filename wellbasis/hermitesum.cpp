#include "hermitesum.h"

#include <cmath>
#include <limits>

#include "numtext.h"

namespace wellbasis {

namespace {

const double kSqrtPi = std::sqrt(std::acos(-1.0));

int ClampToInt(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // the default rounding mode: halves to even
  if (r >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (r <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(r);
}

}  // namespace

double PartialSum(int N, double x, double y) {
  if (N < 0) return 0.0;
  // H_(n-2), H_(n-1) for both points, starting from H_(-1) = 0, H_0 = 1.
  double hx2 = 0.0, hx1 = 1.0, hy2 = 0.0, hy1 = 1.0;
  double w = 1.0;
  double s = 1.0;
  for (int n = 1; n <= N; ++n) {
    w *= 0.5 / n;
    const double hx = 2.0 * (x * hx1 - (n - 1) * hx2);
    const double hy = 2.0 * (y * hy1 - (n - 1) * hy2);
    hx2 = hx1;
    hx1 = hx;
    hy2 = hy1;
    hy1 = hy;
    if (w < kWeightFloor) {
      w *= kWeightLift;
      hx1 *= kHermiteDrop;
      hx2 *= kHermiteDrop;
      hy1 *= kHermiteDrop;
      hy2 *= kHermiteDrop;
    }
    s += w * hx1 * hy1;
  }
  return s / kSqrtPi * std::exp(-(x * x + y * y) / 2.0);
}

double SweepX(int k) { return kSweepStart + k * kSweepStep; }

int SweepPoints() {
  int k = int(std::floor((kSweepEnd - kSweepStart) / kSweepStep));
  while (SweepX(k + 1) <= kSweepEnd) ++k;
  while (SweepX(k) > kSweepEnd) --k;
  return k + 1;
}

double SweepDue(double x) { return x + kHalfWidth; }

int PlotX(double x, double W) {
  const double R = kHalfWidth;
  return ClampToInt((1.1 * R + x) / (2.22 * R) * W);
}

int PlotY(double v, double H) {
  const double top = 1.05 * kValueTop, bottom = 1.2 * kValueBottom;
  return ClampToInt((top - v) / (top - bottom) * H);
}

Checked<double> CheckPoint(double value) {
  if (std::fabs(value) > kPointLimit) return {false, std::copysign(kPointOffer, value)};
  return {true, value + 0.0};  // -0 becomes 0
}

Checked<int> CheckTerms(std::string_view entry) {
  const lk::WholeEntry n = lk::ReadWhole(entry, kMinTerms, kMaxTerms);
  return {n.where == lk::WholeEntry::Inside, n.value};
}

std::string PointText(double y) { return lk::LeadZero(lk::NumStr(y + 0.0)); }

int NextRow(int row) { return row >= kLastRow ? 1 : row + 1; }

}  // namespace wellbasis
