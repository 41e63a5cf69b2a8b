#include "fft.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace lk {

void MakeSinTable(std::int32_t n, std::vector<double>& table) {
  // Below four points the quarter period is the single entry sin(0).
  const std::size_t quarter = n < 4 ? 0 : static_cast<std::size_t>(n / 4);
  if (table.size() < quarter + 1) table.resize(quarter + 1);
  const double pi = 4.0 * std::atan(1.0);
  for (std::size_t i = 0; i <= quarter; ++i) {
    table[i] = std::sin(2.0 * pi * static_cast<double>(i) / static_cast<double>(n));
  }
}

void FFT(std::int32_t n, double* data, const double* table, std::int16_t direction) {
  // A length that is not a power of two has no matching permutation: its
  // mirror indices would run past the array.  Such data is left untouched.
  if (n < 2 || (n & (n - 1)) != 0) return;

  // Stage count: ln(n)/0.693 lies within 0.01 of log2(n) for every 32-bit
  // power of two, so the nearest integer is the exponent.
  const int m = static_cast<int>(std::lround(std::log(static_cast<double>(n)) / 0.693));

  // Bit-reversal permutation; samples 0 and n-1 are their own mirrors.
  for (std::int32_t i = 1; i <= n - 2; ++i) {
    std::int32_t d = i, e = 0;
    for (int k = 0; k < m; ++k) {
      e = 2 * e + d % 2;
      d /= 2;
    }
    if (e > i) {
      std::swap(data[2 * i], data[2 * e]);
      std::swap(data[2 * i + 1], data[2 * e + 1]);
    }
  }

  const std::int32_t quarter = n / 4, half = n / 2;
  std::int32_t L = 1, G = half;
  for (int stage = 0; stage < m; ++stage) {
    // Butterflies whose twiddle is 1 need no multiplication.
    for (std::int32_t s = 0; s < n; s += 2 * L) {
      const std::int32_t p = s + L;
      double t = data[2 * p];
      data[2 * p] = data[2 * s] - t;
      data[2 * s] = data[2 * s] + t;
      t = data[2 * p + 1];
      data[2 * p + 1] = data[2 * s + 1] - t;
      data[2 * s + 1] = data[2 * s + 1] + t;
    }
    for (std::int32_t l = 1; l < L; ++l) {
      const std::int32_t g = l * G;
      double sn, cs;
      if (g <= quarter) {
        sn = table[g];
        cs = table[quarter - g];
      } else {
        sn = table[half - g];
        cs = -table[g - quarter];
      }
      if (direction == 2) sn = -sn;
      for (std::int32_t a = l; a < n; a += 2 * L) {
        const std::int32_t b = a + L;
        const double u = cs * data[2 * b] + sn * data[2 * b + 1];
        const double v = cs * data[2 * b + 1] - sn * data[2 * b];
        data[2 * b] = data[2 * a] - u;
        data[2 * b + 1] = data[2 * a + 1] - v;
        data[2 * a] = data[2 * a] + u;
        data[2 * a + 1] = data[2 * a + 1] + v;
      }
    }
    G /= 2;
    L *= 2;
  }

  if (direction != 1) {
    const double dn = static_cast<double>(n);
    for (std::int32_t i = 0; i < 2 * n; ++i) data[i] /= dn;
  }
}

}  // namespace lk
