#include "orbit.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "bessel.h"
#include "fft.h"
#include "numtext.h"

namespace orbitspectrum {

namespace {

bool IsPowerOfTwo(int n) { return n >= 2 && (n & (n - 1)) == 0; }

template <typename Int>
Int RoundClamped(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // default rounding: halves to even
  if (r <= std::numeric_limits<Int>::min()) return std::numeric_limits<Int>::min();
  if (r >= std::numeric_limits<Int>::max()) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

}  // namespace

double Pi() { return 4.0 * std::atan(1.0); }

// ---- Eccentricity entry ------------------------------------------------------

EccentricityCheck CheckEccentricity(double e) {
  if (e > kMaxEccentricity) return {false, kMaxEccentricity};
  if (!(e >= 0.0)) return {false, 0.0};
  return {true, e};
}

std::string EccentricityText(double e) { return lk::LeadZero(lk::NumStr(e)); }

// ---- Orbit -------------------------------------------------------------------

OrbitShape MakeShape(double e, double a) {
  if (!(std::fabs(e) < 1.0) || !(a > 0.0))
    throw std::domain_error("an orbit needs |e| < 1 and a > 0");
  OrbitShape s;
  s.a = a;
  s.e = e;
  s.b = a * std::sqrt(1.0 - e * e);
  s.p = s.b * s.b / a;
  return s;
}

OrbitSample PointAtAngle(const OrbitShape& s, double theta) {
  OrbitSample out;
  out.theta = theta;
  out.r = s.p / (1.0 - s.e * std::cos(theta));
  out.x = out.r * std::cos(theta) - s.a * s.e;
  out.y = out.r * std::sin(theta);
  return out;
}

Orbit::Orbit(double e, int n, double a) : shape_(MakeShape(e, a)), n_(n) {
  if (!IsPowerOfTwo(n)) throw std::invalid_argument("the sample count must be a power of two");
  const double ratio = shape_.a / shape_.b;
  delta_ = ratio * ratio * ratio * 2.0 * Pi() / n_;
  w_ = 1.0 - shape_.e;
  current_ = start();
  data_.assign(2 * static_cast<std::size_t>(n_) + 1, 0.0);
  data_[0] = current_.r;
}

OrbitSample Orbit::start() const {
  OrbitSample s;
  s.r = (shape_.e + 1.0) * shape_.a;
  s.x = s.r - shape_.a * shape_.e;  // = a, the aphelion
  return s;
}

const OrbitSample& Orbit::Step() {
  if (done()) throw std::logic_error("the period is already complete");
  const double e = shape_.e;
  // Midpoint rule on dtheta/dt = (a/b)^3 (1 - e cos theta)^2, w = 1 - e cos theta.
  const double thetaMid = current_.theta + (delta_ / 2) * w_ * w_;
  const double wMid = 1.0 - e * std::cos(thetaMid);
  const double theta = current_.theta + delta_ * wMid * wMid;
  w_ = 1.0 - e * std::cos(theta);

  OrbitSample& s = current_;
  s.i += 1;
  s.theta = theta;
  s.r = shape_.p / w_;
  s.x = s.r * std::cos(theta) - shape_.a * e;
  s.y = s.r * std::sin(theta);
  data_[2 * static_cast<std::size_t>(s.i)] = s.r;
  return s;
}

void Orbit::Run() {
  while (!done()) Step();
}

// ---- Fourier analysis and theory ---------------------------------------------

std::vector<double> MakeTable(int n) {
  std::vector<double> table(n / 4 + 1, 0.0);
  lk::MakeSinTable(n, table);
  return table;
}

void FourierTransform(std::vector<double>& data, const std::vector<double>& table, int n) {
  if (!IsPowerOfTwo(n)) throw std::invalid_argument("the sample count must be a power of two");
  if (data.size() < 2 * static_cast<std::size_t>(n) || table.size() < static_cast<std::size_t>(n / 4 + 1))
    throw std::invalid_argument("FFT arrays too short for the sample count");
  lk::FFT(n, data, table, kFftDirection);
}

Coefficients FourierCoefficients(const std::vector<double>& transformed) {
  if (transformed.size() < 2 * kCoefficients - 1)
    throw std::invalid_argument("transformed array too short");
  Coefficients c{};
  c[0] = transformed[0];
  for (int n = 1; n < kCoefficients; ++n) c[n] = 2.0 * transformed[2 * n];
  return c;
}

Coefficients TheoryCoefficients(double e, double a) {
  Coefficients theory{};
  theory[0] = a * (1.0 + e * e / 2.0);
  if (e == 0.0) return theory;
  for (int n = 1; n < kCoefficients; ++n) {
    const BesselArray j = BesselJ(n * e);
    double value = (j(n - 1) - j(n + 1)) * a * e / n;
    if (n % 2 == 0) value = -value;
    theory[n] = value;
  }
  return theory;
}

Coefficients Differences(const Coefficients& c, const Coefficients& theory) {
  Coefficients d{};
  for (int n = 0; n < kCoefficients; ++n) d[n] = c[n] - theory[n];
  return d;
}

bool ShiftsForSign(double value) { return !(value < -0.0000049); }

// ---- Pixel mappings -----------------------------------------------------------

std::int16_t ToPixel16(double v) { return RoundClamped<std::int16_t>(v); }
std::int32_t ToPixel32(double v) { return RoundClamped<std::int32_t>(v); }

OrbitFigure::OrbitFigure(double xmax, double ymax, double width, double height)
    : xmax_(xmax), ymax_(ymax), width_(width), height_(height) {}

OrbitFigure::OrbitFigure(const OrbitShape& s, double width, double height)
    : xmax_(1.1 * s.a), ymax_(1.1 * s.b), width_(width), height_(height) {
  if (s.b / s.a >= height / width)
    xmax_ = ymax_ * width / height;
  else
    ymax_ = xmax_ * height / width;
}

OrbitFigure OrbitFigure::ForIntroduction(double a, double width, double height) {
  const double xmax = 1.1 * a;
  return OrbitFigure(xmax, xmax * height / width, width, height);
}

double OrbitFigure::FigXValue(double x) const { return (x / xmax_ + 1.0) * width_ / 2.0; }
double OrbitFigure::FigYValue(double y) const { return (1.0 - y / ymax_) * height_ / 2.0; }
std::int16_t OrbitFigure::figX(double x) const { return ToPixel16(FigXValue(x)); }
std::int16_t OrbitFigure::figY(double y) const { return ToPixel16(FigYValue(y)); }
std::int32_t OrbitFigure::px(double x) const { return ToPixel32(FigXValue(x)); }
std::int32_t OrbitFigure::py(double y) const { return ToPixel32(FigYValue(y)); }

OrbitGraph::OrbitGraph(const OrbitShape& s, int n, double width, double height)
    : n_(n),
      rmax_((std::fabs(s.e) + 1.0) * s.a),
      rmin_((1.0 - std::fabs(s.e)) * s.a),
      width_(width),
      height_(height) {}

std::int16_t OrbitGraph::grphX(double sampleIndex) const {
  return ToPixel16((sampleIndex + 0.07 * n_) / (1.17 * n_) * width_);
}

std::int16_t OrbitGraph::grphY(double value) const {
  return ToPixel16((1.15 * rmax_ - value) / (1.3 * rmax_) * height_);
}

double OrbitGraph::ThetaValue(double theta) const { return theta / (2.0 * Pi()) * rmax_; }

std::vector<double> OrbitGraph::Levels() const {
  std::vector<double> levels;
  if (!(rmax_ > rmin_)) return levels;
  const double step = (rmax_ - rmin_) / 2.0;
  for (int k = 0;; ++k) {
    const double level = rmin_ + k * step;
    if (level > rmax_ + 0.001) break;
    levels.push_back(level);
  }
  return levels;
}

// ---- Pacing --------------------------------------------------------------------

double StepDeadline(int i, int n) { return kSecondsPerPeriod * i / n; }
double RowDeadline(int k) { return kRowSeconds * k; }

// ---- The introduction's animated planet ----------------------------------------

DemoPlanet::DemoPlanet()
    : shape_(MakeShape(kEccentricity)), angle_(Pi() / 6.0), startAngle_(Pi() / 6.0) {}

OrbitSample DemoPlanet::Position() const { return PointAtAngle(shape_, angle_); }

bool DemoPlanet::Advance() {
  const double r = Position().r;
  angle_ += kAngularMomentum / (r * r);
  ++trailCount_;
  if (angle_ > startAngle_ + 2.0 * Pi()) {
    trailCount_ = 0;
    startAngle_ += 2.0 * Pi();
    return true;
  }
  return false;
}

}  // namespace orbitspectrum
