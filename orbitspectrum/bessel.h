// Bessel functions of the first kind J_0(x) .. J_M(x) of one argument, by
// Miller's downward recurrence (lessonkit's miller.h) in double precision,
// with this lesson's start orders.  Plain C++, no Qt.
#pragma once

#include <vector>

namespace orbitspectrum {

// The values J_0(x) .. J_JnMax(x).  Jn holds one spare zero entry above JnMax.
struct BesselArray {
  std::vector<double> Jn;
  int JnMax = 0;
  // How often the unnormalised values were scaled down on the way so that
  // they could not overflow (0 for the arguments of the orbit lesson).
  int rescales = 0;

  // J_k(x); orders above JnMax are smaller than double precision can hold
  // next to J_0 .. J_JnMax and read as 0.
  double operator()(int k) const { return k >= 0 && k <= JnMax ? Jn[k] : 0.0; }
};

// The start order of the recurrence for |x| = v: large enough that J_M(v) is
// negligible, even (the normalising sum runs over even orders).  0 for v = 0.
int BesselStartOrder(double v);

// J_0(x) .. J_M(x) with M = BesselStartOrder(|x|), trailing entries that
// underflowed dropped.  x = 0 gives J_0 = 1, J_1 = 0 (JnMax = 1).
BesselArray BesselJ(double x);

}  // namespace orbitspectrum
