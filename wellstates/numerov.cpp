#include "numerov.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "numtext.h"

namespace wellstates {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

double potentialTerm(double x, double energy) { return x * x - 2.0 * energy; }

double startPsi(double x, double energy) {
  if (!(energy > 0.0) || x == 0.0) return kNaN;
  // ln(2/E) written as ln 2 - ln E: for the smallest energies 2/E would
  // overflow to infinity, while E k itself stays tiny.
  const double k = (std::log(2.0) - std::log(energy) + 1.0) / 2.0;
  return std::exp(-x * x / 2.0 + (std::log(std::fabs(x)) + k) * energy);
}

double rangeEnd(double energy) { return std::sqrt(2.0 * energy) + 2.5; }

double baseline(double energy) { return double(lk::CInt(energy + 0.5)) - 0.5; }

double numerovNext(double fPrev, double psiPrev, double fCur, double psiCur, double fNext) {
  return ((kC2 * fCur + 2.0) * psiCur - (1.0 - kC1 * fPrev) * psiPrev) / (1.0 - kC1 * fNext);
}

// ---------------------------------------------------------------------------

NumerovSweep::NumerovSweep(double energy)
    : energy_(energy), xm_(0.0), baseline_(0.0), first_{}, second_{}, divergenceX_(kNaN) {
  if (!checkEnergy(energy).accepted()) {
    throw std::invalid_argument("NumerovSweep: energy outside 0 < E <= E_max");
  }
  xm_ = wellstates::rangeEnd(energy);
  baseline_ = wellstates::baseline(energy);
  // The start function is even, so its value at x_m serves for -x_m.
  const double x0 = -xm_;
  const double x1 = -xm_ + kStep;
  psiPrev_ = startPsi(xm_, energy);
  fPrev_ = potentialTerm(x0, energy);
  psiCur_ = startPsi(x1, energy);
  fCur_ = potentialTerm(x1, energy);
  first_ = point(x0, psiPrev_);
  second_ = point(x1, psiCur_);
}

SweepPoint NumerovSweep::point(double x, double psi) const {
  return {x, psi, baseline_ + kPsiScale * psi};
}

std::optional<SweepPoint> NumerovSweep::next() {
  if (state_ != State::Running) return std::nullopt;
  started_ = true;
  // The abscissa from its index rather than by adding h again and again, so
  // that rounding does not creep along 1800 steps.
  const double x = -xm_ + index_ * kStep;
  if (x > xm_) {
    state_ = State::Finished;
    return std::nullopt;
  }
  const double fNext = potentialTerm(x, energy_);
  const double psiNext = numerovNext(fPrev_, psiPrev_, fCur_, psiCur_, fNext);
  // Written so that a NaN counts as diverged too.
  if (!(std::fabs(kPsiScale * psiNext) <= kDivergenceBound)) {
    state_ = State::Diverged;
    divergence_ = psiNext < 0.0 ? Divergence::Downward : Divergence::Upward;
    divergenceX_ = x;
    return std::nullopt;
  }
  fPrev_ = fCur_;
  psiPrev_ = psiCur_;
  fCur_ = fNext;
  psiCur_ = psiNext;
  ++index_;
  return point(x, psiNext);
}

double NumerovSweep::dueTime(double x) const { return (x + xm_) / xm_ * (kSweepSeconds / 2.0); }

std::vector<SweepPoint> NumerovSweep::run() {
  std::vector<SweepPoint> points;
  if (!started_) {
    points.push_back(first_);
    points.push_back(second_);
  }
  while (auto p = next()) points.push_back(*p);
  return points;
}

// ---------------------------------------------------------------------------

EnergyEntry checkEnergy(double energy) {
  if (!(energy > 0.0)) {
    // The start function needs ln E, so zero and below cannot be tried.  The
    // ground state is offered instead: no energy below it can be an
    // eigenvalue, and it is the nearest one that can.
    return {energy, EnergyVerdict::NotPositive, kLowestLevel};
  }
  if (energy > kEnergyTop) return {energy, EnergyVerdict::AboveTop, kEnergyTop};
  return {energy, EnergyVerdict::Accepted, energy};
}

EnergyEntry readEnergy(std::string_view text) { return checkEnergy(lk::Val(text)); }

std::string energyText(double energy) { return lk::LeadZero(lk::NumStr(energy)); }

// ---------------------------------------------------------------------------

double columnX(int i, int width) {
  return 2.75 * kHalfWidth * i / width - 1.3 * kHalfWidth - 2.2;
}

double potentialTop(double x) { return std::min(kEnergyTop, x * x / 2.0); }

std::vector<double> levelEnergies() {
  std::vector<double> levels;
  const int top = lk::CLng(kEnergyTop - 1.0);
  for (int n = 0; n <= top; ++n) levels.push_back(n + 0.5);
  return levels;
}

double turningPoint(double level) { return std::sqrt(2.0 * level); }

std::vector<CurvePoint> potentialBranch(int direction) {
  const double step = (direction < 0 ? -1.0 : 1.0) * kHalfWidth / 200.0;
  std::vector<CurvePoint> points;
  for (int j = 0;; ++j) {
    const double x = j * step;
    const double v = x * x / 2.0;
    if (!(std::fabs(x) < kHalfWidth) || v > kEnergyTop) break;
    points.push_back({x, v});
  }
  return points;
}

}  // namespace wellstates
