#include "epsilon.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace ur = unitround;

namespace {

// The exponent form the C library writes, with a fixed number of decimals:
// an independent spelling of a padded table entry.
std::string Printf(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

std::size_t DecimalsBeforeE(const std::string& s) {
  const std::size_t e = s.find('E');
  return e - s.find('.') - 1;
}

}  // namespace

// ---- The halving -------------------------------------------------------

TEST(Halving, ListsThePowersOfTwoDownToTheEpsilon) {
  const ur::Halving single = ur::Halve(ur::Precision::Single);
  ASSERT_EQ(single.entries.size(), 24u);
  for (int k = 0; k < 24; ++k) EXPECT_EQ(single.entries[k].value, std::ldexp(1.0, -k)) << k;
  EXPECT_EQ(single.eps, std::numeric_limits<float>::epsilon());
  EXPECT_EQ(single.eps, std::ldexp(1.0f, -23));

  const ur::Halving dbl = ur::Halve(ur::Precision::Double);
  ASSERT_EQ(dbl.entries.size(), 53u);
  for (int k = 0; k < 53; ++k) EXPECT_EQ(dbl.entries[k].value, std::ldexp(1.0, -k)) << k;
  EXPECT_EQ(double(dbl.eps), std::numeric_limits<double>::epsilon());
}

TEST(Halving, StopsOnlyBecauseTheSumIsRoundedToSingle) {
  // This binary is built optimised for SSE arithmetic, where a float sum is
  // a float.
  static_assert(FLT_EVAL_METHOD == 0, "built for SSE arithmetic");
  const float half = std::ldexp(1.0f, -24);
  EXPECT_EQ(ur::OnePlusSingle(half), 1.0f);
  EXPECT_GT(ur::OnePlusSingle(2 * half), 1.0f);
  // The same halving with 1 + e evaluated in double runs on past 2^-23 ...
  int steps = 0;
  for (float e = 1.0f; 1.0 + double(e) > 1.0; e *= 0.5f) ++steps;
  EXPECT_EQ(steps, 53);
  // ... and in the x87's extended format further still.
  if (std::numeric_limits<long double>::digits == 64) {
    steps = 0;
    for (float e = 1.0f; 1.0L + static_cast<long double>(e) > 1.0L; e *= 0.5f) ++steps;
    EXPECT_EQ(steps, 64);
  }
  // Double precision rounds at its own 53 bits.
  EXPECT_EQ(ur::OnePlusDouble(std::ldexp(1.0, -53)), 1.0);
  EXPECT_GT(ur::OnePlusDouble(std::ldexp(1.0, -52)), 1.0);
}

// ---- Texts -------------------------------------------------------------

TEST(MakeStr, WholeAndHalf) {
  for (bool dbl : {false, true}) {
    EXPECT_EQ(ur::MakeStr(1.0, dbl), "1.0");
    EXPECT_EQ(ur::MakeStr(0.5, dbl), "0.5");
    EXPECT_EQ(ur::MakeStr(0.25, dbl), "0.25");
    EXPECT_EQ(ur::MakeStr(3.0, dbl), "3.0");
  }
}

TEST(MakeStr, SingleTableHasFifteenDigitsAndFourteenDecimals) {
  const std::string s = ur::MakeStr(std::ldexp(1.0, -23), false);
  EXPECT_EQ(s, Printf("%.14E", std::ldexp(1.0, -23)));
  EXPECT_EQ(DecimalsBeforeE(s), 14u);
  // Every small entry of the single table: 15 significant digits, padded.
  for (const ur::Entry& e : ur::Halve(ur::Precision::Single).entries) {
    const std::string t = ur::MakeStr(e.value, false);
    if (e.value < 1e-3) {
      EXPECT_EQ(t, Printf("%.14E", e.value));
    } else {
      EXPECT_EQ(t.find('E'), std::string::npos) << t;
      EXPECT_EQ(std::stod(t), e.value) << t;  // short decimals are exact
      EXPECT_EQ(t.substr(0, 2), e.value == 1.0 ? "1." : "0.");
    }
  }
}

TEST(MakeStr, DoubleTableRoundsToSingleAndSixDecimals) {
  EXPECT_EQ(ur::MakeStr(std::ldexp(1.0, -10), true), "9.765625E-04");
  for (const ur::Entry& e : ur::Halve(ur::Precision::Double).entries) {
    const std::string t = ur::MakeStr(e.value, true);
    if (e.value < 1e-3) {
      EXPECT_EQ(t, Printf("%.6E", double(static_cast<float>(e.value))));
      EXPECT_EQ(DecimalsBeforeE(t), 6u);
    } else {
      EXPECT_EQ(std::stod(t), e.value) << t;
    }
  }
  // The smallest entry, 2^-52, in seven digits.
  EXPECT_EQ(ur::MakeStr(std::ldexp(1.0, -52), true), "2.220446E-16");
}

TEST(ResultLine, EpsilonAndItsPowerOfTwo) {
  const float single = ur::Halve(ur::Precision::Single).eps;
  const float dbl = ur::Halve(ur::Precision::Double).eps;
  EXPECT_EQ(ur::EpsilonText(single), "1.19E-7");
  EXPECT_EQ(ur::EpsilonText(dbl), "2.22E-16");
  EXPECT_EQ(ur::PowerText(single), "-23");
  EXPECT_EQ(ur::PowerText(dbl), "-52");
}

// ---- Placement ---------------------------------------------------------

TEST(Placement, MarginsRoundHalvesToEven) {
  // 2w = 14.5 goes down to 14, 2w = 15.5 up to 16; lh = 9, lh/2 = 4.5 -> 4.
  EXPECT_EQ(ur::MakeLayout(7.25f, 10).x0, 14.0f);
  EXPECT_EQ(ur::MakeLayout(7.75f, 10).x0, 16.0f);
  const ur::Layout l = ur::MakeLayout(7.25f, 10);
  EXPECT_FLOAT_EQ(l.lh, 9.0f);
  EXPECT_EQ(l.y0, 4.0f);
}

TEST(Placement, EntriesAndResultLine) {
  const ur::Layout l = ur::MakeLayout(10, 20);  // lh 18, x0 20, y0 9
  const ur::Halving dbl = ur::Halve(ur::Precision::Double);
  const ur::Point first = ur::EntryPlace(l, dbl.entries.front());
  EXPECT_FLOAT_EQ(first.x, 20);
  EXPECT_FLOAT_EQ(first.y, 27);
  // The first column of the double table holds 28 rows, the second the
  // other 25, 14 letters to the right.
  const ur::Point bottom = ur::EntryPlace(l, dbl.entries[27]);
  EXPECT_FLOAT_EQ(bottom.x, 20);
  EXPECT_FLOAT_EQ(bottom.y, 28 * 18 + 9);
  const ur::Point top = ur::EntryPlace(l, dbl.entries[28]);
  EXPECT_FLOAT_EQ(top.x, 160);
  EXPECT_FLOAT_EQ(top.y, 27);
  const ur::Point last = ur::EntryPlace(l, dbl.entries.back());
  EXPECT_FLOAT_EQ(last.x, 160);
  EXPECT_FLOAT_EQ(last.y, 25 * 18 + 9);
  const ur::Point result = ur::ResultPlace(l, dbl);
  EXPECT_FLOAT_EQ(result.x, 160);
  EXPECT_FLOAT_EQ(result.y, 27 * 18 + 9);

  const ur::Point single = ur::ResultPlace(l, ur::Halve(ur::Precision::Single));
  EXPECT_FLOAT_EQ(single.x, 20);
  EXPECT_FLOAT_EQ(single.y, 26 * 18 + 9);
}
