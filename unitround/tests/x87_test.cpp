// The halving built for the x87 unit, whose registers hold 64 significant
// bits: only the stored rounding ends the loop at the format's own epsilon.
#include <cfloat>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "epsilon.h"

namespace ur = unitround;

TEST(HalvingOnX87, StoredRoundingStillEndsAtTheFormatsEpsilon) {
  static_assert(FLT_EVAL_METHOD != 0, "built for x87 arithmetic");
  const ur::Halving single = ur::Halve(ur::Precision::Single);
  EXPECT_EQ(single.entries.size(), 24u);
  EXPECT_EQ(single.eps, std::numeric_limits<float>::epsilon());
  const ur::Halving dbl = ur::Halve(ur::Precision::Double);
  EXPECT_EQ(dbl.entries.size(), 53u);
  EXPECT_EQ(double(dbl.eps), std::numeric_limits<double>::epsilon());
  EXPECT_EQ(ur::OnePlusSingle(std::ldexp(1.0f, -24)), 1.0f);
  EXPECT_EQ(ur::OnePlusDouble(std::ldexp(1.0, -53)), 1.0);
}
