// Number texts: reading typed numbers, integer conversions, the shortest
// decimal text and the plain texts the dialogs propose.  Expected texts are
// worked out from the rules in numtext.h; round trips check the conversions
// against each other and against the standard library.
#include <gtest/gtest.h>

#include <cfloat>
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

using lk::CInt;
using lk::CLng;
using lk::Int;
using lk::NumStr;
using lk::NumStrSingle;
using lk::Val;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValCase {
  std::string text;
  double expected;
};

void ExpectVal(const std::vector<ValCase>& cases) {
  for (const ValCase& c : cases) {
    const double v = Val(c.text);
    EXPECT_EQ(v, c.expected) << "Val(\"" << c.text.substr(0, 60) << "\")";
    EXPECT_FALSE(std::signbit(v) && v == 0.0) << "negative zero from \"" << c.text.substr(0, 60) << "\"";
  }
}

TEST(NumtextVal, LeadingNumberPart) {
  ExpectVal({
      {"", 0.0},          {"-", 0.0},        {"+", 0.0},         {".", 0.0},
      {"-.", 0.0},        {"-0", 0.0},       {"1.2.3", 1.2},     {"20,3", 20.0},
      {" 12 ", 12.0},     {"\t7", 7.0},      {"+5", 5.0},        {"-.5", -0.5},
      {"5.", 5.0},        {".25", 0.25},     {"007", 7.0},       {"0x10", 0.0},
      {"&H10", 0.0},      {"abc", 0.0},      {"12abc", 12.0},    {"1 2", 1.0},
      {"- 5", 0.0},       {"--5", 0.0},      {"3,7", 3.0},       {"4,", 4.0},
  });
}

TEST(NumtextVal, ExponentOnlyWithDigits) {
  ExpectVal({
      {"1e3", 1000.0},   {"1E+3", 1000.0},  {"2.5e-3", 0.0025}, {"1.5D3", 1500.0},
      {"1.5d-1", 0.15},  {"1e", 1.0},       {"1e+", 1.0},       {"1e-", 1.0},
      {"1e-x", 1.0},     {"3E+ 4", 3.0},    {"7E", 7.0},        {".5e1", 5.0},
      {"e5", 0.0},       {"1e0000000000000000000000000000002", 100.0},
  });
}

TEST(NumtextVal, OutOfRangeIsClampedOrZero) {
  ExpectVal({
      {"1e999", DBL_MAX},
      {"-1e999", -DBL_MAX},
      {"1e-999", 0.0},
      {"-1e-999", 0.0},
      {"1e99999999999999999999999", DBL_MAX},
      {"1e-99999999999999999999999", 0.0},
      {"1.7976931348623157e308", DBL_MAX},
      {"1.7976931348623159e308", DBL_MAX},  // rounds past the largest double
      {"1" + std::string(399, '0'), DBL_MAX},
      {std::string(100000, '9'), DBL_MAX},
      {"-" + std::string(100000, '9') + "e-99990", -1e10},
      {"0." + std::string(100000, '0') + "5", 0.0},
  });
}

TEST(NumtextVal, LongAndExactlyRounded) {
  ExpectVal({
      {"0.1", 0.1},
      {"0." + std::string(400, '3'), 1.0 / 3.0},
      {"0." + std::string(299, '0') + "1" + std::string(100, '0'), 1e-300},
      {"1" + std::string(299, '0'), 1e299},
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
      {"2.2250738585072014e-308", DBL_MIN},
      // 2^53 + 1 lies halfway between two doubles: ties go to even ...
      {"9007199254740993", 9007199254740992.0},
      {"9007199254740995", 9007199254740996.0},
      // ... but any non-zero digit after it, however far, rounds up.
      {"9007199254740993." + std::string(1000, '0') + "1", 9007199254740994.0},
  });
}

