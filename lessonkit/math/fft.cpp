#include "fft.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The transform is radix-2 decimation in time with the twiddles read from a
// quarter-period sine table.  Its results are meant to be reproducible to the
// last bit whatever loop order is used here: every butterfly performs exactly
//   u = c*Re b + s*Im b,  v = c*Im b - s*Re b,
//   b = a - (u, v),       a = a + (u, v)
// in that order, without fused multiply-add, so only the order in which
// butterflies of one stage are visited (they touch disjoint samples) and the
// way memory is walked may change.  The tests hold this code to a plain
// loop-for-loop version bit for bit.

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

namespace {

// Twiddle of column l of a stage: sine and cosine of 2*pi*g/n with g = l*G,
// from the quarter table (the cosine is the table read backwards; past a
// quarter period it changes sign).  The inverse transform flips the sine.
struct Twiddle {
  double c, s;
};

inline Twiddle TwiddleAt(std::int32_t g, std::int32_t quarter, std::int32_t half,
                         const double* table, bool inverse) {
  Twiddle w;
  if (g <= quarter) {
    w.s = table[g];
    w.c = table[quarter - g];
  } else {
    w.s = table[half - g];
    w.c = -table[g - quarter];
  }
  if (inverse) w.s = -w.s;
  return w;
}

// Twiddles gathered on the stack at a time.  Visiting a stage group by group
// (instead of column by column over all groups) walks memory in order; blocks
// of columns keep the gathered twiddles small however wide the stage.
constexpr std::int32_t kGatherColumns = 256;

#if defined(__SSE2__)

// One complex sample as a (re, im) register.
inline __m128d Load(const double* p) { return _mm_loadu_pd(p); }
inline void Store(double* p, __m128d v) { _mm_storeu_pd(p, v); }

inline void PlainButterfly(double* a, double* b) {
  const __m128d x = Load(a), t = Load(b);
  Store(b, _mm_sub_pd(x, t));
  Store(a, _mm_add_pd(x, t));
}

// cc = (c, c), ss = (s, -s): then cc*(Re b, Im b) + ss*(Im b, Re b) is
// (c*Re b + s*Im b, c*Im b + (-(s*Re b))), and x + (-y) is x - y exactly.
inline void TwiddleButterfly(double* a, double* b, __m128d cc, __m128d ss) {
  const __m128d x = Load(a), y = Load(b);
  const __m128d swapped = _mm_shuffle_pd(y, y, 1);
  const __m128d uv = _mm_add_pd(_mm_mul_pd(cc, y), _mm_mul_pd(ss, swapped));
  Store(b, _mm_sub_pd(x, uv));
  Store(a, _mm_add_pd(x, uv));
}

struct Packed {
  __m128d cc, ss;
};
inline Packed Pack(Twiddle w) { return {_mm_set1_pd(w.c), _mm_set_pd(-w.s, w.s)}; }
inline void TwiddleButterfly(double* a, double* b, const Packed& p) {
  TwiddleButterfly(a, b, p.cc, p.ss);
}

#else

inline void PlainButterfly(double* a, double* b) {
  double t = b[0];
  b[0] = a[0] - t;
  a[0] = a[0] + t;
  t = b[1];
  b[1] = a[1] - t;
  a[1] = a[1] + t;
}

using Packed = Twiddle;
inline Packed Pack(Twiddle w) { return w; }
inline void TwiddleButterfly(double* a, double* b, const Packed& w) {
  const double u = w.c * b[0] + w.s * b[1];
  const double v = w.c * b[1] - w.s * b[0];
  b[0] = a[0] - u;
  b[1] = a[1] - v;
  a[0] = a[0] + u;
  a[1] = a[1] + v;
}

#endif

inline void SwapSamples(double* data, std::int32_t i, std::int32_t e) {
  const double re = data[2 * i], im = data[2 * i + 1];
  data[2 * i] = data[2 * e];
  data[2 * i + 1] = data[2 * e + 1];
  data[2 * e] = re;
  data[2 * e + 1] = im;
}

constexpr std::array<std::uint8_t, 256> MakeByteReversal() {
  std::array<std::uint8_t, 256> r{};
  for (unsigned v = 0; v < 256; ++v) {
    unsigned x = 0;
    for (int k = 0; k < 8; ++k) x |= ((v >> k) & 1u) << (7 - k);
    r[v] = static_cast<std::uint8_t>(x);
  }
  return r;
}
constexpr std::array<std::uint8_t, 256> kByteReversal = MakeByteReversal();

inline std::uint32_t Reverse32(std::uint32_t v) {
  return (std::uint32_t{kByteReversal[v & 255u]} << 24) |
         (std::uint32_t{kByteReversal[(v >> 8) & 255u]} << 16) |
         (std::uint32_t{kByteReversal[(v >> 16) & 255u]} << 8) |
         std::uint32_t{kByteReversal[v >> 24]};
}

// The bit-reversal permutation: sample i trades places with sample e, the
// m-bit reversal of i; samples 0 and n-1 are their own mirrors.  The swaps are
// disjoint transpositions, so their order does not change the outcome, and
// each pair is swapped exactly once.
//
// Walked in index order, e jumps across the whole array and nearly every swap
// misses the cache.  So for longer transforms i is split into top, middle and
// bottom bits, i = (a, b, c) with a and c of kTileBits bits each; its mirror is
// (rev c, rev b, rev a).  For one middle value b all (a, c) form a small tile,
// and its mirror tile is the one of rev b: tile pairs are swapped whole (tiles
// whose middle is its own mirror only where e > i), touching a few cache lines
// on each side.
constexpr int kTileBits = 3;

void BitReversal(double* data, std::int32_t n, int m) {
  if (m < 2 * kTileBits + 1) {
    const int shift = 32 - m;
    for (std::int32_t i = 1; i <= n - 2; ++i) {
      const auto e = static_cast<std::int32_t>(Reverse32(static_cast<std::uint32_t>(i)) >> shift);
      if (e > i) SwapSamples(data, i, e);
    }
    return;
  }
  constexpr std::int32_t tile = 1 << kTileBits;
  const int midBits = m - 2 * kTileBits, topShift = m - kTileBits;
  const std::int32_t middles = std::int32_t{1} << midBits;
  std::int32_t revLow[tile];
  for (std::int32_t k = 0; k < tile; ++k) {
    revLow[k] = static_cast<std::int32_t>(Reverse32(static_cast<std::uint32_t>(k)) >> (32 - kTileBits));
  }
  for (std::int32_t b = 0; b < middles; ++b) {
    const auto rb = static_cast<std::int32_t>(Reverse32(static_cast<std::uint32_t>(b)) >> (32 - midBits));
    if (rb < b) continue;  // swapped from the mirror tile
    for (std::int32_t a = 0; a < tile; ++a) {
      const std::int32_t iRow = (a << topShift) | (b << kTileBits);
      const std::int32_t eCol = (rb << kTileBits) | revLow[a];
      for (std::int32_t c = 0; c < tile; ++c) {
        const std::int32_t i = iRow | c, e = (revLow[c] << topShift) | eCol;
        if (rb != b || e > i) SwapSamples(data, i, e);
      }
    }
  }
}

}  // namespace

