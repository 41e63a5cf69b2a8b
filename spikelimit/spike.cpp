#include "spike.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace spikelimit {

namespace {
constexpr double kStep = 1.0 / 1024;  // 2^-10: exact in binary
}

double Spike(double L, double x) {
  if (x == 0) return L / std::numbers::pi;
  return std::sin(L * x) / (x * std::numbers::pi);
}

double SampleX(int k) { return -1.0 + k * kStep; }

PlotPoint SpikePoint(double L, int k) {
  const double x = SampleX(k);
  return {x, Spike(L, x)};
}

std::vector<PlotPoint> SpikeCurve(double L) {
  std::vector<PlotPoint> curve;
  curve.reserve(kPoints);
  for (int k = 0; k <= kLastIndex; ++k) curve.push_back(SpikePoint(L, k));
  return curve;
}

double PointDue(int k) { return 2.0 * (SampleX(k) + 1.0); }

Checked CheckL(double value) {
  if (std::isnan(value) || value < kMinL) return {false, kMinL};
  if (value > kMaxL) return {false, kMaxL};
  return {true, value};
}

bool CurveList::Full(int room) const { return count_ >= std::clamp(room, 1, kCapacity); }

bool CurveList::Add(double L, lk::Color color, int room) {
  if (Full(room)) return false;
  items_[std::size_t(count_)] = {L, color};
  ++count_;
  return true;
}

ListSlot PlaceInList(int i, int rowsPerColumn) {
  rowsPerColumn = std::max(rowsPerColumn, 1);
  const int zeroBased = std::max(i, 1) - 1;
  return {zeroBased / rowsPerColumn, zeroBased % rowsPerColumn + 1};
}

std::vector<Tick> XTicks() {
  std::vector<Tick> ticks;
  for (int k = -9; k <= 9; ++k) {
    const double x = 0.1 * k;
    const bool half = std::fabs(std::fabs(x) - 0.5) < 0.01;
    ticks.push_back({x, half ? 0.6 : 0.3});
  }
  return ticks;
}

}  // namespace spikelimit
