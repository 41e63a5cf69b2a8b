// The geometry and optics of the Fermat's principle lesson.  Plain C++, no Qt.
//
// A ray of light goes from P in air (index 1) to Q in water (index n).  The
// scene is the picture itself: x runs over [-a, a] and y over [-b, b] with
// a = 1 and b = H / W, so both axes have the same scale; P = (a, b) is the top
// right corner, Q = (-a, -b) the bottom left one, and the water surface is
// y = 0.  A path is known by the point x where it crosses the surface; its
// optical length is
//     l(x) = n S2(x) + S1(x),  S1 = |(x, 0) - P|,  S2 = |(x, 0) - Q|.
// Fermat's principle picks the x with dl/dx = 0, which is Snell's law
//     sin(theta1) = n sin(theta2),
// with the angles measured from the vertical in air and in water.  For n > 1
// that x lies in (-a, 0): the ray bends towards the normal in the water.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lightpath {

// ---- Fixed values of the lesson -------------------------------------------

constexpr double kHalfWidth = 1.0;  // a
// The refractive index the learner may choose, as the scroll bar holds it
// (index times 1000).
constexpr int kIndexMin = 1000, kIndexMax = 5000, kIndexDefault = 1330;
constexpr int kIndexSmallStep = 10, kIndexLargeStep = 200;
// The drag rule: the pointer counts only within this distance (world units)
// of the last accepted position and this many pixels of the surface line.
constexpr double kDragReach = 0.05;
constexpr int kSurfaceBand = 10;
// The trial path follows the drag only when it has moved this far.
constexpr double kTrialStep = 0.02;
// End shows the answer only when the trial differs this much from the last
// fixed path.
constexpr double kDistinctFromFixed = 0.01;
// Fixed paths the list holds.
constexpr int kMaxPaths = 100;
// The secant iteration stops on a step below this, or after so many steps.
constexpr double kRootTolerance = 1e-4;
constexpr int kMaxSecantSteps = 60;

// ---- The scene --------------------------------------------------------------

class Scene {
 public:
  // A picture of W x H pixels (at least 1 x 1) and water of index n.
  Scene(std::int32_t W, std::int32_t H, double n = 1.0);

  std::int32_t W() const { return W_; }
  std::int32_t H() const { return H_; }
  // The surface row in pixels: H \ 2.
  std::int32_t yline() const { return H_ / 2; }
  double a() const { return a_; }
  double b() const { return b_; }
  double n() const { return n_; }
  void setN(double n) { n_ = n; }

  // Lengths from the crossing point (x, 0) to P and to Q.
  double S1(double x) const;
  double S2(double x) const;
  // The optical path length n S2 + S1 and its derivative.
  double l(double x) const;
  double dLdx(double x) const;

  // World x to picture column, picture column to world x, world y to row;
  // rounding to the nearest integer with halves to even.
  std::int32_t px(double x) const;
  double qx(double X) const;
  std::int32_t py(double y) const;

  // The crossing point of least optical length, by the secant iteration on
  // dL/dx started at -0.2a and -0.3a.  The iteration is cut off after
  // kMaxSecantSteps steps or when it leaves the scene, and then bisection on
  // [-a, a], where dL/dx changes sign, finishes the job.
  double Exact() const;
  // The answer the lesson shows: the straight diagonal for n = 1, else Exact.
  double Answer() const;

 private:
  std::int32_t W_, H_;
  double a_ = kHalfWidth, b_;
  double n_;
};

// The three numbers of a result line, in units of the straight half-path
// sqrt(a^2 + b^2): the air part, the water part and their sum.
struct OpticalLength {
  double air, water, total;
};
OpticalLength ResultOf(const Scene& s, double x);
// A number of a result line: " 0.00000 " (a blank, five decimals, a blank).
std::string ResultText(double v);

// ---- The refractive index -------------------------------------------------

// The text the index box shows for a scroll bar value: "1.33" for 1330.
std::string IndexText(std::int32_t value);

// What the index box holds, read as a refractive index: its decimal value,
// clamped to the scroll bar's range 1 ... 5 (anything that is not a number
// reads as 0 and so gives 1), and the text the box should show for it: the
// text itself when it is just that number, else the shortest text of `n`, so
// that the box never shows an index other than the one in use.
struct IndexReading {
  double n;
  std::string text;
};
IndexReading ReadIndex(std::string_view text);
// The scroll bar value of an index (index times 1000, rounded, in range).
std::int32_t IndexValue(double n);

// ---- The trials --------------------------------------------------------------

// The drag rule: the pointer at picture pixel (X, Y) moves the crossing point
// only near the surface line and near the last accepted position xDrag.
// Returns true and the new position in `xm` when it does.
bool DragAccepted(const Scene& s, double xDrag, double X, double Y, double& xm);

// The fixed paths xs(1 .. count).  xs(0) = 2 lies off the scene: "no path yet".
class PathList {
 public:
  PathList() { Clear(); }
  void Clear();
  std::int32_t count() const { return count_; }
  bool full() const { return count_ >= kMaxPaths; }
  // xs(i) for i in 0 .. count.
  double at(std::int32_t i) const;
  double last() const { return xs_[count_]; }
  // Appends a path; false (and nothing written) once the list is full.
  bool Add(double x);

 private:
  double xs_[kMaxPaths + 1];
  std::int32_t count_ = 0;
};

}  // namespace lightpath
