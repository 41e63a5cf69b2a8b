// The numbers behind the delta function lesson.  Plain C++, no Qt.
//
// The delta function is not a function one can draw: it is zero everywhere
// but at one point and still has area 1.  It is the limit of ordinary
// functions that grow ever taller and narrower around x = 0 while their area
// stays 1.  The lesson draws one such family,
//     y(x) = sin(L x) / (pi x),    y(0) = L / pi,
// for values of L the learner chooses.  The peak grows in proportion to L,
// its width shrinks as 1/L, and the area over [-1, 1],
//     (2 / pi) Si(L),
// tends to 1 as L grows (the ripples away from 0 do not die out in height,
// but they cancel ever faster, so that any smooth function integrated against
// y picks out its value at 0).
//
// A curve is sampled at x = -1 + k/1024, k = 0 .. 2048.  Every sample is a
// binary fraction, so x = -1, 0 and 1 are hit exactly and the peak is drawn at
// its full height.  The window draws a curve point by point at the pace of a
// clock; PointDue says when point k is due.
#pragma once

#include <array>
#include <vector>

#include "palette.h"

namespace spikelimit {

// ---- The curve ----------------------------------------------------------

// sin(L x) / (pi x); at x = 0 its limit L / pi.
double Spike(double L, double x);

struct PlotPoint {
  double x;
  double y;
};

constexpr int kLastIndex = 2048;
constexpr int kPoints = kLastIndex + 1;
// x of the k-th sample: -1 + k/1024.
double SampleX(int k);
PlotPoint SpikePoint(double L, int k);
std::vector<PlotPoint> SpikeCurve(double L);
// Seconds after the start of a curve at which point k is due: 2 (x + 1), so
// a whole curve takes 4 s.
double PointDue(int k);

// ---- Entries ------------------------------------------------------------

constexpr double kMinL = 10, kMaxL = 63;
constexpr double kFirstL = 10;

// An entry's verdict.  When accepted, value is the L to draw; when not, it is
// the nearer limit, which the dialog offers next.
struct Checked {
  bool accepted;
  double value;
};
// L must lie in [10, 63]; below (or not a number) offers 10, above offers 63.
Checked CheckL(double value);

// ---- The list of curves -------------------------------------------------

struct Curve {
  double L;
  lk::Color color;
};

// The curves drawn in one visit of section 2, each with its L and colour.
// It holds at most kCapacity curves, and fewer when the window has room for
// fewer rows.  A full list takes no more curves: the learner is comparing
// the ones drawn, and only a new visit of the section starts afresh.
class CurveList {
 public:
  static constexpr int kCapacity = 20;

  // room is how many rows the window can show (clamped to 1 .. kCapacity).
  bool Full(int room = kCapacity) const;
  // Stores a curve unless the list is full; false when it was.
  bool Add(double L, lk::Color color, int room = kCapacity);
  void Clear() { count_ = 0; }
  int Count() const { return count_; }
  // Entries 1 .. Count(), as the window numbers its rows.
  const Curve& At(int index) const { return items_[index - 1]; }

 private:
  std::array<Curve, kCapacity> items_{};
  int count_ = 0;
};

// Where row i (1-based) of the list goes when a column holds rowsPerColumn
// rows: column 0, 1, ... and the row within that column, 1-based.
struct ListSlot {
  int column;
  int row;
};
ListSlot PlaceInList(int i, int rowsPerColumn);

// ---- The frame of the section 2 plot ------------------------------------

constexpr double kPlotXMin = -1, kPlotXMax = 1, kPlotYMin = -5, kPlotYMax = 20;

// A tick on the x axis, from y = 0 up to y = top.
struct Tick {
  double x;
  double top;
};
// x = -0.9, -0.8, ..., 0.9; the ticks at +-0.5 are twice as long.
std::vector<Tick> XTicks();
constexpr std::array<double, 3> kYTicks = {5.0, 10.0, 15.0};

// ---- Modes of the window ------------------------------------------------

constexpr int kModeMenu = 0;
constexpr int kModeKink = 10, kModeStep = 11, kModeDelta = 12, kModeSummary = 13;
constexpr int kModeLimit = 20;

}  // namespace spikelimit
