// Bessel functions of the first kind J_0(x) .. J_m(x) of one argument by
// Miller's downward recurrence, in the number type a lesson computes in.
// Plain C++, no Qt.
//
// Upward, J_{l+1} = (2l/x) J_l - J_{l-1} loses everything once l passes x,
// because the Neumann function Y_l grows there while J_l dies away.  Run
// downward, the same recurrence lets J_l grow and Y_l die, so starting from an
// arbitrary tiny value at an order m well above x gives a sequence
// proportional to J_l for every order below m; the identity
// J_0 + 2 (J_2 + J_4 + ...) = 1 fixes the constant of proportionality.
//
// The lessons differ in precision and in their constants (start order, seed,
// when to scale down), not in the recurrence: each passes its own.
#pragma once

#include <cmath>
#include <cstddef>

namespace lk {

template <typename T>
struct MillerSettings {
  // The value set at the start order, which also opens the running sum of
  // the even orders.
  T seed;
  // When that sum passes sumLimit, it and every value from the current order
  // up are multiplied by rescale, far below overflow.
  T sumLimit;
  T rescale;
  // Below this |x| the leading term of the power series, (x/2)^k / k!, is
  // exact in T, and the factors 2l/x of the recurrence would overflow.
  T seriesBelow;
  // With headroom > 0 no value may pass headroom before a step: the step
  // after it multiplies by at most 2l/x + 1.  For small x the values grow
  // too fast for the sum's check two steps apart.  0: no such check.
  T headroom = 0;
};

struct MillerResult {
  // The highest order that still holds a value: orders that underflowed to
  // 0 on a rescaling are dropped from the top.
  int top = 0;
  // How often the unnormalised values were scaled down on the way.
  int rescales = 0;
  // False when the normalising sum came out 0 or not finite, far beyond the
  // range a start order was chosen for: nothing sensible is left, and J
  // holds only zeros.
  bool normalised = true;
};

// Fills J[0] .. J[m] with J_0(x) .. J_m(x) for x != 0, starting the
// recurrence at order m >= 1.  J must hold m + 2 entries, all 0 on entry
// (J[m + 1] is the 0 the first step reads).  A negative x gives
// J_k(-x) = (-1)^k J_k(|x|).
template <typename T>
MillerResult MillerBessel(T x, int m, T* J, const MillerSettings<T>& s) {
  using std::size_t;
  MillerResult r;
  r.top = m;
  const T ax = std::fabs(x);
  auto dropUnderflowed = [&](int lowest) {
    while (r.top > lowest && J[size_t(r.top)] == T(0)) --r.top;
  };

  if (ax < s.seriesBelow) {
    T term = 1;  // (x/2)^k / k!
    for (int k = 0; k <= m; ++k) {
      J[size_t(k)] = term;
      term *= (ax / 2) / T(k + 1);
    }
    dropUnderflowed(0);
  } else {
    J[size_t(m)] = s.seed;
    T sum = s.seed;  // J_m + J_{m-2} + ... so far
    for (int l = m; l >= 1; --l) {
      if (s.headroom > 0) {
        const T grow = T(2) * T(l) / ax;
        if (std::fabs(J[size_t(l)]) > s.headroom / (grow + 1)) {
          const T f = 1 / std::fabs(J[size_t(l)]);
          sum *= f;
          for (int k = l; k <= r.top; ++k) J[size_t(k)] *= f;
          dropUnderflowed(l);
          ++r.rescales;
        }
      }
      J[size_t(l - 1)] = (T(2) * T(l) / ax) * J[size_t(l)] - J[size_t(l + 1)];
      if (l % 2 == 1 && l > 1) {
        sum += J[size_t(l - 1)];
        if (sum > s.sumLimit) {
          sum *= s.rescale;
          for (int k = l - 1; k <= r.top; ++k) J[size_t(k)] *= s.rescale;
          // High orders that fell below the smallest value of T carry no
          // information any more; the recurrence never reads them again.
          dropUnderflowed(l - 1);
          ++r.rescales;
        }
      }
    }
    const T norm = 2 * sum + J[0];
    if (norm == 0 || !std::isfinite(norm)) {
      for (int k = 0; k <= m; ++k) J[size_t(k)] = 0;
      return {0, r.rescales, false};
    }
    for (int k = 0; k <= r.top; ++k) J[size_t(k)] /= norm;
  }
  if (x < 0)
    for (int k = 1; k <= m; k += 2) J[size_t(k)] = -J[size_t(k)];
  return r;
}

}  // namespace lk
