// The lessons' format patterns: exponent and fixed patterns, literal text
// around the number, extremes, and one rounding of the exact value checked
// against the C library's correctly rounded printf.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numtext.h"

namespace {

using lk::Format;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct FormatCase {
  const char* pattern;
  double v;
  const char* expected;
};

void ExpectFormat(const std::vector<FormatCase>& cases) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.v, c.pattern), c.expected) << "Format(" << c.v << ", \"" << c.pattern << "\")";
  }
}

TEST(NumtextFormat, ExponentPatterns) {
  ExpectFormat({
      {"#.00E+##", 1.1920929e-7, "1.19E-7"},
      {"#.00E+##", 3.4e38, "3.40E+38"},
      {"#.00E+##", 9.996, "1.00E+1"},  // the mantissa carry renormalises
      {"#.00E+##", 2.2204460492503131e-16, "2.22E-16"},
      {"#.00E+##", 1.0, "1.00E+0"},
      {"#.00E+##", -5e-3, "-5.00E-3"},
      {"#.00E+##", 0.0, "0.00E+0"},
      {"#.00E+###", 1.7014118346046923e38, "1.70E+38"},
      {"#.00E+###", 8.98846567431158e307, "8.99E+307"},
      {"#.000E+###", DBL_MAX, "1.798E+308"},
      {"#.000E+###", 1.2345e-100, "1.234E-100"},  // stored as 1.23449999...e-100
      {"0.0E-00", 1.2e-5, "1.2E-05"},
      {"0.0E-00", 12.0, "1.2E01"},
      {"0.0E-00", 0.04487, "4.5E-02"},
      {"0.0E-00", 1e100, "1.0E100"},
      {"0.0E-00", -0.96, "-9.6E-01"},
      {"0.0E-00", 0.996, "1.0E00"},
      {"0.000E+00", 1.2345678e-3, "1.235E-03"},
      {"0.000E+00", -2.5e-12, "-2.500E-12"},
      {"0.000E+00", 0.0, "0.000E+00"},
      {"#.##E-##", 3.39e-6, "3.39E-6"},
      {"#.##E-##", 4.87e-6, "4.87E-6"},
      {"#.##E-##", 1.5e-6, "1.5E-6"},
      {"#.##E-##", 4e-6, "4.E-6"},
      {"#.##E-##", 250.0, "2.5E2"},
      {"#.#0E-##", 1.234e-10, "1.23E-10"},
      {"#.#0E-##", 5e-16, "5.00E-16"},
      {"#.#0E-##", 1.2e3, "1.20E3"},
      {"#.#0E-##", 0.0, "0.00E0"},
      {"0.00E-##", 1.2e-5, "1.20E-5"},
      {"0.00E-##", -3.456e-4, "-3.46E-4"},
      {"0.00E-##", 70.0, "7.00E1"},
      {"0.00e-##", 70.0, "7.00e1"},
      // The smallest subnormal is 4.9406564584124654...e-324 (shortest "5e-324").
      {"#.00E+##", std::numeric_limits<double>::denorm_min(), "4.94E-324"},
  });
}

