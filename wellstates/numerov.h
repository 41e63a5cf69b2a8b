// The numbers behind the oscillator eigenstate lesson.  Plain C++, no Qt.
//
// In units with m = omega = hbar = 1 the stationary Schroedinger equation of
// the harmonic oscillator reads
//
//     psi''(x) = f(x) psi(x),   f(x) = x^2 - 2E.
//
// For almost every E its solutions grow like exp(+x^2/2) at one end or the
// other; only at E = n + 1/2 is there a solution that decays on both sides,
// the Hermite function H_n(x) exp(-x^2/2).  The lesson lets the learner find
// those energies by trial: it starts a solution that decays to the left, far
// out in the forbidden region, and integrates it to the right.  If E is not an
// eigenvalue the growing solution takes over beyond the right turning point
// and the curve shoots off upward or downward; which way it goes flips as E
// crosses an eigenvalue.
//
// The start values come from the shape of the tail, psi ~ |x|^E exp(-x^2/2),
// scaled by exp(kE) with k = (ln(2/E) + 1)/2 so that the start function peaks
// at x = sqrt(E) with the value 2^(E/2): the curve starts at a size that reads
// well on the plot for every energy.  The integrator is Numerov's three-point
// formula, exact to order h^6 per step for equations of the form psi'' = f psi:
//
//     (1 - h^2/12 f[i+1]) psi[i+1]
//         = 2 (1 + 5h^2/12 f[i]) psi[i] - (1 - h^2/12 f[i-1]) psi[i-1].
//
// The window draws the curve point by point while it is computed, at a pace
// that makes each sweep take two seconds; NumerovSweep hands out one point per
// call for that purpose.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wellstates {

// Fixed values of the lesson.
inline constexpr double kDefaultEnergy = 1.48;  // first energy offered
inline constexpr double kHalfWidth = 6.0;       // L: x axis from -L to +L
inline constexpr double kEnergyTop = 10.0;      // E_max: top of the energy axis and of the range
inline constexpr double kPsiScale = 1.0;        // s: plotted height of psi
inline constexpr double kStep = 1.0 / 128.0;    // h
inline constexpr double kC1 = kStep * kStep / 12.0;
inline constexpr double kC2 = 10.0 * kC1;       // 5 h^2 / 6
inline constexpr double kDivergenceBound = 2.0 * kEnergyTop;  // |s psi| beyond it ends a sweep
inline constexpr double kLowestLevel = 0.5;     // offered when an energy is not positive
inline constexpr double kSweepSeconds = 2.0;    // one sweep from -x_m to +x_m
inline constexpr int kStepsPerTick = 8;         // Numerov steps per timer tick at most

// ---------------------------------------------------------------------------
// The equation and its integrator.

// f(x) = x^2 - 2E, the coefficient of psi'' = f psi.
double potentialTerm(double x, double energy);

// The start function exp(-x^2/2 + (ln|x| + k) E), k = (ln(2/E) + 1)/2.
// Needs E > 0 and x != 0; returns NaN otherwise rather than taking the
// logarithm of something that is not positive.
double startPsi(double x, double energy);

// x_m = sqrt(2E) + 2.5: the sweep runs from -x_m to +x_m, 2.5 beyond the
// classical turning points, far enough for the tail to have died away.
double rangeEnd(double energy);

// b = CInt(E + 0.5) - 0.5: the level n + 1/2 the curve is drawn around (halves
// round to even, so E = 1.0 gives 1.5 and E = 0.5 gives 0.5).
double baseline(double energy);

// One Numerov step: psi at the next point from the two before it and the
// values of f at the three points.
double numerovNext(double fPrev, double psiPrev, double fCur, double psiCur, double fNext);

// A point of the curve: abscissa, wave function, and the height it is
// plotted at (baseline + s psi).
struct SweepPoint {
  double x;
  double psi;
  double y;
};

// One trial: integrates from -x_m to +x_m for one energy, one point per call
// of next(), so that the window can draw and pace as the points come.
//
//   NumerovSweep sweep(E);
//   line from sweep.second() to sweep.first();  start the clock
//   while (auto p = sweep.next()) { line to *p; wait until sweep.dueTime(p->x); }
//   if (sweep.state() == NumerovSweep::State::Diverged) ding;
class NumerovSweep {
 public:
  enum class State { Running, Finished, Diverged };
  enum class Divergence { None, Upward, Downward };

