#include "variation.h"

#include <cmath>

#include "numtext.h"

namespace shortcurve {

namespace {
double Sq(double v) { return v * v; }
}  // namespace

// ---- The board -----------------------------------------------------------

int BoardMap::px(double x) const { return lk::CLng((x - kXMin) / (kXMax - kXMin) * W); }
int BoardMap::py(double y) const { return lk::CLng((kYMax - y) / (kYMax - kYMin) * H); }
double BoardMap::qx(double u) const { return kXMin + u / W * (kXMax - kXMin); }
double BoardMap::qy(double v) const { return kYMax - v / H * (kYMax - kYMin); }

// ---- The two problems ----------------------------------------------------

Point EndPoint(Problem problem) { return problem == Problem::Quadratic ? Point{1, 1} : Point{1, 0}; }

double SegmentIntegral(Problem problem, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0;
  const double s = (y1 - y0) / dx;
  if (problem == Problem::Quadratic) {
    // y^2 of a straight line integrates to dx (y0^2 + y0 y1 + y1^2) / 3.
    return ((y0 * y1 + Sq(y1) + Sq(y0)) / 3 + Sq(s)) * dx;
  }
  // 12 x y over the segment is dx (6 x0 (y0 + y1) + 2 dx (y0 + 2 y1)).
  return (Sq(s) - 2 * dx * (2 * y1 + y0) - 6 * x0 * (y0 + y1)) * dx;
}

double Minimiser(Problem problem, double x) {
  if (problem == Problem::Quadratic) return (std::exp(x) - std::exp(-x)) / (std::exp(1.0) - std::exp(-1.0));
  return x * (1 - x * x);
}

double Minimum(Problem problem) {
  if (problem == Problem::Quadratic) {
    const double e2 = std::exp(2.0);
    return (e2 + 1) / (e2 - 1);  // coth 1
  }
  return -0.8;
}

std::string ValueText(double value) { return lk::Format(value, "#0.#####"); }

bool NearEnd(Problem problem, const BoardMap& map, Point pointer) {
  const Point e = EndPoint(problem);
  return std::abs(pointer.y - e.y) + std::abs(pointer.x - e.x) < map.snapWorld();
}

bool Recordable(Problem problem, Point p) {
  return p.x > kXMin && p.y > kYMin && p.y < kYMax && p.x < EndPoint(problem).x;
}

std::vector<Point> MinimiserPoints(Problem problem) {
  const double xe = EndPoint(problem).x;
  std::vector<Point> points;
  // Counted in whole steps, so the last point is x = 1 however the steps add up.
  for (int i = 1; i * kCurveStep <= 1.00001 * xe; ++i) {
    const double x = i * kCurveStep;
    points.push_back({x, Minimiser(problem, x)});
  }
  return points;
}

// ---- A path being drawn --------------------------------------------------

void PathDraft::Reset() {
  vertices_.assign(1, Point{0, 0});
  ClearPending();
  I_ = 0;
}

void PathDraft::SetPending(Point p) {
  pending_ = p;
  hasPending_ = true;
}

PathDraft::Fixed PathDraft::FixPending() {
  if (!hasPending_) return Fixed::Refused;
  const Point end = EndPoint(problem_);
  // The last segment a path has room for must reach the end point.
  const Point next = k() + 1 >= kMaxSegments ? end : pending_;
  const Point from = last();
  if (std::abs(next.x - from.x) <= kMinStep) return Fixed::Refused;
  I_ += SegmentIntegral(problem_, from.x, from.y, next.x, next.y);
  vertices_.push_back(next);
  ClearPending();
  return next == end ? Fixed::Finished : Fixed::Added;
}

// ---- A series of paths ---------------------------------------------------

bool Series::Add(const std::vector<Point>& path) {
  if (full()) return false;
  paths_.push_back(path);
  return true;
}

}  // namespace shortcurve
