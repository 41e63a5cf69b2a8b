// The numbers behind the confluent hypergeometric lesson.  Plain C++, no Qt.
//
// Kummer's function M(a, c, x) = sum over k of (a)_k / (c)_k x^k / k! solves
// the radial Schroedinger equation of the hydrogen atom and of the
// three-dimensional oscillator once the behaviour at the origin and at
// infinity is split off.  For general a it grows like e^x, so the radial
// function runs away; when a is 0 or a negative integer the series stops
// and becomes a polynomial, and the wave function decays: that is a bound
// state, and the energy that makes a such an integer is an eigenvalue.
//
// Units: atomic units for hydrogen (ground state -1/2, r in Bohr radii),
// m = omega = hbar = 1 for the oscillator.
//
// The window asks for one point after another and paces the drawing; here
// are the values it draws, the potentials beneath them, the two sides of
// Kummer's transformation for section 3, and the checks of what a learner
// types.  Every function returns within a bounded time for every argument,
// NaN and infinities included, and says when its value cannot be trusted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace radialwave {

// ---- Kummer's function ---------------------------------------------------

// The series stops when adding a term no longer changes the sum.  A valid
// argument needs at most a few thousand terms; the cap only stops series
// that would never settle (huge |x|, huge a).
constexpr int kMaxTerms = 1000000;

struct Series {
  double value = 1;
  int terms = 0;         // terms added after the leading 1
  bool trusted = false;  // settled to a finite sum
};

// M(a, c, x) term by term: term = a * term * x / (k * c), then a, k and c
// step by one.  Not trusted when the sum stops being finite, when c + k
// reaches 0 (c a negative integer or 0), or when the cap is reached.
Series KummerSeries(double a, double c, double x);
// Its value alone.
double cHGF(double a, double c, double x);

// x^n for n >= 0; 0^0 is 1.
double power(double x, int n);

// ---- Sections 1 and 2: the radial functions --------------------------------

enum class Kind { Hydrogen = 1, Oscillator = 2 };

// The frame of each section's plot.
struct SectionFrame {
  double xmax, ymax, ymin, s;
};
constexpr SectionFrame kHydrogenFrame{50, 0.53, -0.53, 0.55};
constexpr SectionFrame kOscillatorFrame{5, 10.5, -0.5, 0};
SectionFrame FrameOf(Kind kind);

// Points of one curve: r = i * xmax / 200 for i = 0 .. 220, a little past
// the right edge.
constexpr int kLastPoint = 220;
constexpr int kPointsPerWidth = 200;
// Seconds from the start of a curve at which point i is due.
constexpr double kSecondsPerPoint = 0.02;
double PointR(Kind kind, int i);

// Energies a section accepts: negative for hydrogen, 0 or more for the
// oscillator.  Anything else gets the notice.
bool EnergyAccepted(Kind kind, double E);

// Hydrogen: the effective principal quantum number nu = sqrt(-1 / (2E)),
// the normalisation N that turns N r^l e^(-r/nu) M(l + 1 - nu, 2l + 2, 2r/nu)
// into the normalised R_nl(r) when nu is a whole n, and the display
// amplitude A = N nu sqrt(nu) e^(1.3 sqrt(l)) / 2 (1 for every energy at
// l = 0; the factor lifts the smaller curves of l = 1, 2 into view).
struct HydrogenScale {
  double nu = 0;
  double N = 0;
  float A = 0;
};
HydrogenScale HydrogenScaleOf(double E, int l);

// One point of a curve as the lesson draws it.  Diverged: the curve stops
// here (|value| > 2, or the value could not be computed at all).
struct CurvePoint {
  double r = 0;
  double y = 0;  // plotted value (the oscillator's already shifted to 5)
  bool diverged = false;
};

// Unscaled radial functions, and whether their series could be trusted.
struct RadialValue {
  double R = 0;
  bool trusted = false;
};
RadialValue HydrogenRadial(double nu, int l, double r);
RadialValue OscillatorRadial(double E, int l, double r);

