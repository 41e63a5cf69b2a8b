// The numbers behind the Chebyshev polynomial lesson.  Plain C++, no Qt.
//
// Chebyshev polynomials T_n(x) = cos(n arccos x) are polynomials in x that
// come from the recurrence
//     T_0 = 1,  T_1 = x,  T_n = 2 x T_(n-1) - T_(n-2),
// and that swing between -1 and +1 exactly n + 1 times on [-1, 1].  Among
// all polynomials of degree n with leading coefficient 2^(n-1), T_n has the
// smallest largest value on [-1, 1] (the minimax property).
//
// That is why they serve to approximate functions: we interpolate a model
// function f on [a, b] at the N + 1 = 15 zeros of T_15, which gives
//     f(x) ~ c_0 + sum over j = 1 .. N of c_j T_j(y),  y = (2x - a - b)/(b - a),
// and then cut the sum off at a degree M.  The coefficients fall off fast,
// so the error of the cut sum is close to c_(M+1) T_(M+1)(y): a ripple of
// nearly even height over the whole interval.
//
// The window draws curves point by point at the pace of a clock and prints
// tables of numbers; what it draws and prints comes from here, so it can be
// tested without a window.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "curvelist.h"
#include "palette.h"

namespace minimaxfit {

// ---- Polynomials --------------------------------------------------------

// T_n(x) by the recurrence.  A negative n gives 0 (no step is taken).  The
// cost grows linearly with n.
double Chebyshev(int n, double x);

// ---- Model functions ----------------------------------------------------

// Kind 1: ln x on [0.5, 2]; kind 2: ln((1 + x)/(1 - x)) on [-1/3, 1/3];
// kind 3: e^x on [-1, 1].  The menu item k + 1 chooses kind k.
struct Model {
  int kind;
  const char* name;  // as printed, with its blanks: " 対数関数 log(X) "
  double a, b;       // the interval, a < b
  const char* aText;
  const char* bText;
  double yMin, yMax;  // vertical range of the function plot
};
// The model of kind 1, 2 or 3; any other kind gives an empty model on
// [0, 1] whose function is 0.
Model ModelOf(int kind);

// The model function of a kind at x; any other kind gives 0.
double func(int kind, double x);

// ---- Interpolation ------------------------------------------------------

constexpr int N = 14;           // degree of the interpolating polynomial
constexpr int kNodes = N + 1;   // 15 nodes, the zeros of T_15

// c(0) .. c(N + 2); only c(0) .. c(N) are computed, the last two stay 0 so
// that c(M + 2) may be read for every truncation degree the lesson allows.
using Coefficients = std::array<double, N + 3>;

// Interpolates the function of a kind on [a, b] at the zeros of T_15:
// c(0) = (1/K) sum f(x_k), c(j) = (2/K) sum f(x_k) T_j(y_k), K = 15.
// c(0) already carries the factor one half of the usual Chebyshev series.
Coefficients ChebyshevInterpolation(int kind, double a, double b);

// The node y_k in [-1, 1] (k = 1 .. 15, rising) and its x in [a, b].
double NodeY(int k);
double NodeX(int k, double a, double b);

// c(0) + sum for k = 1 .. M of c(k) T_k(y), y the image of x in [-1, 1],
// summed backwards (Clenshaw).  M = 0 gives c(0); M is clamped to 0 .. N + 2.
double fnCheb(const Coefficients& c, int M, double a, double b, double x);

// The error of the cut sum at x: approximation minus true value.
double ErrorAt(const Coefficients& c, int M, int kind, double a, double b, double x);

// ---- Sampling grids -----------------------------------------------------

// Section 1: x = -1 + k/1024, k = 0 .. 2048 (binary fractions, so x = 1 is
// hit exactly); a curve takes 4 s, point k is due 2 (x + 1) s after its start.
constexpr int kGraphLastIndex = 2048;
double GraphX(int k);
double GraphPointDue(int k);
// The previous curve is traced again, at once, on a coarser grid.
constexpr int kRetraceLastIndex = 512;
double RetraceX(int k);

// Approximation sections: x = a + (b - a) i/1024, i = 0 .. 1024; a curve
// takes 4 s, point i is due i/256 s after its start.
constexpr int kCurveLastIndex = 1024;
double CurveX(double a, double b, int i);
double CurvePointDue(int i);

// The largest |error| over the curve grid, each value rounded to single
// precision as the lesson keeps it.
float MaxError(const Coefficients& c, int M, int kind, double a, double b);

// The comparison table: 17 rows, j = -8 .. 8, x = (b - a) j/16 + (a + b)/2.
constexpr int kTableHalf = 8;
double TableX(double a, double b, int j);

// ---- Entries ------------------------------------------------------------

template <class T>
struct Checked {
  bool accepted;
  T value;  // the value to use, or the one the dialog offers next
};

constexpr int kMaxDegree = 20;
constexpr int kMinDegree = -kMaxDegree;

// A degree typed for section 1: the leading number rounded to a whole number
// (halves to even).  21 and above are refused and 20 is offered.  Negative
// degrees are accepted (their curve is the zero line) down to -20; below,
// -20 is offered, so the legend and the dialog only ever show a degree the
// learner typed or the lesson offered.
Checked<int> CheckDegree(std::string_view entry);

constexpr int kFirstTruncation = 9;

// The truncation degree M typed for a kind: rounded (halves to even).  Kinds
// 1 and 3 accept 2 .. 11 (N - 3) and offer 2 or 11; kind 2's function is
// odd, so an even entry is first lowered by one, and then 3 .. 11 are
// accepted (3 or 11 offered).
Checked<int> CheckTruncation(int kind, std::string_view entry);

// The coefficient the learner is asked to remember: the first one left out
// that carries the function, c(M + 1), or c(M + 2) for the odd kind 2.
int RememberedIndex(int kind, int M);

// Half the height of the error plot: 1.5 times the larger of |c(M + 1)| and
// |c(M + 2)|, in single precision.  Never 0, so the plot always has a scale.
float ErrorRange(const Coefficients& c, int M);

// ---- Plot mappings ------------------------------------------------------

// Section 1: the square -R .. R in both directions onto a picture whose
// scale width and height less one are W and H.  Results are rounded (halves
// to even) and clamped to the int range.
constexpr float kSquareHalf = 1.005f;
int SquarePx(double W, float x);
int SquarePy(double H, float y);

// Approximation sections: a .. b across W, top .. bottom down H.
int RangePx(double a, double b, double W, float x);
int RangePy(double top, double bottom, double H, float y);

// The dotted grid of section 1: +-0.2, +-0.4, +-0.6, +-0.8.
std::vector<double> GridValues();

// A tick of the approximation plots' x axis.  Values near 0 and 1 are
// labelled as whole numbers with a leading blank (" 0", " 1"), printed from
// just left of the tick; the others as "0.6", "-0.8", centred on the tick.
struct Tick {
  double v;
  std::string label;
  bool whole;
};
// Ticks 0.2 apart for an interval of width 1 or more, else 0.1 apart,
// strictly inside (a, b).
std::vector<Tick> Ticks(double a, double b);

// ---- Texts --------------------------------------------------------------

// A number in a table column: a positive value starts one letter width in,
// a negative one is printed as "-" at the column start and then its
// magnitude, a value exactly 0 is printed as a zero text.
struct Cell {
  enum Sign { Positive, Negative, Zero } sign;
  std::string text;  // the magnitude as shown, or the zero text
};
// A coefficient with 14 decimals ("0.11778303565638"); zero as " 0.0".
Cell CoefficientCell(double c);
// Other columns in their pattern ("#.00000", "0.#############0",
// "0.000E+00"); zero as "0.0".  A leading "." gets its "0".
Cell ValueCell(double v, const char* pattern);
// The remembered coefficient and the max error: "#.##E-##" ("3.39E-6").
std::string SmallText(double v);

// The degree in the legend of section 1: a blank before a non-negative
// degree (" 3"), the sign before a negative one ("-2").
std::string LegendDegree(int n);

// ---- The curves of one run of section 1 ---------------------------------

using lk::Curve;
using lk::CurveList;

}  // namespace minimaxfit
