// The numbers of the planetary-orbit lesson.  Plain C++, no Qt.
//
// A planet moves on a Kepler ellipse with the Sun in one focus.  We measure
// the polar angle theta from the aphelion, so the orbit reads
//     r = p / (1 - e cos theta),     p = b^2 / a,  b = a sqrt(1 - e^2),
// and choose units with a = 1 and the period T = 2 pi (mean motion 1, GM = 1).
// Conservation of angular momentum r^2 dtheta/dt = sqrt(p) then gives
//     dtheta/dt = (a/b)^3 (1 - e cos theta)^2,
// which we integrate over exactly one period with the second-order
// Runge-Kutta (midpoint) rule in N = 2048 equal time steps, recording r(t).
//
// r(t) is periodic and even about the aphelion passage, so it is a cosine
// series r(t) = sum c_n cos(2 pi n t / T).  The FFT of the samples gives the
// c_n; Bessel's theory gives them in closed form through the mean anomaly,
//     c_0 = a (1 + e^2/2),   c_n = (-1)^(n+1) (2 a e / n) J'_n(n e),
// where the sign (-1)^n appears because our clock starts at the aphelion, half
// a period after the perihelion from which the mean anomaly is counted.  The
// lesson puts the two side by side for n = 0 .. 8.
//
// Besides the arithmetic, this file holds what a window needs to draw the
// run: the acceptance of an entered eccentricity, the pixel mappings of the
// orbit figure and of the r(t), theta(t) graph, the clock targets of the
// paced animation, and the planet of the introduction's small animation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orbitspectrum {

// ---- Constants of the lesson -------------------------------------------------

constexpr int kSamples = 2048;                // N, time samples per period
constexpr double kSemiMajor = 1.0;            // a
constexpr double kInitialEccentricity = 0.7;  // shown in the first dialog
constexpr double kMaxEccentricity = 0.9;      // larger entries are refused
constexpr int kCoefficients = 9;              // c_0 .. c_8 are compared
constexpr int kFftDirection = 2;              // +i exponent, scaled by 1/N

// The number-entry dialog: its value range and its scroll bar, whose
// position is 100 e (the dialog steps it by 1 and by 10).
constexpr double kDialogMin = 0.0;
constexpr double kDialogMax = 0.95;
constexpr int kScrollMin = 0, kScrollMax = 95;

// Pacing of the run.
constexpr double kSecondsPerPeriod = 12.0;  // one orbit animation
constexpr double kRowSeconds = 0.25;        // between rows of the results table
constexpr double kWaitSeconds = 4.0, kFastWaitSeconds = 0.5;
constexpr int kTimerMs = 50;                // introduction animation tick

using Coefficients = std::array<double, kCoefficients>;

// pi as the lesson computes it, 4 arctan 1.
double Pi();

// ---- Eccentricity entry ------------------------------------------------------

// Whether an entered eccentricity is taken; when it is not, the window plays
// its ding and opens the dialog again with `proposal`.
struct EccentricityCheck {
  bool accepted = false;
  double proposal = 0.0;
};
// Accepted: 0 <= e <= 0.9.  Above 0.9 the proposal is 0.9.  A negative value
// cannot be typed (the dialog refuses the minus sign); should one arrive
// anyway, it is refused with the proposal 0.
EccentricityCheck CheckEccentricity(double e);
// e as the dialog proposes it and the orbit figure labels it: the shortest
// decimal text with a "0" before a leading point ("0.7", not ".7").
std::string EccentricityText(double e);

// ---- Orbit -------------------------------------------------------------------

struct OrbitShape {
  double a = kSemiMajor;
  double e = 0.0;
  double b = kSemiMajor;  // semi-minor axis
  double p = kSemiMajor;  // semi-latus rectum
};
// a, b = a sqrt(1 - e^2), p = b^2 / a.  Throws std::domain_error unless
// |e| < 1 and a > 0 (no ellipse otherwise).
OrbitShape MakeShape(double e, double a = kSemiMajor);

// One sample of the integrated motion.
struct OrbitSample {
  int i = 0;          // step number, 0 .. N
  double theta = 0;   // polar angle from the aphelion, seen from the Sun
  double r = 0;       // distance from the Sun
  double x = 0, y = 0;  // position with the ellipse's centre at the origin
};

// The integration of one period, step by step so that a window can draw each
// step as it comes.  data() is the FFT array: 2N+1 entries, the real part of
// sample i at index 2i (r(t_i), t_i = 2 pi i / N), imaginary parts 0.  Sample N
// closes the period and is stored, but the transform reads samples 0 .. N-1.
class Orbit {
 public:
  // Set-up: theta = 0, sample 0 at the aphelion with r = a (1 + e).  n must be
  // a power of two, at least 2 (std::invalid_argument otherwise); |e| < 1.
  explicit Orbit(double e, int n = kSamples, double a = kSemiMajor);

  // Advances one time step 2 pi / N (the next i), stores r and returns the
  // new sample.  Must not be called once done().
  const OrbitSample& Step();
  // Runs the remaining steps at once.
  void Run();

  bool done() const { return current_.i == n_; }
  int n() const { return n_; }
  const OrbitShape& shape() const { return shape_; }
  // Sample 0, where the drawing starts.
  OrbitSample start() const;
  // The latest sample (sample 0 before the first step).
  const OrbitSample& current() const { return current_; }
  // theta after the N steps minus 2 pi, the closure error of the angle.
  // Meaningful once done().
  double ThetaError() const { return current_.theta - 2 * Pi(); }

