#include "bessel.h"

#include <cmath>

namespace orbitspectrum {

namespace {

// The recurrence starts from this value at order M, and the running sum is
// pulled back by kRescale whenever it passes kSumLimit, far below overflow.
constexpr double kStartValue = 1e-30;
constexpr double kSumLimit = 1e20;
constexpr double kRescale = 1e-30;

// Below this |x| the leading term of the power series, J_k(x) = (x/2)^k / k!,
// is exact to double precision (the next term is smaller by x^2 / (4(k+1)),
// under 1e-40), and the factor 2l/x of the recurrence is huge for nothing.
constexpr double kSeriesLimit = 1e-20;
// No value of the recurrence may pass this before it is scaled back: the
// step after it multiplies by at most 2l/x + 1.
constexpr double kHeadroom = 1e300;

BesselArray SeriesForTinyArgument(double x, int m) {
  BesselArray out;
  out.Jn.assign(m + 2, 0.0);
  double term = 1.0;
  for (int k = 0; k <= m; ++k) {
    out.Jn[k] = term;
    term *= (x / 2) / (k + 1);
  }
  out.JnMax = m;
  while (out.JnMax > 0 && out.Jn[out.JnMax] == 0.0) --out.JnMax;
  return out;
}

}  // namespace

int BesselStartOrder(double v) {
  if (v == 0) return 0;
  double start;
  if (v >= 200)
    start = 1.06 * v + 70;
  else if (v >= 70)
    start = 1.12 * v + 50;
  else if (v >= 25)
    start = 1.25 * v + 36;
  else if (v >= 6)
    start = 1.6 * v + 24;
  else if (v >= 2)
    start = 3.5 * v + 14;
  else
    start = 5 * v + 12;
  // Nearest integer with halves to even, as the rest of the suite rounds.
  int m = static_cast<int>(std::nearbyint(start));
  if (m % 2 != 0) ++m;
  return m;
}

BesselArray BesselJ(double x) {
  const double v = std::fabs(x);
  if (v == 0) {
    BesselArray out;
    out.Jn = {1.0, 0.0};
    out.JnMax = 1;
    return out;
  }
  const int m = BesselStartOrder(v);
  if (v < kSeriesLimit) return SeriesForTinyArgument(x, m);

  BesselArray out;
  std::vector<double>& jn = out.Jn;
  jn.assign(m + 2, 0.0);
  jn[m] = kStartValue;
  out.JnMax = m;
  double s = kStartValue;  // J_M + J_{M-2} + ... so far (M is even)

  for (int l = m; l >= 1; --l) {
    // For small x the values grow by 2l/x a step, too fast for the sum's
    // check two steps apart: scale back before a step could overflow.
    const double grow = 2.0 * l / v;
    if (std::fabs(jn[l]) > kHeadroom / (grow + 1)) {
      const double f = 1 / std::fabs(jn[l]);
      s *= f;
      for (int k = l; k <= out.JnMax; ++k) jn[k] *= f;
      while (out.JnMax > l && jn[out.JnMax] == 0.0) --out.JnMax;
      ++out.rescales;
    }
    jn[l - 1] = (2.0 * l / x) * jn[l] - jn[l + 1];
    if (l % 2 == 1 && l > 1) {
      s += jn[l - 1];
      if (s > kSumLimit) {
        s *= kRescale;
        for (int k = l - 1; k <= out.JnMax; ++k) jn[k] *= kRescale;
        // High orders that fell below the smallest double carry no
        // information any more; the recurrence never reads them again.
        while (out.JnMax > l - 1 && jn[out.JnMax] == 0.0) --out.JnMax;
        ++out.rescales;
      }
    }
  }

  const double norm = jn[0] + 2 * s;
  for (int k = 0; k <= out.JnMax; ++k) jn[k] /= norm;
  return out;
}

}  // namespace orbitspectrum