// Point i of the curve for energy E and azimuthal number l.
CurvePoint HydrogenPoint(const HydrogenScale& h, int l, int i);
CurvePoint OscillatorPoint(double E, int l, int i);

// The whole curve up to and including the point where it diverges.
std::vector<CurvePoint> Curve(Kind kind, double E, int l);

// Eigenvalues: E_n = -1 / (2 n^2) and E_nl = 2n + l + 3/2.
double HydrogenLevel(int n);
double OscillatorLevel(int n, int l);

// ---- The effective potentials --------------------------------------------

// l(l + 1) / (2r^2) - 1/r and l(l + 1) / (2r^2) + r^2/2, for r > 0.
double HydrogenPotential(double r, int l);
double OscillatorPotential(double r, int l);

struct PotentialPoint {
  float r, V;
};
// The potential as drawn, in single precision: r = i * (xmax / 200) from
// i = 220 down to 1, ending with the first point where |V| > 2 ymax.
std::vector<PotentialPoint> PotentialCurve(Kind kind, int l);

// ---- Section 3: Kummer's transformation -----------------------------------

// M(a, c, -x) = e^(-x) M(c - a, c, x).  Far out the alternating left side
// loses its digits by cancellation and the deviation grows without bound;
// the lesson shows that, so only sides that are not finite are refused.
struct KummerSides {
  double L = 0, Rt = 0;
  // The relative deviation L / Rt - 1, rounded to single precision as the
  // lesson keeps it while it fits one; beyond, the double value; infinite
  // when the quotient leaves even that range or Rt is 0.  Equal sides
  // (0 and 0 too) deviate by 0.
  double d = 0;
  double precision = 0;    // |d / L|: 0 when d is 0; infinite beyond the range or when L is 0
  bool trusted = false;    // both series settled to finite sides
};
KummerSides Transform(double a, double c, double x);
// The figures of two sides as they came out of the series.
KummerSides CompareSides(double L, double Rt);
// The deviation and the precision as the result box shows them, in the
// pattern "#.#0E-##" ("-1.76E86"), also where they lie beyond the double
// range (then worked out from the exponents of the sides); a quotient by
// an exact 0 is "∞" (with its sign, for the deviation).
std::string DeviationText(const KummerSides& k);
std::string PrecisionText(const KummerSides& k);

// A triple "a, c, x" as typed.
enum class TripleStatus { Ok, MissingComma, BadC };
struct Triple {
  TripleStatus status = TripleStatus::MissingComma;
  double a = 0, c = 0, x = 0;
};
// Each part is the leading number of its text (0 when there is none); c may
// be anything but 0 or a negative whole number, however large.
Triple ParseTriple(std::string_view text);
bool IsPoleOfC(double c);

// The four result boxes of section 3: records 1 .. 4 filled in turn, then
// reused oldest first.  On reuse the boxes scroll: the oldest result stands
// on top, the newest at the bottom.
struct KummerRecord {
  double a = 0, c = 0, x = 0;
  KummerSides sides;
  bool shown = false;
};
constexpr int kResultBoxes = 4;
class ResultStack {
 public:
  void Clear();
  // Stores a result in the next slot and returns that slot (1 .. 4).
  int Add(double a, double c, double x, const KummerSides& sides);
  // True when the last Add reused a slot (the list was full).
  bool Scrolled() const { return scrolled_; }
  const KummerRecord& Record(int k) const { return records_[k]; }
  int Slot() const { return slot_; }
  // After the slot k was reused: the box standing at place p (1 .. 4, top
  // to bottom).
  static int BoxAtPlace(int k, int p);

 private:
  KummerRecord records_[kResultBoxes + 1];
  int slot_ = 0;
  bool scrolled_ = false;
};

}  // namespace radialwave