TEST(NumtextVal, HostileTexts) {
  const std::string letters(100000, 'x'), blanks(100000, ' ');
  ExpectVal({
      {"\xEF\xBC\x92", 0.0},        // full-width 2
      {"1\xEF\xBC\x92", 1.0},       // 1 then full-width 2
      {"\xEF\xBC\x8D" "1", 0.0},    // full-width minus
      {letters, 0.0},
      {"7" + letters, 7.0},
      {blanks + "3", 3.0},
      {std::string("5\0" "7", 3), 5.0},
      {"\xFF\xFE", 0.0},
  });
}

TEST(NumtextVal, ReadsBackShortestTextsExactly) {
  std::mt19937_64 rng(2024);
  for (int k = 0; k < 20000; ++k) {
    std::uint64_t bits = rng();
    double v;
    static_assert(sizeof v == sizeof bits);
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v) || v == 0.0) continue;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    ASSERT_EQ(Val(std::string(buf, r.ptr)), v) << std::string(buf, r.ptr);
  }
}

TEST(NumtextRound, CIntHalvesToEvenAndClamps) {
  struct Case {
    double v;
    std::int16_t expected;
  };
  for (const Case& c : std::vector<Case>{
           {0.5, 0},        {1.5, 2},          {2.5, 2},        {-2.5, -2},
           {-0.5, 0},       {3.5, 4},          {-1.5, -2},      {2.6, 3},
           {-2.4, -2},      {0.49999999999999994, 0},           {32766.5, 32766},
           {32767.4, 32767}, {32767.5, 32767}, {32768.0, 32767}, {-32768.5, -32768},
           {-32769.0, -32768}, {1e300, 32767}, {-1e300, -32768}, {kInf, 32767},
           {-kInf, -32768}, {kNaN, 0}}) {
    EXPECT_EQ(CInt(c.v), c.expected) << c.v;
  }
}

TEST(NumtextRound, CLngHalvesToEvenAndClamps) {
  struct Case {
    double v;
    std::int32_t expected;
  };
  for (const Case& c : std::vector<Case>{{0.5, 0},
                                         {1.5, 2},
                                         {-2.5, -2},
                                         {1e6 + 0.5, 1000000},
                                         {2147483646.5, 2147483646},
                                         {2147483647.5, 2147483647},
                                         {1e10, 2147483647},
                                         {-2147483648.5, -2147483647 - 1},
                                         {-1e10, -2147483647 - 1},
                                         {1e300, 2147483647},
                                         {kInf, 2147483647},
                                         {kNaN, 0}}) {
    EXPECT_EQ(CLng(c.v), c.expected) << c.v;
  }
}

TEST(NumtextRound, IntFloorsAndClamps) {
  struct Case {
    double v;
    std::int32_t expected;
  };
  for (const Case& c : std::vector<Case>{{2.7, 2},
                                         {-2.1, -3},
                                         {-0.5, -1},
                                         {3.0, 3},
                                         {-3.0, -3},
                                         {2147483647.9, 2147483647},
                                         {-2147483648.5, -2147483647 - 1},
                                         {1e300, 2147483647},
                                         {-1e300, -2147483647 - 1},
                                         {kNaN, 0}}) {
    EXPECT_EQ(Int(c.v), c.expected) << c.v;
  }
}

