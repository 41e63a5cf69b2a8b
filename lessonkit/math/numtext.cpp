#include "numtext.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

// All conversions between numbers and texts go through std::to_chars and
// std::from_chars: they are exact and ignore the C locale, which a desktop
// toolkit may have switched to one with a decimal comma.

namespace lk {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal digits of a finite non-negative a, d[0] standing at the place
// 10^exp: rounded (exactly, halves to even on the binary value) to
// `significant` digits, or with kExactDigits all the digits of the binary value.
// Zero gives no digits.
struct Digits {
  std::string d;
  int exp = 0;
};

// A double is a binary fraction, so its decimal expansion ends; the longest
// (that of the largest subnormal) has 767 significant digits.
constexpr int kExactDigits = 767;

Digits ScientificDigits(double a, int significant) {
  Digits out;
  if (a == 0.0) return out;
  // "d." + the digits + "e-324"
  std::array<char, kExactDigits + 16> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::scientific,
                                 significant - 1);
  const char* p = buf.data();
  for (; p != res.ptr && *p != 'e'; ++p) {
    if (IsDigit(*p)) out.d.push_back(*p);
  }
  if (p != res.ptr) {
    ++p;  // 'e'
    if (*p == '+') ++p;
    std::from_chars(p, res.ptr, out.exp);
  }
  return out;
}

// Keeps the first `keep` digits, rounding half away from zero on the digits
// dropped.  A carry out of the first digit adds a leading "1" and raises exp.
// keep <= 0 leaves nothing (or a single carried "1").
void RoundDigits(Digits& v, int keep) {
  if (keep >= static_cast<int>(v.d.size())) return;
  if (keep < 0) {
    v.d.clear();
    return;
  }
  const bool up = v.d[static_cast<std::size_t>(keep)] >= '5';
  v.d.resize(static_cast<std::size_t>(keep));
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && v.d[static_cast<std::size_t>(i)] == '9') {
    v.d[static_cast<std::size_t>(i)] = '0';
    --i;
  }
  if (i < 0) {
    v.d.insert(v.d.begin(), '1');
    ++v.exp;
  } else {
    ++v.d[static_cast<std::size_t>(i)];
  }
}

// The digit of v at the decimal place 10^place.
char DigitAt(const Digits& v, int place) {
  const long k = static_cast<long>(v.exp) - place;
  if (k < 0 || k >= static_cast<long>(v.d.size())) return '0';
  return v.d[static_cast<std::size_t>(k)];
}

std::string ExponentDigits(int e, int minDigits) {
  std::string s = std::to_string(e < 0 ? -e : e);
  if (static_cast<int>(s.size()) < minDigits) s.insert(0, static_cast<std::size_t>(minDigits) - s.size(), '0');
  return s;
}

// Str$ of classic BASIC without its leading blank, for up to `digits`
// significant digits: fixed form from 0.001 up to (but not including) the
// magnitude where the integer part would need more than `digits` digits,
// exponent form otherwise.  With `plain` it is always the fixed form.
std::string ShortestText(double v, int digits, bool plain = false) {
  if (std::isnan(v)) return "NaN";
  // Infinity is shown as the largest finite value, as Val reads it back.
  if (std::isinf(v)) v = std::copysign(DBL_MAX, v);
  if (v == 0.0) return "0";
  Digits x = ScientificDigits(std::fabs(v), digits);
  while (x.d.size() > 1 && x.d.back() == '0') x.d.pop_back();
  std::string out = v < 0 ? "-" : "";
  if (plain || (x.exp >= -3 && x.exp < digits)) {
    for (int place = x.exp; place >= 0; --place) out.push_back(DigitAt(x, place));
    const int lastPlace = x.exp - static_cast<int>(x.d.size()) + 1;
    if (lastPlace < 0) {
      out.push_back('.');
      for (int place = -1; place >= lastPlace; --place) out.push_back(DigitAt(x, place));
    }
  } else {
    out.push_back(x.d[0]);
    if (x.d.size() > 1) {
      out.push_back('.');
      out.append(x.d, 1);
    }
    out.push_back('E');
    out.push_back(x.exp < 0 ? '-' : '+');
    out += ExponentDigits(x.exp, 2);
  }
  return out;
}

