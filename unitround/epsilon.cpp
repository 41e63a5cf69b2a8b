#include "epsilon.h"

#include <cfloat>
#include <cmath>

#include "numtext.h"

namespace unitround {

// The volatile store is what rounds: whatever precision the compiler uses
// for the addition, the value read back has the target type's 24 or 53 bits.
float OnePlusSingle(float e) {
  volatile float sum = 1.0f + e;
  return sum;
}

double OnePlusDouble(double e) {
  volatile double sum = 1.0 + e;
  return sum;
}

namespace {

void NextCell(int& row, int& column, int columnStep) {
  ++row;
  if (row > kRowsPerColumn) {
    column += columnStep;
    row = 1;
  }
}

}  // namespace

Halving Halve(Precision precision) {
  Halving h;
  int row = 0, column = 0;
  if (precision == Precision::Single) {
    float e = 1.0f;
    while (OnePlusSingle(e) > 1.0f) {
      h.eps = e;
      e *= 0.5f;
      NextCell(row, column, kColumnStepSingle);
      h.entries.push_back({h.eps, row, column});
    }
  } else {
    double e = 1.0;
    while (OnePlusDouble(e) > 1.0) {
      h.eps = static_cast<float>(e);
      e *= 0.5;
      NextCell(row, column, kColumnStepDouble);
      h.entries.push_back({h.eps, row, column});
    }
  }
  return h;
}

std::string MakeStr(double value, bool doubleSelected) {
  // A value outside the single range cannot be rounded to it; it keeps its
  // double text (the tables never list one).
  const bool asSingle = doubleSelected && std::isfinite(value) && std::fabs(value) <= FLT_MAX;
  std::string s = asSingle ? lk::NumStrSingle(static_cast<float>(value)) : lk::NumStr(value);
  const std::size_t decimals = doubleSelected ? 6 : 14;
  s = lk::LeadZero(lk::Trim(s));

  const std::size_t e = s.find('E');
  std::string mantissa = s.substr(0, e);
  const std::string exponent = e == std::string::npos ? std::string() : s.substr(e);
  if (mantissa.find('.') == std::string::npos) mantissa += ".0";
  if (!exponent.empty()) {
    // An exponent form's mantissa is padded so that the column lines up.
    const std::size_t have = mantissa.size() - mantissa.find('.') - 1;
    if (have < decimals) mantissa.append(decimals - have, '0');
  }
  return mantissa + exponent;
}

std::string EpsilonText(float eps) { return lk::Format(eps, "#.00E+##"); }

std::string PowerText(float eps) { return lk::NumStr(std::log(double(eps)) / std::log(2.0)); }

Layout MakeLayout(float w, float h) {
  Layout l;
  l.w = w;
  l.lh = 0.9f * h;
  l.x0 = static_cast<float>(lk::RoundHalfEven(2.0 * w));
  l.y0 = static_cast<float>(lk::RoundHalfEven(l.lh / 2.0));
  return l;
}

Point EntryPlace(const Layout& layout, const Entry& entry) {
  return {entry.column * layout.w + layout.x0, entry.row * layout.lh + layout.y0};
}

Point ResultPlace(const Layout& layout, const Halving& halving) {
  if (halving.entries.empty()) return {layout.x0, layout.y0 + 2 * layout.lh};
  const Point last = EntryPlace(layout, halving.entries.back());
  return {last.x, last.y + 2 * layout.lh};
}

}  // namespace unitround
