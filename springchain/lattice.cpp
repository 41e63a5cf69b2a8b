#include "lattice.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "miller.h"
#include "numtext.h"

namespace springchain {

namespace {

// Miller's recurrence: the seed 1e-30 at the start order, and everything
// scaled down by 1e-30 whenever the running sum passes 1e20.  Below
// x = 1e-4 the first term of the power series, (x/2)^n / n!, is exact to
// single precision, and the recurrence's factors 2i/x would overflow the
// single-precision range.
constexpr lk::MillerSettings<float> kMiller{
    .seed = 1e-30f, .sumLimit = 1e20f, .rescale = 1e-30f, .seriesBelow = 1e-4f};

// The spring: 3.5 turns in 100 segments; the gap between stamp and coil is
// 0.1 u; a coil is drawn for free lengths above 0.01 u.
constexpr float kTurns = 3.5f;
constexpr int kSegments = 100;
constexpr float kGapUnits = 0.1f;
constexpr float kBarBelowUnits = 0.01f;
constexpr float kCoilWidening = 0.4f;
constexpr double kPi = 3.14159265358979323846;

// Offset of the record column c + 2k whose absolute value is the Bessel
// order of strip position k.
int OrderOffset(int origin) { return origin == 0 ? -12 : -2; }

}  // namespace

// ---- Bessel functions ----------------------------------------------------------

int BesselStartOrder(float x) {
  x = std::fabs(x);
  if (!std::isfinite(x)) return kBesselSize - 2;
  float start;
  if (x >= 20)
    start = 1.25f * x + 9;
  else if (x > 4)
    start = 1.6f * x + 7;
  else
    start = 3 * x + 5;
  return std::min<int>(lk::CInt(start), kBesselSize - 2);
}

BesselTable Bessel(float x) {
  BesselTable J{};
  if (!std::isfinite(x)) return J;
  if (x == 0) {
    J[0] = 1;
    return J;
  }
  // Far beyond the lesson's range the start order is too low and the sum
  // may vanish; the table is all zeros then, nothing sensible to show.
  lk::MillerBessel(x, BesselStartOrder(x), J.data(), kMiller);
  return J;
}

// ---- The chain strip -----------------------------------------------------------

int OriginPosition(int origin) { return origin == 0 ? 6 : 1; }
int AtomAt(int k, int origin) { return k - OriginPosition(origin); }
int OrderAt(int k, int origin) { return 2 * AtomAt(k, origin); }
int StampOf(int order) { return order >= 0 ? order : -1 - order; }
int StampLabel(int stamp) { return stamp % 2 == 0 ? stamp : -1 - stamp; }
float Equilibrium(int k, float u) { return (2.0f * float(k) - 0.5f) * u; }

Record::Record(int nT, float u, int origin)
    : nT_(std::max(1, nT)), u_(u), origin_(origin), rec_(std::size_t(nT_ + 1) * (kAtoms + 1)) {
  const int c = OrderOffset(origin);
  for (int i = 0; i <= nT_; ++i) {
    const BesselTable J = Bessel(time(i));
    for (int k = 0; k <= kAtoms; ++k) {
      const float x = (2.0f * float(k) + J[std::size_t(std::abs(c + 2 * k))] - 0.5f) * u;
      rec_[std::size_t(i) * (kAtoms + 1) + std::size_t(k)] = lk::CLng(x);
    }
  }
}

float Record::time(int i) const { return kTimeEnd * float(i) / float(nT_); }

Frame MovingFrame(const Record& rec, int i) {
  Frame pos{};
  i = std::clamp(i, 0, rec.nT());
  for (int k = 0; k <= kAtoms; ++k) pos[std::size_t(k)] = float(rec.at(k, i));
  return pos;
}

Frame RestingFrame(const Record& rec, float displacement) {
  Frame pos = MovingFrame(rec, 0);
  const int k0 = OriginPosition(rec.origin());
  pos[std::size_t(k0)] = (displacement + 2.0f * float(k0) - 0.5f) * rec.u();
  return pos;
}

// ---- Springs -------------------------------------------------------------------

float FreeLength(float a, float b, float u, int d) { return b - a - float(d) - 2 * kGapUnits * u; }

SpringStrokes SpringPath(float a, float b, float u, int d, float yc) {
  const float rho = float(d / 2);
  const float g = kGapUnits * u;
  const float c = rho + a + g;
  const float L = FreeLength(a, b, u, d);
  if (L <= kBarBelowUnits * u) {
    // Pressed flat: a bar across the line, then on into the next atom.
    return {{{c - g, yc}, {c, yc}}, {{c, yc - rho}, {c, yc + rho}}, {{c, yc}, {b, yc}}};
  }
  // The loops' width grows with the stretch; e makes the coil end at c + L.
  const float s = kCoilWidening * L / u;
  const float e = L + float(std::cos(2 * kPi * kTurns) - 1) * rho * s;
  std::vector<PathPoint> coil{{c - g, yc}, {c, yc}};
  for (int j = 1; j <= kSegments; ++j) {
    const double theta = 2 * kPi * kTurns * j / kSegments;
    coil.push_back({float((1 - std::cos(theta)) * rho * s) + c + e * float(j) / kSegments,
                    yc - rho * float(std::sin(theta))});
  }
  coil.push_back({b, yc});
  return {coil};
}

// ---- Texts -----------------------------------------------------------------------

std::string TimeCaption(float t) { return "Time： " + lk::Format(t, "###0.0"); }

std::string DisplaceLine(int origin) {
  return std::string(origin == 0 ? "中央" : "左端") + "の原子 0 を このように 右側へ変位させましょう。";
}

}  // namespace springchain
