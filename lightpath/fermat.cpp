#include "fermat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "numtext.h"

namespace lightpath {

namespace {

double Sq(double x) { return x * x; }

// Round half to even, clamped to the 32-bit range.
std::int32_t RoundPx(double v) { return lk::CLng(v); }

}  // namespace

Scene::Scene(std::int32_t W, std::int32_t H, double n)
    : W_(std::max<std::int32_t>(W, 1)), H_(std::max<std::int32_t>(H, 1)), n_(n) {
  b_ = double(H_) / double(W_);
}

double Scene::S1(double x) const { return std::sqrt(Sq(x - a_) + Sq(b_)); }
double Scene::S2(double x) const { return std::sqrt(Sq(x + a_) + Sq(b_)); }
double Scene::l(double x) const { return n_ * S2(x) + S1(x); }
double Scene::dLdx(double x) const { return n_ * (x + a_) / S2(x) + (x - a_) / S1(x); }

std::int32_t Scene::px(double x) const { return RoundPx((x / a_ + 1) * W_ / 2); }
double Scene::qx(double X) const { return (2 * X / W_ - 1) * a_; }
std::int32_t Scene::py(double y) const { return RoundPx((1 - y / b_) * H_ / 2); }

double Scene::Exact() const {
  auto f = [this](double x) { return dLdx(x); };
  double x0 = -0.2 * a_, x1 = -0.3 * a_;
  double f0 = f(x0), f1 = f(x1);
  double delta = (x0 - x1) * f0 / (f0 - f1);
  double x = x0 - delta;
  // The secant steps, each keeping the better of the two points.  Near n = 1
  // the two values can agree and the step is undefined; a step count bounds
  // the rest.
  for (int step = 0; step < kMaxSecantSteps && std::isfinite(x); ++step) {
    if (std::fabs(delta) < kRootTolerance) {
      if (std::fabs(x) <= a_) return x;
      break;
    }
    if (std::fabs(f1) > std::fabs(f0)) {
      x1 = x;
      f1 = f(x);
    } else {
      x0 = x;
      f0 = f(x);
    }
    delta = (x0 - x1) * f0 / (f0 - f1);
    x = x0 - delta;
  }
  // dL/dx rises from -2a/S1(-a) < 0 to 2na/S2(a) > 0: bisection cannot miss.
  double lo = -a_, hi = a_;
  while (hi - lo > 0.1 * kRootTolerance) {
    const double mid = 0.5 * (lo + hi);
    (f(mid) < 0 ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

double Scene::Answer() const { return n_ == 1.0 ? 0.0 : Exact(); }

OpticalLength ResultOf(const Scene& s, double x) {
  const double L0 = std::sqrt(Sq(s.a()) + Sq(s.b()));
  const double air = s.S1(x) / L0, water = s.n() * s.S2(x) / L0;
  return {air, water, air + water};
}

std::string ResultText(double v) { return lk::Format(v, " 0.00000 "); }

std::string IndexText(std::int32_t value) { return lk::NumStr(value / 1000.0); }

IndexReading ReadIndex(std::string_view text) {
  const double n = std::clamp(lk::Val(text), kIndexMin / 1000.0, kIndexMax / 1000.0);
  // A text that is all one number, and the number in use, stays as typed
  // ("2.0" is not rewritten as "2").
  const std::string t = lk::Trim(text);
  double whole = 0;
  const auto [end, err] = std::from_chars(t.data(), t.data() + t.size(), whole);
  if (!t.empty() && err == std::errc() && end == t.data() + t.size() && whole == n)
    return {n, std::string(text)};
  return {n, lk::NumStr(n)};
}

std::int32_t IndexValue(double n) {
  return std::clamp(lk::CLng(n * 1000.0), kIndexMin, kIndexMax);
}

bool DragAccepted(const Scene& s, double xDrag, double X, double Y, double& xm) {
  const double x = s.qx(X);
  if (!(std::fabs(x - xDrag) < kDragReach && std::fabs(Y - s.yline()) < kSurfaceBand)) return false;
  xm = x;
  return true;
}

void PathList::Clear() {
  std::fill(std::begin(xs_), std::end(xs_), 0.0);
  xs_[0] = 2.0;
  count_ = 0;
}

double PathList::at(std::int32_t i) const { return xs_[std::clamp(i, 0, count_)]; }

bool PathList::Add(double x) {
  if (full()) return false;
  xs_[++count_] = x;
  return true;
}

}  // namespace lightpath