TEST(NumtextRound, RoundHalfEvenHasNoRangeLimit) {
  EXPECT_EQ(lk::RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(lk::RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(lk::RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(lk::RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(lk::RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(lk::RoundHalfEven(1e300), 1e300);
  EXPECT_EQ(lk::RoundHalfEven(4503599627370497.0), 4503599627370497.0);  // 2^52 + 1
  EXPECT_EQ(lk::RoundHalfEven(4503599627370495.5), 4503599627370496.0);
  EXPECT_EQ(lk::RoundHalfEven(kInf), kInf);
  EXPECT_TRUE(std::isnan(lk::RoundHalfEven(kNaN)));
}

struct TextCase {
  double v;
  const char* expected;
};

TEST(NumtextNumStr, ShortestTextWithFifteenDigits) {
  for (const TextCase& c : std::vector<TextCase>{
           {1.0, "1"},
           {0.5, ".5"},
           {-0.25, "-.25"},
           {1e-20, "1E-20"},
           {1.5e30, "1.5E+30"},
           {std::ldexp(1.0, -10), "9.765625E-04"},
           {1e15, "1E+15"},
           {123456789012345.0, "123456789012345"},
           {1234567890123456.0, "1.23456789012346E+15"},
           {999999999999999.9, "1E+15"},
           {0.1 + 0.2, ".3"},
           {std::ldexp(1.0, -52), "2.22044604925031E-16"},
           {0.0, "0"},
           {-0.0, "0"},
           {0.001, ".001"},
           {0.00099, "9.9E-04"},
           {-12.5, "-12.5"},
           {100.0, "100"},
           {1e100, "1E+100"},
           {1e-100, "1E-100"},
           {1.0 / 3.0, ".333333333333333"},
           {2.0 / 3.0, ".666666666666667"},
           {-2.0 / 3.0, "-.666666666666667"},
           {DBL_MAX, "1.79769313486232E+308"},
           {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
           {kInf, "1.79769313486232E+308"},
           {-kInf, "-1.79769313486232E+308"},
           {kNaN, "NaN"},
       }) {
    EXPECT_EQ(NumStr(c.v), c.expected) << c.v;
  }
}

TEST(NumtextNumStr, SingleWithSevenDigits) {
  struct Case {
    float v;
    const char* expected;
  };
  for (const Case& c : std::vector<Case>{
           {std::ldexp(1.0f, -23), "1.192093E-07"},
           {0.1f, ".1"},
           {0.5f, ".5"},
           {-0.25f, "-.25"},
           {3.14159265f, "3.141593"},
           {1234567.0f, "1234567"},
           {16777217.0f, "1.677722E+07"},  // stored as 16777216
           {0.001f, ".001"},
           {1e38f, "1E+38"},
           {std::ldexp(1.0f, -10), "9.765625E-04"},
       }) {
    EXPECT_EQ(NumStrSingle(c.v), c.expected) << c.v;
  }
}

TEST(NumtextNumStr, ReadsBackWithinFifteenDigits) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> mant(1.0, 10.0);
  std::uniform_int_distribution<int> ex(-300, 300);
  for (int k = 0; k < 5000; ++k) {
    const double v = (k % 2 ? -1.0 : 1.0) * mant(rng) * std::pow(10.0, ex(rng));
    const std::string s = NumStr(v);
    EXPECT_NEAR(Val(s), v, std::fabs(v) * 5.1e-15) << s;
    EXPECT_NE(s[0], ' ') << s;
    EXPECT_FALSE(s.starts_with("0.") || s.starts_with("-0.")) << s;
  }
}

TEST(NumtextRound, WholeEntriesStayInTheLessonsRange) {
  using W = lk::WholeEntry;
  struct Case {
    std::string text;
    std::int32_t lo, hi;
    W::Where where;
    std::int32_t value;
  };
  const std::string nines(300, '9');
  for (const Case& c : std::vector<Case>{
           {"-" + nines, -20, 20, W::Below, -20},
           {nines, -20, 20, W::Above, 20},
           {"1e400", 100, 5000, W::Above, 5000},
           {"-1e400", 100, 5000, W::Below, 100},
           {"1e-400", 2, 11, W::Below, 2},
           {"-", 0, 20, W::Inside, 0},
           {"", 1, 1000, W::Below, 1},
           {",", -20, 20, W::Inside, 0},
           {"-0", -20, 20, W::Inside, 0},
           {"2147483648", -20, 20, W::Above, 20},
           {"-2147483649", -2147483647 - 1, 2147483647, W::Below, -2147483647 - 1},
           {"2147483647", -2147483647 - 1, 2147483647, W::Inside, 2147483647},
           {"1.5", 0, 20, W::Inside, 2},  // halves to even
           {"2.5", 0, 20, W::Inside, 2},
           {"-2.5", -20, 20, W::Inside, -2},
           {"20.5", 0, 20, W::Inside, 20},
           {"20.51", 0, 20, W::Above, 20},
           {"-0.5", 0, 20, W::Inside, 0},
           {"-0.51", 0, 20, W::Below, 0},
           {"3,7", 0, 20, W::Inside, 3},
           {"21,7", 0, 20, W::Above, 20},
           {"99", 100, 5000, W::Below, 100},
           {"5001", 100, 5000, W::Above, 5000},
           {"0." + std::string(100000, '0') + "1", -5, 5, W::Inside, 0},
           {std::string(100000, '7'), 2, 11, W::Above, 11},
           {std::string(100000, '-'), 2, 11, W::Below, 2},
           {"1" + std::string(100000, 'x'), 2, 11, W::Below, 2},
           {"\xEF\xBC\x95", 2, 11, W::Below, 2},  // a full-width 5 is no digit
       }) {
    const W got = lk::ReadWhole(c.text, c.lo, c.hi);
    EXPECT_EQ(got.where, c.where) << '"' << c.text.substr(0, 40) << '"';
    EXPECT_EQ(got.value, c.value) << '"' << c.text.substr(0, 40) << '"';
  }
  EXPECT_EQ(lk::WholeIn(kNaN, 3, 9).where, W::Below);
}

TEST(NumtextTexts, PlainNumStrHasNoExponent) {
  for (const TextCase& c : std::vector<TextCase>{
           {0.0001, "0.0001"},
           {-0.0001, "-0.0001"},
           {1e-20, "0.00000000000000000001"},
           {-0.5, "-0.5"},
           {1.9, "1.9"},
           {0.0, "0"},
           {-0.0, "0"},
           {2.0 / 3.0, "0.666666666666667"},
           {1.5e20, "150000000000000000000"},
           {1234567890123456.0, "1234567890123460"},
       }) {
    EXPECT_EQ(lk::PlainNumStr(c.v), c.expected) << c.v;
  }
  // Whatever the magnitude, the text reads back as the value NumStr shows.
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> mant(1.0, 10.0);
  std::uniform_int_distribution<int> ex(-300, 300);
  for (int k = 0; k < 2000; ++k) {
    const double v = (k % 2 ? -1.0 : 1.0) * mant(rng) * std::pow(10.0, ex(rng));
    const std::string s = lk::PlainNumStr(v);
    ASSERT_EQ(s.find_first_not_of("-.0123456789"), std::string::npos) << s;
    EXPECT_EQ(Val(s), Val(NumStr(v))) << s;
  }
}

TEST(NumtextTexts, TrimLeadZeroFixNumStr) {
  EXPECT_EQ(lk::Trim("  a b \t"), "a b");
  EXPECT_EQ(lk::Trim("\t\t "), "");
  EXPECT_EQ(lk::Trim(""), "");
  EXPECT_EQ(lk::Trim("x"), "x");

  EXPECT_EQ(lk::LeadZero(".5"), "0.5");
  EXPECT_EQ(lk::LeadZero("-.25"), "-0.25");
  EXPECT_EQ(lk::LeadZero("5"), "5");
  EXPECT_EQ(lk::LeadZero("-5"), "-5");
  EXPECT_EQ(lk::LeadZero(""), "");
  EXPECT_EQ(lk::LeadZero(" .5"), " .5");
  EXPECT_EQ(lk::LeadZero("1.5E-20"), "1.5E-20");

  EXPECT_EQ(lk::FixNumStr("3"), "3.0");
  EXPECT_EQ(lk::FixNumStr(" .5 "), "0.5");
  EXPECT_EQ(lk::FixNumStr("-.25"), "-0.25");
  EXPECT_EQ(lk::FixNumStr("1.5"), "1.5");
  EXPECT_EQ(lk::FixNumStr("-3"), "-3.0");
  EXPECT_EQ(lk::FixNumStr("1E-20"), "1.0E-20");
  EXPECT_EQ(lk::FixNumStr("9.765625E-04"), "9.765625E-04");
  EXPECT_EQ(lk::FixNumStr(""), "0.0");
  EXPECT_EQ(lk::FixNumStr(NumStr(0.5)), "0.5");
  EXPECT_EQ(lk::FixNumStr(NumStr(-0.25)), "-0.25");
}

}  // namespace