void FFT(std::int32_t n, double* data, const double* table, std::int16_t direction) {
  // A length that is not a power of two has no matching permutation: its
  // mirror indices would run past the array.  Such data is left untouched.
  if (n < 2 || (n & (n - 1)) != 0) return;

  // Stage count: ln(n)/0.693 lies within 0.01 of log2(n) for every 32-bit
  // power of two, so the nearest integer is the exponent.
  const int m = static_cast<int>(std::lround(std::log(static_cast<double>(n)) / 0.693));

  BitReversal(data, n, m);

  const std::int32_t quarter = n / 4, half = n / 2;
  const bool inverse = direction == 2;
  Packed gathered[kGatherColumns];
  std::int32_t L = 1, G = half;
  for (int stage = 0; stage < m; ++stage) {
    const std::int32_t span = 2 * L;
    // The columns in blocks: the block's twiddles are gathered once, then each
    // group runs through the block's columns in memory order.  Column 0 has
    // the twiddle 1 and needs no multiplication.
    for (std::int32_t first = 0; first < L; first += kGatherColumns) {
      const std::int32_t count = std::min(kGatherColumns, L - first);
      const std::int32_t lead = first == 0 ? 1 : 0;
      for (std::int32_t k = lead; k < count; ++k) {
        gathered[k] = Pack(TwiddleAt((first + k) * G, quarter, half, table, inverse));
      }
      for (std::int32_t start = 0; start < n; start += span) {
        double* a = data + 2 * (start + first);
        double* b = a + 2 * L;
        if (lead) PlainButterfly(a, b);
        for (std::int32_t k = lead; k < count; ++k) TwiddleButterfly(a + 2 * k, b + 2 * k, gathered[k]);
      }
    }
    G /= 2;
    L *= 2;
  }

  if (direction != 1) {
    // n is a power of two, so 1/n is exact and multiplying by it rounds
    // exactly as dividing by n does.
    const double inv = 1.0 / static_cast<double>(n);
    for (std::int32_t i = 0; i < 2 * n; ++i) data[i] *= inv;
  }
}

}  // namespace lk