// A numeric pattern taken apart.
struct Pattern {
  std::string prefix, suffix;
  int intZeros = 0;     // least number of integer digits
  bool point = false;   // the pattern has a decimal point
  int fracPlaces = 0;   // most decimals
  int fracMin = 0;      // least decimals: up to the last "0"
  bool sci = false;
  char eChar = 'E';
  bool expPlus = false;  // "E+": sign always; "E-": only when negative
  int expZeros = 0;      // least number of exponent digits
  bool digits = false;   // at least one "0" or "#" placeholder
};

bool IsPlace(char c) { return c == '0' || c == '#'; }

Pattern ParsePattern(std::string_view pat) {
  Pattern p;
  std::size_t i = 0;
  while (i < pat.size() && !IsPlace(pat[i]) && pat[i] != '.') ++i;
  p.prefix = std::string(pat.substr(0, i));
  for (; i < pat.size() && IsPlace(pat[i]); ++i) {
    p.digits = true;
    if (pat[i] == '0') ++p.intZeros;
  }
  if (i < pat.size() && pat[i] == '.') {
    p.point = true;
    for (++i; i < pat.size() && IsPlace(pat[i]); ++i) {
      p.digits = true;
      ++p.fracPlaces;
      if (pat[i] == '0') p.fracMin = p.fracPlaces;
    }
  }
  if (p.digits && i + 1 < pat.size() && (pat[i] == 'E' || pat[i] == 'e') &&
      (pat[i + 1] == '+' || pat[i + 1] == '-')) {
    p.sci = true;
    p.eChar = pat[i];
    p.expPlus = pat[i + 1] == '+';
    for (i += 2; i < pat.size() && IsPlace(pat[i]); ++i) {
      if (pat[i] == '0') ++p.expZeros;
    }
  }
  p.suffix = std::string(pat.substr(i));
  return p;
}

// Integer digits (at least intZeros of them, none for a zero part without
// "0" placeholders), the point when the pattern has one, and the decimals
// from place -1 down, trailing zeros dropped to fracMin.
std::string PlaceDigits(const Digits& x, const Pattern& p) {
  std::string s;
  for (int place = std::max(x.d.empty() ? -1 : x.exp, p.intZeros - 1); place >= 0; --place) {
    s.push_back(DigitAt(x, place));
  }
  if (!p.point) return s;
  s.push_back('.');
  std::string frac;
  for (int place = -1; place >= -p.fracPlaces; --place) frac.push_back(DigitAt(x, place));
  while (static_cast<int>(frac.size()) > p.fracMin && frac.back() == '0') frac.pop_back();
  return s + frac;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Significant digits (leading zeros skipped) and the decimal exponent of
  // the value 0.S * 10^exp10.  Past kKeep digits only whether any is non-zero
  // matters; it is kept as one trailing "1", which rounds as the full tail
  // would (no halfway point of a double needs that many digits).
  constexpr std::size_t kKeep = 800;
  constexpr long long kExpCap = 1'000'000'000;
  std::string sig;
  bool sticky = false, anyDigit = false;
  long long exp10 = 0;
  auto take = [&](char c, bool beforePoint) {
    anyDigit = true;
    if (sig.empty() && c == '0') {
      if (!beforePoint && exp10 > -kExpCap) --exp10;
      return;
    }
    if (beforePoint && exp10 < kExpCap) ++exp10;
    if (sig.size() < kKeep) {
      sig.push_back(c);
    } else if (c != '0') {
      sticky = true;
    }
  };
  for (; i < n && IsDigit(text[i]); ++i) take(text[i], true);
  if (i < n && text[i] == '.') {
    for (++i; i < n && IsDigit(text[i]); ++i) take(text[i], false);
  }
  if (!anyDigit) return 0.0;
  if (i + 1 < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (text[j] == '+' || text[j] == '-') {
      expNegative = text[j] == '-';
      ++j;
    }
    if (j < n && IsDigit(text[j])) {
      long long e = 0;
      for (; j < n && IsDigit(text[j]); ++j) e = std::min(kExpCap, e * 10 + (text[j] - '0'));
      exp10 += expNegative ? -e : e;
    }
  }
  if (sig.empty()) return 0.0;
  const double huge = negative ? -DBL_MAX : DBL_MAX;
  if (exp10 > 400) return huge;
  if (exp10 < -400) return 0.0;
  if (sticky) sig.push_back('1');
  std::string canonical = "0." + sig + "e" + std::to_string(exp10);
  double value = 0.0;
  const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (res.ec == std::errc::result_out_of_range) return exp10 > 0 ? huge : 0.0;
  if (std::isinf(value)) return huge;
  return negative ? -value : value;
}

double RoundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  double r = std::round(v);  // halves away from zero
  if (std::fabs(r - v) == 0.5 && std::fmod(r, 2.0) != 0.0) r -= std::copysign(1.0, v);
  return r;
}

namespace {
template <typename Int>
Int ClampToInt(double r) {
  if (std::isnan(r)) return 0;
  if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}
}  // namespace

std::int16_t CInt(double v) { return ClampToInt<std::int16_t>(RoundHalfEven(v)); }
std::int32_t CLng(double v) { return ClampToInt<std::int32_t>(RoundHalfEven(v)); }
std::int32_t Int(double v) { return ClampToInt<std::int32_t>(std::floor(v)); }

std::string NumStr(double v) { return ShortestText(v, 15); }
std::string NumStrSingle(float v) { return ShortestText(static_cast<double>(v), 7); }
std::string PlainNumStr(double v) { return LeadZero(ShortestText(v, 15, true)); }

WholeEntry WholeIn(double value, std::int32_t lo, std::int32_t hi) {
  // Compared as doubles: only a value known to lie in lo .. hi is converted.
  const double n = RoundHalfEven(value);
  if (!(n >= lo)) return {WholeEntry::Below, lo};  // NaN too
  if (n > hi) return {WholeEntry::Above, hi};
  return {WholeEntry::Inside, static_cast<std::int32_t>(n)};
}

WholeEntry ReadWhole(std::string_view text, std::int32_t lo, std::int32_t hi) {
  return WholeIn(Val(text), lo, hi);
}

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return std::string(text.substr(b, e - b));
}

std::string LeadZero(std::string_view text) {
  std::string s(text);
  if (!s.empty() && s[0] == '.') {
    s.insert(0, "0");
  } else if (s.size() >= 2 && s[0] == '-' && s[1] == '.') {
    s.insert(1, "0");
  }
  return s;
}

std::string FixNumStr(std::string_view text) {
  std::string s = Trim(text);
  if (s.find('.') == std::string::npos) {
    // An exponent form such as "1E-20" gets its ".0" on the mantissa.
    const std::size_t e = s.find_first_of("Ee");
    if (e == std::string::npos) {
      s += ".0";
    } else {
      s.insert(e, ".0");
    }
  }
  // After the ".0", so that "" and "-" become "0.0" and "-0.0".
  return LeadZero(s);
}

std::string Format(double v, std::string_view pattern) {
  const Pattern p = ParsePattern(pattern);
  if (!p.digits) return std::string(pattern) + NumStr(v);
  if (std::isnan(v)) return p.prefix + "NaN" + p.suffix;
  if (std::isinf(v)) v = std::copysign(DBL_MAX, v);

  // The shown digits are rounded once, on the exact value of the double:
  // rounding a shorter text of it would round twice (e^0.75 =
  // 2.11700001661267478... has the shortest text 2.117000016612675, which
  // would show ...268 with 14 decimals).  Exact halves, which only values
  // such as 2.5 or 0.125 have, go away from zero.
  Digits x = ScientificDigits(std::fabs(v), kExactDigits);
  while (!x.d.empty() && x.d.back() == '0') x.d.pop_back();
  std::string body;
  if (p.sci) {
    // One integer digit, non-zero unless v is 0, and fracPlaces decimals; a
    // carry (9.996 to 10.00) raises the exponent and keeps one integer digit.
    RoundDigits(x, 1 + p.fracPlaces);
    const int e = x.d.empty() ? 0 : x.exp;
    x.exp = 0;
    Pattern mantissa = p;
    mantissa.intZeros = std::max(1, p.intZeros);  // zero shows as "0.00E+0"
    body = PlaceDigits(x, mantissa);
    body.push_back(p.eChar);
    if (e < 0) {
      body.push_back('-');
    } else if (p.expPlus) {
      body.push_back('+');
    }
    body += ExponentDigits(e, std::max(1, p.expZeros));
  } else {
    RoundDigits(x, x.d.empty() ? 0 : x.exp + p.fracPlaces + 1);
    body = PlaceDigits(x, p);
  }
  // A value that shows only zeros carries no minus sign.
  const bool negative = v < 0 && !x.d.empty();
  return p.prefix + (negative ? "-" : "") + body + p.suffix;
}

}  // namespace lk
