#include "largest.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "numtext.h"

namespace toplimit {

namespace {

// Whether a doubled value still fits its format.  The sum is stored through
// a volatile of that format, so it is rounded however the compiler evaluates.
bool DoubleSingle(float& v) {
  volatile float sum = v + v;
  if (sum > FLT_MAX) return false;
  v = sum;
  return true;
}

bool DoubleDouble(double& v) {
  volatile double sum = v + v;
  if (!std::isfinite(sum)) return false;
  v = sum;
  return true;
}

// The range of the double table that is neither listed nor counted, and the
// one row that stands for it.
constexpr double kSkipFrom = 1e40, kSkipTo = 1e300, kEllipsisFrom = 5e39;

}  // namespace

std::vector<Value> Doublings(Precision precision) {
  std::vector<Value> out;
  if (precision == Precision::Single) {
    float v = static_cast<float>(kStart);
    while (DoubleSingle(v)) out.push_back({v, false});
    return out;
  }
  double v = kStart;
  for (;;) {
    double next = v;
    bool finite;
    do {
      finite = DoubleDouble(next);
    } while (finite && kSkipFrom < next && next < kSkipTo);
    if (!finite) break;
    v = next;
    out.push_back({v, kEllipsisFrom < v && v < kSkipFrom});
  }
  return out;
}

std::string EntryText(const Value& value, Precision precision) {
  if (value.ellipsis) return " ・・・";
  if (precision == Precision::Single) return lk::Format(value.v, "#.00E+##");
  return lk::Trim(lk::Format(value.v, "#.00E+###"));
}

std::string ResultText(double v, Precision precision) {
  return lk::Format(v, precision == Precision::Single ? "#.00E+##" : "#.000E+###");
}

int PowerOfTwo(double v) { return lk::CInt(std::log(v) / std::log(2.0)); }

Geometry MakeGeometry(float w, float h) {
  Geometry g;
  g.w = w;
  g.h = h;
  g.lh = 0.95f * h;
  g.x0 = static_cast<float>(lk::RoundHalfEven(2.0 * w));
  g.y0 = static_cast<float>(lk::RoundHalfEven(g.lh / 2.0));
  return g;
}

float ColumnGap(Precision precision) { return precision == Precision::Single ? 4.0f : 2.5f; }

// Both tables stay well inside the column slots: 128 and 160 rows make 6
// and 7 columns of 25.
static_assert((160 - 1) / kRowsPerColumn + 1 < kColumnSlots);

Table LayOut(Precision precision, const Geometry& g, float pictureHeight, float windowHeight,
             const PrintCell& print) {
  Table t;
  t.g = g;
  std::array<float, kColumnSlots> colX{};
  const float gap = ColumnGap(precision) * g.w;
  int row = 0, column = 0;
  float y = 0;
  t.complete = true;
  for (const Value& value : Doublings(precision)) {
    ++row;
    if (row > kRowsPerColumn) {
      row = 1;
      ++column;
    }
    const float x = g.x0 + colX[column];
    y = row * g.lh + g.y0;
    if (pictureHeight < y + 2 * g.lh) {
      t.complete = false;
      break;
    }
    t.cells.push_back({EntryText(value, precision), value.ellipsis, x, y});
    const float xe = print(t.cells.back()) + gap;
    if (colX[column + 1] < xe - g.x0) colX[column + 1] = xe - g.x0;
    t.largest = value.v;
  }
  // A table cut short by the picture has not found the largest number, so it
  // never counts as fitting.
  t.fits = t.complete && !(windowHeight < y + 2 * g.lh);
  t.resultX = g.x0 + colX[column];
  t.resultY = y + 1.2f * g.lh;
  return t;
}

float FitFontSize(const std::function<bool(float, bool)>& attempt) {
  float size = kFontSize;
  for (;;) {
    const bool lastTry = size <= kMinFontSize;
    if (attempt(size, lastTry) || lastTry) return size;
    size = std::max(size * kShrink, kMinFontSize);
  }
}

}  // namespace toplimit