TEST(NumtextFormat, FixedPatterns) {
  ExpectFormat({
      {"#0.#####", 1.3130352854993312, "1.31304"},
      {"#0.#####", 0.25, "0.25"},
      {"#0.#####", 2.0, "2."},
      {"#0.#####", -0.8, "-0.8"},
      {"#0.#####", 0.000004, "0."},
      {"#0.#####", 1.999996, "2."},
      {"#0.#####", 12345.678901, "12345.6789"},
      {"#0.00000", -1.0, "-1.00000"},
      {"#0.00000", 0.123456, "0.12346"},
      {"#0.00000", -0.0000049, "0.00000"},  // shows only zeros: no sign
      {"#0.00000", -0.0000051, "-0.00001"},
      {"#0.00000", 0.0, "0.00000"},
      {"#.00000", 0.5, ".50000"},
      {"#.00000", 1.25, "1.25000"},
      {"#.00000", -0.5, "-.50000"},
      {"#.00000", 0.0, ".00000"},
      {"###0.0", 12.5, "12.5"},
      {"###0.0", 0.0, "0.0"},
      {"###0.0", 31.96, "32.0"},
      {"###0.0", 12345.67, "12345.7"},
      {"###0.0", 0.04, "0.0"},
      {"#.#######", 6.283185307179586, "6.2831853"},
      {"#.#######", 0.1, ".1"},
      {"#.#######", 3.0, "3."},
      {"#0.###", 3.0, "3."},
      {"#0.###", 0.5, "0.5"},
      {"#0.###", 1.2345, "1.234"},  // stored as 1.23449999...
      {"#0.###", -2.0004, "-2."},
      {"0.0", 0.5, "0.5"},
      {"0.0", -0.5, "-0.5"},
      {"0.0", 0.05, "0.1"},
      {"0.0", 0.04, "0.0"},
      {"0.0", -0.04, "0.0"},
      {"0.0", 1.25, "1.3"},
      {"0.0", 9.96, "10.0"},
      {"0.", 3.0, "3."},
      {"0.", 2.5, "3."},
      {"0.", 0.4, "0."},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0", 0.5, "1"},
      {"0", 0.49, "0"},
      {"0", 1234.5, "1235"},
      {"0", 1e20, "100000000000000000000"},
      {"00", 7.0, "07"},
      {"#.##", 0.5, ".5"},
      {"0.#############0", 2.0 / 3.0, "0.66666666666667"},
      {"0.#############0", 0.5, "0.50000000000000"},
      {"0.#############0", -1.0 / 3.0, "-0.33333333333333"},
      {"0.#0000000000000", 0.11778303565638, "0.11778303565638"},
      {"0.#0000000000000", 2.0 / 3.0, "0.66666666666667"},
      {"0.#0000000000000", 1e-15, "0.00000000000000"},
  });
}

TEST(NumtextFormat, LiteralTextAroundTheNumber) {
  ExpectFormat({
      {" 0.00000 ", 1.23456789, " 1.23457 "},
      {" 0.00000 ", -1.0, " -1.00000 "},
      {"x = 0.0 m", 2.25, "x = 2.3 m"},
      {"(#.00E+##)", 1.5e-7, "(1.50E-7)"},
  });
}

TEST(NumtextFormat, ExtremesDoNotBreak) {
  const std::string big = Format(DBL_MAX, "#0.00000");
  EXPECT_EQ(big.size(), 309u + 6u);
  EXPECT_EQ(big.substr(0, 17), "17976931348623157");
  EXPECT_EQ(big.substr(309), ".00000");
  EXPECT_EQ(Format(-DBL_MAX, "0").size(), 310u);
  EXPECT_EQ(Format(kInf, "#.00E+##"), "1.80E+308");
  EXPECT_EQ(Format(-kInf, "#.00E+##"), "-1.80E+308");
  EXPECT_EQ(Format(kNaN, " 0.0 "), " NaN ");
  EXPECT_EQ(Format(1e-320, "0.00"), "0.00");
  EXPECT_EQ(Format(9.9999999999999999e307, "0.0E+00"), "1.0E+308");
  EXPECT_EQ(Format(0.5, ""), ".5");
  EXPECT_EQ(Format(2.0, "abc"), "abc2");
}

// The digits Format shows against glibc's printf, which rounds the exact
// binary value once (ties to even).  Format rounds an exact half away from
// zero, so a value exactly halfway at the last shown place is nudged one ulp
// away from zero before printf sees it.
struct Rounding {
  double v;
  bool sci;      // "0.000E+00" and "%.*E", else "0.000" and "%.*f"
  int decimals;
};

std::string PatternOf(const Rounding& r) {
  std::string p = "0";
  if (r.decimals > 0) p += "." + std::string(std::size_t(r.decimals), '0');
  return r.sci ? p + "E+00" : p;
}

