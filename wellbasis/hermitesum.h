// The numbers behind the Hermite completeness lesson.  Plain C++, no Qt.
//
// The eigenfunctions of the harmonic oscillator (m = omega = hbar = 1),
//
//     u_n(x) = H_n(x) exp(-x^2/2) / sqrt(2^n n! sqrt(pi)),
//
// form a complete orthonormal set.  In one line that is
//
//     sum over n = 0 .. infinity of u_n(x) u_n(y) = delta(x - y).
//
// The lesson draws the partial sums S_N(x, y) for a fixed y and growing N:
// the peak at x = y grows like sqrt(N), narrows like 1/sqrt(N), and keeps an
// area of about one, while the ripples beside it fade.
//
// The sum is built from the Hermite recurrence H_n = 2 (x H_(n-1) - (n-1)
// H_(n-2)) together with the weight w_n = 1 / (2^n n!).  For N in the
// thousands H_n runs far beyond the double range while w_n runs far below it,
// although the products w_n H_n(x) H_n(y) stay of order one.  So whenever w_n
// falls below 1e-100 it is raised by 1e200 and the stored H values of both
// points are lowered by 1e-100: the products are unchanged and every factor
// stays representable.
#pragma once

#include <string>
#include <string_view>

namespace wellbasis {

// ---- Fixed values of the lesson -------------------------------------------

inline constexpr double kFirstPoint = -0.5;  // y offered first
inline constexpr int kFirstTerms = 100;      // N offered first
inline constexpr double kHalfWidth = 1.0;    // R: the sweep covers -1.1 R .. 1.12 R
inline constexpr double kValueTop = 22.0;    // V_max
inline constexpr double kValueBottom = -5.0; // V_min

// Entries.  |y| up to 2 is accepted; beyond, 1.9 with y's sign is offered.
// N runs from 100 to 5000; outside, the nearer end is offered.
inline constexpr double kPointLimit = 2.0;
inline constexpr double kPointOffer = 1.9;
inline constexpr int kMinTerms = 100;
inline constexpr int kMaxTerms = 5000;

// Rescaling of the recurrence.
inline constexpr double kWeightFloor = 1e-100;
inline constexpr double kWeightLift = 1e200;
inline constexpr double kHermiteDrop = 1e-100;

// ---- The partial sum -------------------------------------------------------

// S_N(x, y) = sum for n = 0 .. N of u_n(x) u_n(y), by the rescaled recurrence.
// A negative N gives 0 (no term).  For |x|, |y| up to a few units and N up
// to kMaxTerms the result neither overflows nor underflows.
double PartialSum(int N, double x, double y);

// ---- The sweep -------------------------------------------------------------

// One curve runs over x = -1.1 R + k R/512 while x <= 1.12 R.
inline constexpr double kSweepStart = -1.1 * kHalfWidth;
inline constexpr double kSweepEnd = 1.12 * kHalfWidth;
inline constexpr double kSweepStep = kHalfWidth / 512.0;
inline constexpr int kPointsPerTick = 8;  // at most, per timer tick

// The abscissa of point k of the sweep.  Computed from k rather than by
// adding steps, so the grid does not drift.
double SweepX(int k);
// The number of points of a sweep (the last one k = SweepPoints() - 1).
int SweepPoints();
// Seconds after the start of the sweep at which the point at x is due: x + R,
// so the whole sweep from -1.1 to 1.12 takes about 2.1 s on any machine.
double SweepDue(double x);

// ---- The plot --------------------------------------------------------------

// World to picture units, rounded to the nearest whole unit (halves to even),
// for a plot picture W wide and H high:
//   x from -1.1 R (left edge) to 1.12 R (right edge),
//   v from 1.2 V_min = -6 (bottom) to 1.05 V_max = 23.1 (top).
// Results beyond the int range are clamped, so no value converts with
// undefined behaviour.
int PlotX(double x, double W);
int PlotY(double v, double H);

// ---- Entries ---------------------------------------------------------------

// An entry's verdict.  When accepted, value is the value to use; when not,
// value is what the dialog offers next.
template <class T>
struct Checked {
  bool accepted;
  T value;
};

// The point y: |y| <= 2 is accepted; otherwise 1.9 with y's sign is offered.
Checked<double> CheckPoint(double value);
// The number of terms typed, rounded to a whole number: 100 .. 5000
// accepted; below offers 100, above offers 5000.
Checked<int> CheckTerms(std::string_view entry);

// The text the list shows for y: the shortest decimal text with a "0" before
// a leading point ("-0.5", "0.25", "1E-04").  Zero reads "0" (never "-0").
// The dialog proposes y in plain decimals (lk::PlainNumStr), which the
// learner can type and edit.
std::string PointText(double y);

// ---- The list of values ----------------------------------------------------

// Rows of the list run 0 .. kLastRow; after the last one the list goes on at
// row 1, below the first y, which stays in sight.
inline constexpr int kLastRow = 13;
int NextRow(int row);

}  // namespace wellbasis
