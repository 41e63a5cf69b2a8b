// The numbers of the lattice vibration lesson: Bessel functions by Miller's
// downward recurrence, the atoms of the chain strip with their labels, the
// record of every atom's position over time, and the shape of a spring.
// Plain C++, no Qt.
//
// An infinite chain of equal masses joined by equal springs, started by
// displacing atom 0 by 1 with every velocity zero, moves as
//   u_n(t) = J_2n(t)      (J_-2n = J_2n),
// so the lesson needs only the even-order Bessel functions of one argument
// at a time; they are computed, not integrated from equations of motion.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace springchain {

// Bessel values J_0(x) .. J_99(x); what lies above the start order is 0.
constexpr int kBesselSize = 100;
using BesselTable = std::array<float, kBesselSize>;

// The strip shows 12 atoms; 25 stamps carry the labels 0, -2, 2, ..., -24, 24.
constexpr int kAtoms = 12;
constexpr int kStamps = 25;
// The motion runs from t = 0 to t = 32.
constexpr float kTimeEnd = 32;
// The strip is 23 units u wide; neighbouring atoms stand 2u apart.
constexpr int kStripUnits = 23;

// ---- Bessel functions --------------------------------------------------------

// The order m from which the recurrence runs down for the argument |x|:
// large enough that J_m(x) is negligible against the low orders.  Rounded
// with halves to even; never above kBesselSize - 2.
int BesselStartOrder(float x);

// J_0(x) .. J_m(x) in single precision, by Miller's downward recurrence from
// a tiny seed at order m, scaled down on the way whenever the sum of the even
// orders passes 1e20 and normalised by J_0 + 2 (J_2 + J_4 + ...) = 1.
// Orders above m are exactly 0.  x = 0 gives J_0 = 1 and nothing else; a
// negative x gives J_n(-x) = (-1)^n J_n(x); an argument that is not finite
// gives all zeros.
BesselTable Bessel(float x);

// ---- The chain strip -----------------------------------------------------------

// Where atom 0 stands in the strip: the seventh atom for origin 0 ("中央"),
// the second for origin 1 ("左端").
int OriginPosition(int origin);
// The atom n at strip position k, and its Bessel order and label 2n.
int AtomAt(int k, int origin);
int OrderAt(int k, int origin);
// The stamp (picMass index) that reads a given order, and the label of a
// stamp: 0, -2, 2, -4, 4, ... for stamps 0, 1, 2, 3, 4, ...
int StampOf(int order);
int StampLabel(int stamp);
// The x pixel of strip position k at rest: (2k - 0.5) u.
float Equilibrium(int k, float u);

// The record rec(k, i): the x pixel of the atom at strip position k at time
// step i, for k = 0 .. 12 (12 is the atom just beyond the right edge, where
// the last spring ends) and i = 0 .. nT, with t = 32 i / nT.
class Record {
 public:
  // nT is at least 1.
  Record(int nT, float u, int origin);
  int nT() const { return nT_; }
  int origin() const { return origin_; }
  float u() const { return u_; }
  int at(int k, int i) const { return rec_[std::size_t(i) * (kAtoms + 1) + std::size_t(k)]; }
  // The time of step i: 32 i / nT.
  float time(int i) const;

 private:
  int nT_;
  float u_;
  int origin_;
  std::vector<int> rec_;
};

// The x pixels pos(0 .. 12) of one frame of the chain: row i of the record
// while the chain moves; at rest (the narration) every atom at equilibrium
// except atom 0, displaced by `displacement` (in units of u).
using Frame = std::array<float, kAtoms + 1>;
Frame MovingFrame(const Record& rec, int i);
Frame RestingFrame(const Record& rec, float displacement);

// ---- Springs -------------------------------------------------------------------

struct PathPoint {
  float x, y;
};
// Strokes of a spring, each a polyline.
using SpringStrokes = std::vector<std::vector<PathPoint>>;

// The spring from the atom at x pixel a to the atom at b, drawn at height yc,
// between stamps d + 1 pixels wide: a short straight piece out of the left
// atom, a coil of 3.5 turns in 100 segments whose loops widen with the free
// length between the atoms, and a straight piece into the right atom.  A
// spring compressed to a free length of 0.01 u or less is drawn as a
// vertical bar instead of a coil.
SpringStrokes SpringPath(float a, float b, float u, int d, float yc);
// The free length between two atoms: b - a - d - 0.2 u.
float FreeLength(float a, float b, float u, int d);

// ---- Texts -----------------------------------------------------------------------

// "Time： 12.5": at least one digit before the point, one after.
std::string TimeCaption(float t);
// The line that slides in while atom 0 is displaced.
std::string DisplaceLine(int origin);

}  // namespace springchain