// Whether |v| lies exactly halfway between two values shown with r's places.
bool ExactHalf(const Rounding& r) {
  if (r.v == 0 || !std::isfinite(r.v)) return false;
  std::vector<char> buf(1000);
  std::snprintf(buf.data(), buf.size(), "%.800e", std::fabs(r.v));  // every digit of a double
  const std::string s = buf.data();
  const std::string digits = s.substr(0, 1) + s.substr(2, s.find('e') - 2);
  const int exp10 = std::atoi(s.c_str() + s.find('e') + 1);
  const long keep = r.sci ? r.decimals + 1 : exp10 + 1L + r.decimals;
  if (keep < 0 || keep >= long(digits.size()) || digits[std::size_t(keep)] != '5') return false;
  return digits.find_first_not_of('0', std::size_t(keep) + 1) == std::string::npos;
}

std::string Printf(const Rounding& r) {
  double a = std::fabs(r.v);
  if (ExactHalf(r)) a = std::nextafter(a, kInf);
  std::vector<char> buf(400);
  std::snprintf(buf.data(), buf.size(), r.sci ? "%.*E" : "%.*f", r.decimals, a);
  const std::string s = buf.data();
  const bool allZero = s.find_first_of("123456789") >= (r.sci ? s.find('E') : s.size());
  return (r.v < 0 && !allZero ? "-" : "") + s;
}

TEST(NumtextFormat, RoundsTheExactValueOnce) {
  std::vector<Rounding> cases = {
      {std::exp(0.75), false, 14},  // 2.11700001661267478..., shortest text ...675
      {std::exp(0.75), true, 14},
      {1.005, false, 2},            // 1.00499999999999989...
      {-1.005, false, 2},
      {1.2345, false, 3},
      {1.2345e-100, true, 3},
      {2.675, false, 2},
      {0.125, false, 2},            // exact halves: away from zero
      {-0.125, false, 2},
      {2.5, false, 0},
      {-2.5, false, 0},
      {0.5, false, 0},
      {1.25, false, 1},
      {9.5, true, 0},
      {4503599627370496.5, false, 0},
      {0.0, false, 3},
      {0.0, true, 2},
      {-0.0000049, false, 5},
      {std::numeric_limits<double>::denorm_min(), true, 2},
      {std::numeric_limits<double>::denorm_min(), true, 40},
      {DBL_MAX, false, 2},
      {DBL_MAX, true, 16},
      {DBL_MIN, true, 25},
      {1e23, false, 0},
      {0.1, false, 30},
  };
  std::mt19937_64 rng(20240611);
  std::uniform_int_distribution<int> places(0, 17), length(2, 17), tens(-20, 20);
  for (int k = 0; k < 22000; ++k) {
    switch (k % 3) {
      case 0: {  // any double
        const std::uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) v = 1.0 / 3.0;
        cases.push_back({v, k % 2 == 0, places(rng)});
        break;
      }
      case 1: {  // a short decimal whose text ends in 5 right after the last shown place
        const int n = length(rng);
        std::string digits;
        for (int i = 1; i < n; ++i) digits.push_back(char('0' + rng() % 10));
        digits[0] = char('1' + rng() % 9);
        const int e = tens(rng);
        const std::string text = digits + "5e" + std::to_string(e - n + 1);
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        const bool sci = rng() % 2 == 0;
        const int shown = sci ? n - 2 : n - 2 - e;
        if (shown >= 0) cases.push_back({rng() % 2 ? -v : v, sci, shown});
        break;
      }
      default:  // a binary fraction: exact halves and their neighbours
        cases.push_back({std::ldexp(double(rng() % 100000), -int(rng() % 12)), false, int(rng() % 4)});
        break;
    }
  }
  int differ = 0, halves = 0;
  for (const Rounding& r : cases) {
    halves += ExactHalf(r);
    const std::string expected = Printf(r), got = Format(r.v, PatternOf(r));
    if (got != expected && ++differ <= 10)
      ADD_FAILURE() << std::setprecision(17) << r.v << " with \"" << PatternOf(r) << "\": " << got
                    << ", correctly rounded " << expected;
  }
  EXPECT_EQ(differ, 0) << "of " << cases.size();
  EXPECT_GT(halves, 1000);  // the sample does reach the exact halves
  EXPECT_EQ(Format(std::exp(0.75), "0.#############0"), "2.11700001661267");
}

}  // namespace
