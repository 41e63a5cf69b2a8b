// Radix-2 FFT with a quarter-period sine table.  Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <vector>

namespace lk {

// Fills table[0 .. n/4] with sin(2*pi*i/n).  The table must hold n/4 + 1
// entries; it is resized when it holds fewer.
void MakeSinTable(std::int32_t n, std::vector<double>& table);

// Transforms the interleaved complex array data[0 .. 2n-1] in place (real part
// of sample k at 2k, imaginary part at 2k+1).  direction 1: forward sign, no
// scaling; 2: inverse sign, scaled by 1/n; any other value: forward sign,
// scaled by 1/n.  n must be a power of two, at least 2, and table must come
// from MakeSinTable with the same n.  Allocates nothing.
void FFT(std::int32_t n, double* data, const double* table, std::int16_t direction);
inline void FFT(std::int32_t n, std::vector<double>& data, const std::vector<double>& table,
                std::int16_t direction) {
  FFT(n, data.data(), table.data(), direction);
}

}  // namespace lk