  const std::vector<double>& data() const { return data_; }
  std::vector<double>& data() { return data_; }

 private:
  OrbitShape shape_;
  int n_;
  double delta_;  // (a/b)^3 * 2 pi / N
  double w_;      // 1 - e cos theta at the current angle
  OrbitSample current_;
  std::vector<double> data_;
};

// The point of the ellipse at polar angle theta from the aphelion: r and the
// position with the centre at the origin (the Sun at (-a e, 0)).
OrbitSample PointAtAngle(const OrbitShape& s, double theta);

// ---- Fourier analysis and theory ---------------------------------------------

// The sine table of the lesson's transform (N/4 + 1 entries), built once.
std::vector<double> MakeTable(int n = kSamples);

// X_k = (1/N) sum_j r_j exp(+2 pi i j k / N) in place over data[0 .. 2N-1],
// with the toolkit FFT.  Throws std::invalid_argument when data or table is
// too short for n.
void FourierTransform(std::vector<double>& data, const std::vector<double>& table,
                      int n = kSamples);

// c_0 = Re X_0, c_n = 2 Re X_n (n = 1 .. 8) from the transformed array.
Coefficients FourierCoefficients(const std::vector<double>& transformed);

// Bessel's values: theory(0) = a (1 + e^2/2) and, for e != 0,
// theory(n) = (J_{n-1}(ne) - J_{n+1}(ne)) a e / n, negated for even n.
Coefficients TheoryCoefficients(double e, double a = kSemiMajor);

// c_n - theory(n), the last column of the table.
Coefficients Differences(const Coefficients& c, const Coefficients& theory);

// A table value is printed one character further right to leave room for a
// sign it does not have; values that will show as negative at five decimals
// take no shift.
bool ShiftsForSign(double value);

// ---- Pixel mappings -----------------------------------------------------------

// Orbit figure of W x H pixels: the centre of the ellipse in the middle, equal
// scales on both axes, the ellipse with 10 % margin in the tighter direction.
class OrbitFigure {
 public:
  // The run's figure: xmax = 1.1 a, ymax = 1.1 b, one of them widened so that
  // both axes have the same scale.
  OrbitFigure(const OrbitShape& s, double width, double height);
  // The introduction's figures: xmax = 1.1 a, ymax = xmax H / W.
  static OrbitFigure ForIntroduction(double a, double width, double height);

  std::int16_t figX(double x) const;
  std::int16_t figY(double y) const;
  // The same mappings as 32-bit integers, as the introduction uses them.
  std::int32_t px(double x) const;
  std::int32_t py(double y) const;
  // A length of the orbit plane in pixels (unrounded).
  double Pixels(double length) const { return length * width_ / (2 * xmax_); }

  double xmax() const { return xmax_; }
  double ymax() const { return ymax_; }

 private:
  OrbitFigure(double xmax, double ymax, double width, double height);
  double FigXValue(double x) const;
  double FigYValue(double y) const;
  double xmax_, ymax_, width_, height_;
};

// The r(t), theta(t) graph of W x H pixels: time as a sample index from
// -0.07 N to 1.1 N, values from -0.15 rmax to 1.15 rmax.
class OrbitGraph {
 public:
  OrbitGraph(const OrbitShape& s, int n, double width, double height);

  std::int16_t grphX(double sampleIndex) const;
  std::int16_t grphY(double value) const;
  // theta drawn on the r scale: 2 pi lands at rmax.
  double ThetaValue(double theta) const;

  double rmax() const { return rmax_; }
  double rmin() const { return rmin_; }
  // The dotted levels rmin, a, rmax (rmin + k (rmax - rmin)/2 up to rmax);
  // none for a circle, where rmax = rmin.
  std::vector<double> Levels() const;

 private:
  int n_;
  double rmax_, rmin_, width_, height_;
};

// Converts a pixel coordinate to a 16-bit integer: nearest, halves to even,
// clamped to the type's range (NaN gives 0).
std::int16_t ToPixel16(double v);
std::int32_t ToPixel32(double v);

// ---- Pacing --------------------------------------------------------------------

// Seconds after the start of the integration at which step i of n may be
// drawn, so that one period takes 12 s.
double StepDeadline(int i, int n = kSamples);
// Seconds after the first row at which row k of the results table appears.
double RowDeadline(int k);

// ---- The introduction's animated planet ----------------------------------------

// The small animation of the introduction: e = 0.7, the angle advancing by
// h / r^2 per tick (equal areas in equal times), a fresh trail each
// revolution.
class DemoPlanet {
 public:
  static constexpr double kEccentricity = 0.7;
  static constexpr double kAngularMomentum = 0.0234375;  // h
  static constexpr int kTrailCapacity = 4096;

  DemoPlanet();
  const OrbitShape& shape() const { return shape_; }
  double angle() const { return angle_; }
  // The planet at the current angle.
  OrbitSample Position() const;
  // The trail index of the current position (0 at the start of a revolution).
  int trailCount() const { return trailCount_; }
  // One tick: angle += h / r^2 and the trail grows by one point; returns true
  // when that completed a revolution, the trail then starting afresh.
  bool Advance();

 private:
  OrbitShape shape_;
  double angle_, startAngle_;
  int trailCount_ = 0;
};

}  // namespace orbitspectrum
