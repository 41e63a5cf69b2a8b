// The FFT against a naive discrete Fourier transform, closed forms, and a
// plain loop-for-loop rendering of the same algorithm that the tuned code must
// match bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

#include "fft.h"

namespace {

using lk::FFT;
using lk::MakeSinTable;

std::vector<double> RandomData(std::int32_t n, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  std::vector<double> x(2 * static_cast<std::size_t>(n));
  for (double& v : x) v = dist(rng);
  return x;
}

// O(n^2) transform in long double with the angle reduced exactly (j*k mod n)
// before the trigonometric call.  sign -1 forward, +1 inverse.
std::vector<long double> NaiveDft(const std::vector<double>& x, std::int32_t n, int sign,
                                  bool scale) {
  std::vector<long double> X(2 * static_cast<std::size_t>(n), 0.0L);
  const long double twoPi = 2.0L * std::numbers::pi_v<long double>;
  for (std::int64_t k = 0; k < n; ++k) {
    long double re = 0.0L, im = 0.0L;
    for (std::int64_t j = 0; j < n; ++j) {
      const long double ang = sign * twoPi * static_cast<long double>((j * k) % n) / n;
      const long double c = std::cos(ang), s = std::sin(ang);
      re += x[2 * j] * c - x[2 * j + 1] * s;
      im += x[2 * j] * s + x[2 * j + 1] * c;
    }
    if (scale) {
      re /= n;
      im /= n;
    }
    X[2 * k] = re;
    X[2 * k + 1] = im;
  }
  return X;
}

// The transform exactly as the algorithm reads, loop for loop, with no
// shortcuts: stage count from ln(n)/0.693, bit reversal digit by digit, the
// twiddle-free butterflies of a stage before the others, twiddles from the
// quarter table, then scaling.
void PlainFft(std::int32_t n, std::vector<double>& x, const std::vector<double>& tab, int dir) {
  const int m = static_cast<int>(std::lround(std::log(static_cast<double>(n)) / 0.693));
  for (std::int32_t i = 1; i <= n - 2; ++i) {
    std::int32_t d = i, e = 0;
    for (int k = 1; k <= m; ++k) {
      e = 2 * e + (d % 2);
      d = d / 2;
    }
    if (e > i) {
      std::swap(x[2 * i], x[2 * e]);
      std::swap(x[2 * i + 1], x[2 * e + 1]);
    }
  }
  std::int32_t L = 1, G = n / 2;
  for (int stage = 1; stage <= m; ++stage) {
    for (std::int32_t grp = 0; grp < G; ++grp) {
      const std::int32_t s = grp * 2 * L, p = s + L;
      double t = x[2 * p];
      x[2 * p] = x[2 * s] - t;
      x[2 * s] = x[2 * s] + t;
      t = x[2 * p + 1];
      x[2 * p + 1] = x[2 * s + 1] - t;
      x[2 * s + 1] = x[2 * s + 1] + t;
    }
    for (std::int32_t l = 1; l <= L - 1; ++l) {
      const std::int32_t g = l * G;
      double s, c;
      if (g <= n / 4) {
        s = tab[g];
        c = tab[n / 4 - g];
      } else {
        s = tab[n / 2 - g];
        c = -tab[g - n / 4];
      }
      if (dir == 2) s = -s;
      for (std::int32_t grp = 0; grp < G; ++grp) {
        const std::int32_t a = grp * 2 * L + l, b = a + L;
        const double u = c * x[2 * b] + s * x[2 * b + 1];
        const double v = c * x[2 * b + 1] - s * x[2 * b];
        x[2 * b] = x[2 * a] - u;
        x[2 * b + 1] = x[2 * a + 1] - v;
        x[2 * a] = x[2 * a] + u;
        x[2 * a + 1] = x[2 * a + 1] + v;
      }
    }
    G = G / 2;
    L = 2 * L;
  }
  if (dir != 1) {
    for (std::int32_t i = 0; i <= 2 * n - 1; ++i) x[i] = x[i] / n;
  }
}

double MaxAbsDiff(const std::vector<double>& a, const std::vector<long double>& b) {
  long double worst = 0.0L;
  for (std::size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(a[i] - b[i]));
  return static_cast<double>(worst);
}

TEST(FftSinTable, QuarterPeriodOfSine) {
  for (std::int32_t n : {4, 8, 64, 2048, 16384}) {
    std::vector<double> tab;
    MakeSinTable(n, tab);
    ASSERT_EQ(tab.size(), static_cast<std::size_t>(n / 4 + 1)) << n;
    EXPECT_EQ(tab[0], 0.0);
    EXPECT_EQ(tab[n / 4], 1.0);
    for (std::int32_t i = 0; i <= n / 4; ++i) {
      const long double ang = 2.0L * std::numbers::pi_v<long double> * i / n;
      EXPECT_NEAR(tab[i], static_cast<double>(std::sin(ang)), 2e-16) << n << " " << i;
      // Read backwards the same table is the cosine, which the transform uses.
      EXPECT_NEAR(tab[n / 4 - i], static_cast<double>(std::cos(ang)), 2e-16) << n << " " << i;
    }
  }
}

TEST(FftSinTable, KeepsLargerTableAndItsTail) {
  std::vector<double> tab(10, -7.0);
  MakeSinTable(16, tab);
  ASSERT_EQ(tab.size(), 10u);
  EXPECT_EQ(tab[4], 1.0);
  EXPECT_EQ(tab[5], -7.0);
}

TEST(FftAgainstDft, EveryPowerOfTwoBothDirectionsAndOther) {
  for (std::int32_t n = 2; n <= 2048; n *= 2) {
    std::vector<double> tab;
    MakeSinTable(n, tab);
    const std::vector<double> x = RandomData(n, 1000 + n);
    struct Case {
      std::int16_t dir;
      int sign;
      bool scale;
    };
    for (const Case& c : {Case{1, -1, false}, Case{2, +1, true}, Case{3, -1, true}}) {
      std::vector<double> y = x;
      FFT(n, y, tab, c.dir);
      const std::vector<long double> ref = NaiveDft(x, n, c.sign, c.scale);
      // Rounding grows like log2(n) per output of size up to n.
      const double tol = 4e-16 * std::log2(n) * n / (c.scale ? n : 1);
      EXPECT_LT(MaxAbsDiff(y, ref), tol) << "n=" << n << " dir=" << c.dir;
    }
  }
}

TEST(FftClosedForms, ConstantSequence) {
  for (std::int32_t n : {2, 16, 1024}) {
    std::vector<double> tab;
    MakeSinTable(n, tab);
    std::vector<double> x(2 * n, 0.0);
    for (std::int32_t j = 0; j < n; ++j) x[2 * j] = 1.0;
    std::vector<double> fwd = x, inv = x;
    FFT(n, fwd, tab, 1);
    FFT(n, inv, tab, 2);
    EXPECT_DOUBLE_EQ(fwd[0], n);
    EXPECT_DOUBLE_EQ(inv[0], 1.0);
    EXPECT_EQ(fwd[1], 0.0);
    EXPECT_EQ(inv[1], 0.0);
    for (std::int32_t k = 1; k < n; ++k) {
      EXPECT_NEAR(fwd[2 * k], 0.0, 1e-12) << k;
      EXPECT_NEAR(fwd[2 * k + 1], 0.0, 1e-12) << k;
      EXPECT_NEAR(inv[2 * k], 0.0, 1e-15) << k;
      EXPECT_NEAR(inv[2 * k + 1], 0.0, 1e-15) << k;
    }
  }
}

TEST(FftClosedForms, ImpulseAtSampleOne) {
  for (std::int32_t n : {4, 8, 256, 4096}) {
    std::vector<double> tab;
    MakeSinTable(n, tab);
    std::vector<double> x(2 * n, 0.0);
    x[2] = 1.0;
    std::vector<double> fwd = x, inv = x;
    FFT(n, fwd, tab, 1);
    FFT(n, inv, tab, 2);
    for (std::int32_t k = 0; k < n; ++k) {
      const double ang = 2.0 * std::numbers::pi * k / n;
      EXPECT_NEAR(fwd[2 * k], std::cos(ang), 1e-14) << n << " " << k;
      EXPECT_NEAR(fwd[2 * k + 1], -std::sin(ang), 1e-14) << n << " " << k;
      EXPECT_NEAR(inv[2 * k], std::cos(ang) / n, 1e-14 / n) << n << " " << k;
      EXPECT_NEAR(inv[2 * k + 1], std::sin(ang) / n, 1e-14 / n) << n << " " << k;
    }
  }
}

TEST(FftClosedForms, TwoPointsIsOneButterfly) {
  std::vector<double> tab;
  MakeSinTable(2, tab);
  std::vector<double> x = {3.0, -1.0, 0.5, 2.0};
  FFT(2, x, tab, 1);
  EXPECT_EQ(x, (std::vector<double>{3.5, 1.0, 2.5, -3.0}));
  FFT(2, x, tab, 2);
  EXPECT_EQ(x, (std::vector<double>{3.0, -1.0, 0.5, 2.0}));
}

// For n = 8 the last stage reads twiddle index 3, beyond the quarter table:
// its cosine is -table(1).  An impulse at sample 1 puts exp(-3i*pi/4) into
// bin 3 and exp(+i*pi/4) into bin 7 through exactly that twiddle.
TEST(FftClosedForms, TwiddleBeyondQuarterHasNegativeCosine) {
  std::vector<double> tab;
  MakeSinTable(8, tab);
  const double h = std::sqrt(0.5);
  std::vector<double> x(16, 0.0);
  x[2] = 1.0;
  FFT(8, x, tab, 1);
  EXPECT_NEAR(x[6], -h, 1e-15);
  EXPECT_NEAR(x[7], -h, 1e-15);
  EXPECT_NEAR(x[14], h, 1e-15);
  EXPECT_NEAR(x[15], h, 1e-15);
  std::vector<double> y(16, 0.0);
  y[2] = 8.0;
  FFT(8, y, tab, 2);
  EXPECT_NEAR(y[6], -h, 1e-15);
  EXPECT_NEAR(y[7], h, 1e-15);
}

TEST(FftClosedForms, ForwardThenInverseRestoresInput) {
  const std::int32_t n = 16384;
  std::vector<double> tab;
  MakeSinTable(n, tab);
  const std::vector<double> x = RandomData(n, 77);
  std::vector<double> y = x;
  FFT(n, y, tab, 1);
  FFT(n, y, tab, 2);
  double worst = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) worst = std::max(worst, std::fabs(y[i] - x[i]));
  EXPECT_LT(worst, 1e-14);
  EXPECT_GT(worst, 0.0);  // rounding is expected; an untouched array would be a fault
}

TEST(FftClosedForms, LengthNotAPowerOfTwoLeavesDataAlone) {
  std::vector<double> tab;
  MakeSinTable(8, tab);
  for (std::int32_t n : {0, 1, 6, 12}) {
    std::vector<double> x = RandomData(12, 5);
    const std::vector<double> before = x;
    FFT(n, x.data(), tab.data(), 2);
    EXPECT_EQ(x, before) << n;
  }
}

TEST(FftMatchesPlainLoops, BitForBitOnRandomData) {
  for (std::int32_t n = 2; n <= 65536; n *= 2) {
    std::vector<double> tab;
    MakeSinTable(n, tab);
    for (std::int16_t dir : {1, 2, 3}) {
      std::vector<double> y = RandomData(n, 31 * n + dir);
      std::vector<double> ref = y;
      FFT(n, y, tab, dir);
      PlainFft(n, ref, tab, dir);
      EXPECT_EQ(std::memcmp(y.data(), ref.data(), y.size() * sizeof(double)), 0)
          << "n=" << n << " dir=" << dir;
    }
  }
}

}  // namespace
