// The numbers behind the machine epsilon lesson.  Plain C++, no Qt.
//
// The machine epsilon of a floating-point format is the gap between 1 and the
// next larger number: the smallest power of two e for which 1 + e, rounded to
// the format, is still greater than 1.  The lesson finds it the way one would
// by hand: start at e = 1 and halve e as long as 1 + e > 1, listing every e
// that passed.  Single precision has a 24-bit significand, so the list ends
// at 2^-23; double precision has 53 bits and ends at 2^-52.
//
// The whole point is the rounding.  1 + e must be rounded to the precision
// under study before it is compared with 1; evaluated in a wider format (the
// x87's 64-bit significand, or simply double for a float e) the test would
// keep passing long after the format itself has run out of bits.  The sums
// below are therefore stored through a volatile of the target type, which
// rounds them however the compiler chooses to evaluate expressions.
//
// The window lists the values in a table of rows and columns; where each
// entry goes, and how it is written, is decided here so that it can be
// checked without a window.
#pragma once

#include <string>
#include <vector>

namespace unitround {

enum class Precision { Single = 1, Double = 2 };

// 1 + e rounded to single (double) precision.
float OnePlusSingle(float e);
double OnePlusDouble(double e);

// ---- The halving -------------------------------------------------------

// A new column starts after this many rows; its left edge lies this many
// letter widths to the right of the previous one.
constexpr int kRowsPerColumn = 28;
constexpr int kColumnStepSingle = 20;
constexpr int kColumnStepDouble = 14;

// One listed value and the cell it goes into (row from 1, column in letter
// widths from the table's left edge).
struct Entry {
  double value;
  int row;
  int column;
};

struct Halving {
  std::vector<Entry> entries;
  // The last e for which 1 + e > 1 held.  A single-precision variable for
  // both tables: every power of two the double loop reaches fits it exactly.
  float eps = 1.0f;
};

// e = 1, 1/2, 1/4, ... while 1 + e, rounded to the precision, exceeds 1.
Halving Halve(Precision precision);

// ---- Texts -------------------------------------------------------------

// The text of one table entry.  Note the crossing, which the lesson has
// always shown: the single-precision table (doubleSelected false) writes its
// values with up to 15 significant digits and pads an exponent form's
// mantissa to 14 decimals, the double-precision table rounds them to single
// precision (7 digits) and pads to 6 decimals.  1 gives "1.0", 0.5 "0.5".
std::string MakeStr(double value, bool doubleSelected);

// The result line: eps as "#.00E+##" ("1.19E-7") and the power of two it is,
// the shortest text of ln(eps)/ln 2 ("-23").
std::string EpsilonText(float eps);
std::string PowerText(float eps);

// ---- Placement ---------------------------------------------------------

// Where the table goes in a picture whose letter "A" measures w by h (in the
// picture's units): rows lh = 0.9 h apart, the first row's line y0 = lh/2 and
// the left edge x0 = 2 w, both rounded to whole units (halves to even).
struct Layout {
  float w = 0, lh = 0, x0 = 0, y0 = 0;
};
Layout MakeLayout(float w, float h);

struct Point {
  float x, y;
};
// The top-left corner of an entry's text.
Point EntryPlace(const Layout& layout, const Entry& entry);
// The result line: in the last entry's column, two rows below it.
Point ResultPlace(const Layout& layout, const Halving& halving);

}  // namespace unitround
