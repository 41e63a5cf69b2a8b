// Number texts of the lessons: reading what a learner typed and writing the
// numbers the lessons show.  Plain C++, no Qt: lesson cores and tests use it
// without a window.  Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lk {

// The decimal value of a text: its leading number part (blanks before it are
// skipped), 0 when there is none.  "20,3" gives 20, "-" gives 0, "1.2.3"
// gives 1.2, "1e3" gives 1000.  Never infinite or NaN: a magnitude beyond the
// double range is clamped to +-DBL_MAX.
double Val(std::string_view text);

// Rounding to the nearest integer with halves to even, clamped to the range
// of the target type (never undefined behaviour; NaN gives 0).
std::int16_t CInt(double v);
std::int32_t CLng(double v);
// The largest integer not above v, clamped to the int32 range.
std::int32_t Int(double v);
// Round-half-even to the nearest integer, as a double (no range limit).
double RoundHalfEven(double v);

// Shortest decimal text of a double with up to 15 significant digits: no
// leading blank, no zero before the point ("0.5" -> ".5", "-0.25" -> "-.25"),
// exponent form with "E", a sign and at least two digits ("1E-20",
// "1.5E+30") for magnitudes below 0.001 or from 1E+15 on.  An infinity is
// written as the largest finite double ("1.79769313486232E+308"), NaN as "NaN".
std::string NumStr(double v);
// The same for a single-precision value, with up to 7 significant digits;
// from 1E+7 on it uses the exponent form ("1.234568E+07").
std::string NumStrSingle(float v);

// The NumStr digits written out without an exponent and with a "0" before a
// leading point: a text a learner can type into a number box and edit, as
// the dialogs propose it ("0.0001", "-0.5", "1.9"; 0 and -0 give "0").
std::string PlainNumStr(double v);

// A whole number a learner typed, read against the range lo .. hi (lo <= hi)
// the lesson accepts: the leading number part (Val) rounded to the nearest
// integer, halves to even.  The range is checked before any conversion to
// an integer, so an entry such as "-999...9" or "1e400" stays Below or Above
// and never turns into the integer limits.
struct WholeEntry {
  enum Where { Below, Inside, Above } where;
  std::int32_t value;  // Inside: the entry; Below: lo; Above: hi
};
WholeEntry ReadWhole(std::string_view text, std::int32_t lo, std::int32_t hi);
// The same for a value already read (NaN counts as below the range).
WholeEntry WholeIn(double value, std::int32_t lo, std::int32_t hi);

// Trimmed; a leading "." becomes "0.", a leading "-." becomes "-0."; a text
// without "." gets ".0" appended ("3" -> "3.0"), in an exponent form to its
// mantissa ("1E-20" -> "1.0E-20").
std::string FixNumStr(std::string_view text);
// Only the leading-zero repair of FixNumStr (".5" -> "0.5", "-.25" -> "-0.25").
std::string LeadZero(std::string_view text);

// Formats v with a numeric pattern of the lessons:
//   "0" a digit always shown, "#" a digit shown when significant, "." the
//   decimal point, "E+"/"E-" (or "e+"/"e-") an exponent with its sign always
//   ("+") or only when negative ("-"); the count of "0" after it is the least
//   number of exponent digits.  Characters before the first and after the last
//   placeholder are copied as they stand.
// Examples: ("#.00E+##", 1.1920929e-7) -> "1.19E-7"; ("#0.#####", 0.25) ->
// "0.25"; ("0.0E-00", 1.2e-5) -> "1.2E-05"; ("#0.00000", -1) -> "-1.00000".
// As the lessons have always shown them, a pattern whose optional decimals all
// fall away keeps its point ("#0.###" of 3 gives "3.").
// Details: the count of "0" before the point is the least number of integer
// digits (so "#.##" of 0.5 gives ".5"); after the point the placeholders give
// the most decimals and the last "0" the least.  An exponent pattern shows one
// integer digit (0 only for the value 0, with exponent 0) and at least one
// exponent digit.  The digits shown are those of the double's exact binary
// value, rounded once to the places shown (e^0.75 = 2.1170000166126747...
// gives "2.11700001661267" with 14 decimals; 1.005, stored as
// 1.00499999999999989..., gives "1.00" with two); an exact half, as in 2.5 or
// 0.125, rounds away from zero (2.5 with "0" gives "3").  A minus sign
// stands right before the digits and is left out when all shown digits are
// zero.  NaN gives "NaN" between the copied texts, an infinity is formatted as
// the largest finite double; a pattern without "0" or "#" is copied and
// followed by NumStr(v).
std::string Format(double v, std::string_view pattern);

// Trims blanks (ASCII space and tab) at both ends.
std::string Trim(std::string_view text);

}  // namespace lk
