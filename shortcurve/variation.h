// The numbers behind the variational problem lesson.  Plain C++, no Qt.
//
// The learner looks for the path y(x) from (0, 0) to a fixed end point that
// makes an integral functional smallest, by drawing polygons with the mouse.
// Two functionals are offered, both over 0 <= x <= 1 with y(0) = 0:
//   problem 1, "(2.28)":  I = integral of ( y'^2 + y^2 ) dx,     y(1) = 1;
//   problem 2, "追加問題": I = integral of ( y'^2 - 12 x y ) dx,  y(1) = 0.
// Their Euler-Lagrange equations y'' = y and y'' = -6x give the minimisers
//   y = sinh x / sinh 1  with the minimum coth 1 = 1.31304...,
//   y = x (1 - x^2)      with the minimum -0.8.
//
// A polygon is straight between its vertices, so the functional of a polygon
// is a sum of closed forms, one per segment: no quadrature, and the value the
// learner is shown is exact.
//
// A drawn path has room for kMaxSegments segments and a series for kMaxPaths
// paths; PathDraft and Series keep to those limits whatever the mouse does.
#pragma once

#include <string>
#include <vector>

namespace shortcurve {

// ---- The board -----------------------------------------------------------

// The world window of the board: the unit square with a margin of 0.2.
constexpr double kXMin = -0.2, kXMax = 1.2, kYMin = -0.2, kYMax = 1.2;
// Within this many board units (pixels) of the end point the pointer snaps
// onto it.
constexpr double kSnapRadius = 4.0;
// Narrower segments would be all but vertical; they are refused.
constexpr double kMinStep = 0.001;
// Room of one path and of one series.
constexpr int kMaxSegments = 20;
constexpr int kMaxPaths = 20;
// The end point's sound is heard at most once in this many seconds.
constexpr double kDingPause = 5.0;
// The minimiser is drawn from x = kCurveStep in steps of kCurveStep, one
// point every kCurveStep seconds: it grows over about one second.
constexpr double kCurveStep = 0.01;

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Board units (pixels) and world coordinates of a board of W x H units.
struct BoardMap {
  double W = 1, H = 1;
  int px(double x) const;
  int py(double y) const;
  double qx(double u) const;
  double qy(double v) const;
  // The snap radius in world units along x.
  double snapWorld() const { return (kXMax - kXMin) * kSnapRadius / W; }
};

// ---- The two problems ----------------------------------------------------

enum class Problem { Quadratic = 1, Extra = 2 };

// The fixed end of every path: (1, 1) or (1, 0).  The start is (0, 0).
Point EndPoint(Problem problem);

// The functional over the straight segment from (x0, y0) to (x1, y1), exact.
// The segment must not be vertical (x1 != x0).
double SegmentIntegral(Problem problem, double x0, double y0, double x1, double y1);

// The true minimiser y(x) and the smallest value of the functional.
double Minimiser(Problem problem, double x);
double Minimum(Problem problem);

// A value of the functional as the lesson prints it ("#0.#####").
std::string ValueText(double value);

// True when the pointer lies within the snap radius of the end point
// (|dx| + |dy|, in world units).
bool NearEnd(Problem problem, const BoardMap& map, Point pointer);

// Whether the pointer at p is recorded as a rubber-band point: inside the
// board and left of the end point.
bool Recordable(Problem problem, Point p);

// The points of the minimiser the lesson draws one by one after (0, 0).
std::vector<Point> MinimiserPoints(Problem problem);

// ---- A path being drawn --------------------------------------------------

// The vertices fixed so far (vertex 0 is the start), the pending
// rubber-band point, and the functional over the fixed segments.
class PathDraft {
 public:
  explicit PathDraft(Problem problem = Problem::Quadratic) : problem_(problem) { Reset(); }

  enum class Fixed { Refused, Added, Finished };

  void Reset();
  Problem problem() const { return problem_; }
  // k: index of the last fixed vertex (0: only the start).
  int k() const { return int(vertices_.size()) - 1; }
  const std::vector<Point>& vertices() const { return vertices_; }
  Point last() const { return vertices_.back(); }
  double I() const { return I_; }

  bool hasPending() const { return hasPending_; }
  Point pending() const { return pending_; }
  void SetPending(Point p);
  void ClearPending() { hasPending_ = false; pending_ = {}; }
  // True when something beyond the start exists (a pending or fixed point).
  bool started() const { return hasPending_ || k() > 0; }

  // Fixes the pending point as the next vertex.  A segment narrower than
  // kMinStep is refused.  When only one segment is left, the path is closed
  // at the end point instead, so that it never runs out of room.  Reaching
  // the end point finishes the path.
  Fixed FixPending();

 private:
  Problem problem_;
  std::vector<Point> vertices_;
  Point pending_;
  bool hasPending_ = false;
  double I_ = 0;
};

// ---- A series of paths ---------------------------------------------------

// The finished paths of a series, kept for repainting the board.
class Series {
 public:
  void Clear() { paths_.clear(); }
  bool full() const { return int(paths_.size()) >= kMaxPaths; }
  // Keeps a finished path; false (and nothing kept) when the series is full.
  bool Add(const std::vector<Point>& path);
  const std::vector<std::vector<Point>>& paths() const { return paths_; }
  int count() const { return int(paths_.size()); }

 private:
  std::vector<std::vector<Point>> paths_;
};

}  // namespace shortcurve