  // energy must be accepted by checkEnergy (0 < E <= E_max); anything else
  // throws std::invalid_argument (a non-positive energy has no start function,
  // a huge one would never end).
  explicit NumerovSweep(double energy);

  double energy() const { return energy_; }
  double baseline() const { return baseline_; }
  double rangeEnd() const { return xm_; }

  // The two start points at -x_m and -x_m + h.
  const SweepPoint& first() const { return first_; }
  const SweepPoint& second() const { return second_; }

  // The next point, or nothing once the sweep has passed +x_m or psi has left
  // the bound (the point beyond the bound is not handed out; see
  // divergenceX()).  After the end it keeps answering nothing.
  std::optional<SweepPoint> next();

  State state() const { return state_; }
  // Which way psi broke out, None unless the sweep diverged.
  Divergence divergence() const { return divergence_; }
  // Abscissa of the first point beyond the bound; NaN unless diverged.
  double divergenceX() const { return divergenceX_; }

  // Seconds after the start of the sweep at which the point at x is due,
  // (x + x_m)/x_m: 0 at -x_m, kSweepSeconds at +x_m.
  double dueTime(double x) const;

  // The whole curve from the start points to the end, on a fresh sweep; on a
  // sweep already under way, what next() would still give.
  std::vector<SweepPoint> run();

 private:
  SweepPoint point(double x, double psi) const;

  double energy_;
  double xm_;
  double baseline_;
  SweepPoint first_;
  SweepPoint second_;
  int index_ = 2;  // of the next abscissa, x = -x_m + index_ h
  double fPrev_, psiPrev_, fCur_, psiCur_;
  bool started_ = false;
  State state_ = State::Running;
  Divergence divergence_ = Divergence::None;
  double divergenceX_;
};

// ---------------------------------------------------------------------------
// The energy entry.

enum class EnergyVerdict {
  Accepted,     // 0 < E <= E_max
  AboveTop,     // E > E_max: offer E_max
  NotPositive,  // E <= 0 (also an empty or non-numeric entry): offer 0.5
};

struct EnergyEntry {
  double energy;    // the value read from the text
  EnergyVerdict verdict;
  double proposal;  // the energy to use when accepted, else the one to offer
  bool accepted() const { return verdict == EnergyVerdict::Accepted; }
};

// The range check of an energy.
EnergyEntry checkEnergy(double energy);

// Reads what the learner typed: the leading number is the energy ("2.5,4"
// gives 2.5; the palette index after the comma is the colour chooser's
// business), then checks its range.
EnergyEntry readEnergy(std::string_view text);

// An energy as the entry dialog offers it and the legend shows it: the
// shortest decimal text, with a "0" before a leading point ("0.5", "1.48").
std::string energyText(double energy);

// ---------------------------------------------------------------------------
// The plot.  Its world window: x from -10 at the left edge to 6.5 at the right
// (the part left of -L holds the energy axis and the legend), y from -2.5 at
// the bottom to 12.5 at the top.  The window maps it onto the picture with
// its px and py.

inline constexpr double kPlotXMin = -1.3 * kHalfWidth - 2.2;
inline constexpr double kPlotXMax = 1.45 * kHalfWidth - 2.2;
inline constexpr double kPlotYMin = -0.25 * kEnergyTop;
inline constexpr double kPlotYMax = 1.25 * kEnergyTop;

// The abscissa at the left edge of pixel column i of a plot `width` pixels
// wide: the inverse of px, so the shading of the well can go column by column.
double columnX(int i, int width);

// Height of the shaded potential at x: x^2/2, cut at E_max.
double potentialTop(double x);

// The energy levels marked on the plot, n + 1/2 for n = 0 .. CLng(E_max - 1).
std::vector<double> levelEnergies();

// The classical turning point sqrt(2y) of the level y; the dotted level lines
// run only outside it.
double turningPoint(double level);

// One branch of the potential curve (x, x^2/2), from x = 0 outward in steps of
// L/200 while |x| < L and x^2/2 <= E_max; direction +1 to the right, -1 to
// the left.  Each entry is (x, V(x)).
struct CurvePoint {
  double x;
  double y;
};
std::vector<CurvePoint> potentialBranch(int direction);

}  // namespace wellstates
