#include "bessel.h"

#include <cmath>

#include "miller.h"

namespace orbitspectrum {

namespace {

// The recurrence starts from 1e-30 at order M, the running sum is pulled
// back by 1e-30 whenever it passes 1e20, far below overflow, and no value
// may pass 1e300 before a step.  Below |x| = 1e-20 the leading term of the
// power series is exact to double precision (the next term is smaller by
// x^2 / (4(k+1)), under 1e-40), and the factor 2l/x of the recurrence is huge
// for nothing.
constexpr lk::MillerSettings<double> kMiller{
    .seed = 1e-30, .sumLimit = 1e20, .rescale = 1e-30, .seriesBelow = 1e-20, .headroom = 1e300};

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
  BesselArray out;
  if (x == 0) {
    out.Jn = {1.0, 0.0};
    out.JnMax = 1;
    return out;
  }
  const int m = BesselStartOrder(std::fabs(x));
  out.Jn.assign(std::size_t(m) + 2, 0.0);
  const lk::MillerResult r = lk::MillerBessel(x, m, out.Jn.data(), kMiller);
  out.JnMax = r.top;
  out.rescales = r.rescales;
  return out;
}

}  // namespace orbitspectrum
