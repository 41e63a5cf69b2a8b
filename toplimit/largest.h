// The numbers behind the largest-number lesson.  Plain C++, no Qt.
//
// A floating-point format cannot hold numbers of any size: single precision
// ends just below 2^128 (about 3.40E+38), double precision just below 2^1024
// (about 1.80E+308).  The lesson finds the end by doubling a number until the
// next doubling no longer fits.  It starts at 0.99999 rather than 1, so the
// last value that fits, 0.99999 * 2^128 or 0.99999 * 2^1024, lies just below
// the largest representable number instead of overflowing exactly at the
// power of two.
//
// Doubling is exact in binary, so the only thing that can happen to v + v is
// overflow; it is seen on the sum stored in the target type (a single that
// exceeds the largest single value, a double that is no longer finite).  No
// floating-point exception is raised or needed.
//
// The double-precision table would run to over a thousand rows; it lists the
// values up to 0.99999 * 2^131, one row " ・・・" for 0.99999 * 2^132 (about
// 5.44E+39), skips everything between 1E+40 and 1E+300 and lists the rest up
// to the end.
//
// The table's rows and columns, the texts and the result live here; the
// window only measures and draws.  Columns follow the width of what was
// drawn, so the layout takes a callback that draws (or, in a test, measures)
// one cell and returns where the drawing ended.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace toplimit {

enum class Precision { Single = 1, Double = 2 };

constexpr double kStart = 0.99999;

// ---- The doubling ------------------------------------------------------

struct Value {
  double v;
  bool ellipsis;  // the row that stands for the skipped range
};

// Every listed value of the doubling, in order; the last one is the largest
// number found.
std::vector<Value> Doublings(Precision precision);

// ---- Texts -------------------------------------------------------------

// A table entry: "#.00E+##" (single), "#.00E+###" without leading blanks
// (double); the ellipsis row is " ・・・".
std::string EntryText(const Value& value, Precision precision);
// The largest number in the result line: "#.00E+##" or "#.000E+###".
std::string ResultText(double v, Precision precision);
// The power of two of the result, ln v / ln 2 rounded to a 16-bit integer.
int PowerOfTwo(double v);

// ---- Layout ------------------------------------------------------------

constexpr int kRowsPerColumn = 25;
constexpr int kColumnSlots = 11;  // column starts colX(0 .. 10)

// Measured in the picture's units from the letter "A" (w by h): rows lh =
// 0.95 h apart, x0 = 2 w and y0 = lh / 2 rounded to whole units.
struct Geometry {
  float w = 0, h = 0, lh = 0, x0 = 0, y0 = 0;
};
Geometry MakeGeometry(float w, float h);

// The gap after the widest entry of a column, in letter widths.
float ColumnGap(Precision precision);

struct Cell {
  std::string text;
  bool ellipsis;
  float x, y;  // top-left corner of the text
};
// Draws (or measures) a cell and returns the x just after it.
using PrintCell = std::function<float(const Cell&)>;

struct Table {
  bool complete = false;  // every value was drawn (the picture was tall enough)
  bool fits = false;      // complete, and the two result lines fit the window
  double largest = 0;     // the last value drawn
  float resultX = 0;      // left edge of the result, in the last column
  float resultY = 0;      // its first line; the second is resultY + 1.3 lh
  Geometry g;
  std::vector<Cell> cells;  // what was drawn, in order
};

// Lays out (and draws through print) the table of one precision in a picture
// of the given height; windowHeight is the height of the window's inner area,
// which the result lines must not run past.
Table LayOut(Precision precision, const Geometry& g, float pictureHeight, float windowHeight,
             const PrintCell& print);

// ---- Fitting -----------------------------------------------------------

// Font sizes: the table is drawn at 13 points; when it does not fit it is
// drawn again at 0.9 times the size, down to kMinFontSize.
constexpr float kFontSize = 13.0f;
constexpr float kShrink = 0.9f;
constexpr float kMinFontSize = 4.0f;

// Calls attempt(size, lastTry) with 13, 11.7, ... until it returns true; the
// last try, at kMinFontSize, is told so and ends the search whatever it
// returns.  Returns the size of the last attempt.
float FitFontSize(const std::function<bool(float size, bool lastTry)>& attempt);

}  // namespace toplimit
