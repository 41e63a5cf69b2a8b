// The numbers behind the Legendre polynomial lesson.  Plain C++, no Qt.
//
// Legendre polynomials P_n(x) are what is left of Laplace's equation on a
// sphere once the azimuth drops out: the zonal harmonics.  They are orthogonal
// on [-1, 1],
//     integral of P_m(x) P_n(x) dx = delta_mn / (n + 1/2),
// and we build them from P_0 = 1, P_1 = x with the three-term recurrence
//     i P_i(x) = (2i - 1) x P_(i-1)(x) - (i - 1) P_(i-2)(x),
// which is stable on [-1, 1] and exact at x = +-1 and 0 for the degrees the
// lesson draws.
//
// Completeness says that any reasonable function on [-1, 1] is a sum of P_n,
// or, in one line,
//     sum over n = 0 .. infinity of (n + 1/2) P_n(x) P_n(y) = delta(x - y).
// The lesson cannot add infinitely many terms, so it draws the partial sums
// S_N(x; y) for N = 10, 20, 40, 100 at a fixed y: each has area 1 under it,
// a peak at x = y that grows in proportion to N and narrows as 1/N, and ripples
// elsewhere that die away.  That is the delta function taking shape.
//
// The window draws curves point by point at the pace of a clock, so the grids
// below are given both as "the k-th point" and as whole curves, together with
// the time at which point k is due.  The entry checks take the decimal value of
// what was typed (any double, however large or odd) and say whether it is
// accepted and, when not, which value the dialog offers next.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "curvelist.h"
#include "palette.h"

namespace zonalpoly {

// ---- The polynomials and the partial sums -------------------------------

// P_n(x) by the recurrence.  A negative n gives 1 (no step is taken).  The
// cost grows linearly with n; the lesson stays at n <= 100.
double Legendre(int n, double x);

// S_N(x; y) = sum for i = 0 .. N of (i + 1/2) P_i(x) P_i(y), added from i = 0
// upward.  Each P_i is evaluated afresh, so one value costs O(N^2).  A
// negative N gives 0 (no term).
double PartialSum(int N, double x, double y);

// ---- Sampling grids -----------------------------------------------------

struct PlotPoint {
  double x;
  double y;
};

// Graphs of P_n: x = -1 + k/1024 for k = 0 .. 2048.  Every grid point is a
// binary fraction, so x = -1, 0, 1 are hit exactly.
constexpr int kGraphLastIndex = 2048;
constexpr int kGraphPoints = kGraphLastIndex + 1;
double GraphX(int k);
// The k-th point of the curve of P_n; the first one is (-1, (-1)^n).
PlotPoint GraphPoint(int n, int k);
std::vector<PlotPoint> GraphCurve(int n);
// Seconds after the start of the curve at which point k is due: a whole curve
// takes 4 s.
double GraphPointDue(int k);

// Partial sums: x = -1 + k/512 for k = 0 .. 1024, y fixed.
constexpr int kSumLastIndex = 1024;
constexpr int kSumPoints = kSumLastIndex + 1;
double SumX(int k);
PlotPoint SumPoint(int N, double y, int k);
std::vector<PlotPoint> SumCurve(int N, double y);
// A whole partial-sum curve takes 2 s.
double SumPointDue(int k);

// ---- Entries ------------------------------------------------------------

// An entry's verdict.  When accepted, value is the value to use; when not,
// value is what the dialog offers next.
template <class T>
struct Checked {
  bool accepted;
  T value;
};

constexpr int kMaxDegree = 20;
constexpr int kMinTerms = 10;
constexpr int kMaxTerms = 100;
constexpr double kPointOffer = 0.9;   // offered for |y| >= 1, with y's sign
constexpr double kPresetPoint = -0.25;
constexpr int kFirstTerms = 10;

// The degree: the value rounded to a whole number (halves to even) must lie
// in 0 .. 20.  Above 20 offers 20; below 0 (or not a number) offers 0.
Checked<int> CheckDegree(double value);
// The point y: |y| < 1; otherwise 0.9 with the entry's sign is offered.
Checked<double> CheckPoint(double value);
// The number of terms: rounded (halves to even) into 10 .. 100; below offers
// 10, above offers 100 (not a number offers 10).
Checked<int> CheckTerms(double value);
// The N offered after a curve: 10 -> 20 -> 40 -> 100; any other N stays.
int NextTerms(int N);

using lk::Curve;
using lk::CurveList;

// ---- Plot mappings ------------------------------------------------------

// The running modes of the window: below 20 the graph section's square plot,
// from 20 on the partial sums' tall plot.
constexpr int kModeIdle = 0, kModeGraphs = 10, kModeSums = 20, kModeAskPoint = 22,
              kModeAskTerms = 23;

// World to picture units, rounded to the nearest whole unit (halves to even).
// W and H are the scale width and height of the plot picture.
//   graphs: -1.005 .. 1.005 in both directions;
//   sums:   x -1.1 .. 1.12, y -6 .. 23.1 (1.2 x -5 and 1.05 x 22).
// Results beyond +-1e9 units are clamped there, so no value converts with
// undefined behaviour.
int px(int mode, double W, double x);
int py(int mode, double H, double y);

constexpr double kGraphRange = 1.005;
constexpr double kSumBoxBottom = -5.0, kSumBoxTop = 22.0;

// The dotted grid of the graph plot: -0.8, -0.6, ..., 0.8 reached in
// single-precision steps of 0.2, the one near 0 left out (the axis is there).
std::vector<double> GraphGridValues();

// The ticks on the x axis of the partial-sum plot, k = -9 .. 9, v = 0.1 k.
// A tick runs from y = top down to 0 (none at k = 0); label is empty or the
// text to print at x = labelX, y = kSumLabelY.  At k = 0 top is 0: only the
// label "0" is printed there.
struct AxisTick {
  double v;
  double top;
  std::string_view label;
  double labelX;
};
std::vector<AxisTick> SumXTicks();
constexpr double kSumLabelY = -0.4;
// The ticks on the y axis of the partial-sum plot.
constexpr std::array<double, 4> kSumYTicks = {5.0, 10.0, 15.0, 20.0};

}  // namespace zonalpoly
