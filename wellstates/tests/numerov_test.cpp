#include "numerov.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

using namespace wellstates;
using Div = NumerovSweep::Divergence;

static double peakOf(const std::vector<SweepPoint>& curve) {
  double peak = 0.0;
  for (const auto& p : curve) peak = std::max(peak, std::fabs(p.psi));
  return peak;
}

// At E = n + 1/2 the integrated curve is the Hermite function up to a factor.
TEST(WellstatesSweep, EigenvaluesGiveHermiteFunctions) {
  for (unsigned n = 0; n <= 3; ++n) {
    NumerovSweep sweep(n + 0.5);
    const auto curve = sweep.run();
    ASSERT_EQ(sweep.state(), NumerovSweep::State::Finished) << "n = " << n;
    auto phi = [n](double x) { return std::hermite(n, x) * std::exp(-x * x / 2); };
    // Least-squares factor over |x| <= 3, then the largest deviation.
    double num = 0, den = 0;
    for (const auto& p : curve) {
      if (std::fabs(p.x) > 3.0) continue;
      num += p.psi * phi(p.x);
      den += phi(p.x) * phi(p.x);
    }
    const double c = num / den, peak = peakOf(curve);
    for (const auto& p : curve) {
      if (std::fabs(p.x) > 3.0) continue;
      ASSERT_NEAR(p.psi, c * phi(p.x), 0.02 * peak) << "n = " << n << ", x = " << p.x;
    }
  }
}

TEST(WellstatesSweep, EigenvaluesStayBoundedAndDieOutOnTheRight) {
  for (double e : {0.5, 1.5, 2.5, 3.5}) {
    NumerovSweep sweep(e);
    const auto curve = sweep.run();
    EXPECT_EQ(sweep.state(), NumerovSweep::State::Finished) << "E = " << e;
    EXPECT_EQ(sweep.divergence(), Div::None);
    EXPECT_GT(curve.back().x, sweep.rangeEnd() - kStep) << "E = " << e;
    EXPECT_LT(std::fabs(curve.back().psi), 0.01 * peakOf(curve)) << "E = " << e;
    // Every point on the grid -x_m + i h, none skipped, none drifting.
    for (std::size_t i = 0; i < curve.size(); ++i) {
      ASSERT_NEAR(curve[i].x, -sweep.rangeEnd() + double(i) * kStep, 1e-12);
    }
    EXPECT_FALSE(sweep.next().has_value());
  }
}

// Off an eigenvalue the growing solution takes over beyond the right turning
// point, and the side it breaks out to flips as E crosses the eigenvalue.
TEST(WellstatesSweep, NonEigenvaluesDivergeToTheSideOfTheirError) {
  const std::pair<double, Div> cases[] = {
      {1.48, Div::Downward}, {1.52, Div::Upward}, {2.48, Div::Upward}, {2.52, Div::Downward}};
  for (const auto& [e, side] : cases) {
    NumerovSweep sweep(e);
    const auto curve = sweep.run();
    EXPECT_EQ(sweep.state(), NumerovSweep::State::Diverged) << "E = " << e;
    EXPECT_EQ(sweep.divergence(), side) << "E = " << e;
    EXPECT_GT(sweep.divergenceX(), turningPoint(e));
    // The point beyond the bound is not handed out; the last one is next to it.
    EXPECT_LE(peakOf(curve), kDivergenceBound);
    EXPECT_NEAR(curve.back().x + kStep, sweep.divergenceX(), 1e-12);
    EXPECT_FALSE(sweep.next().has_value());
  }
}

TEST(WellstatesSweep, EnergiesAtTheEndsOfTheRange) {
  for (double e : {kEnergyTop, 1e-300, 4.9e-324}) {
    NumerovSweep sweep(e);
    EXPECT_TRUE(std::isfinite(sweep.first().psi) && sweep.first().psi > 0) << "E = " << e;
    const auto curve = sweep.run();
    EXPECT_NE(sweep.state(), NumerovSweep::State::Running);
    EXPECT_LE(curve.size(), std::size_t(2 * sweep.rangeEnd() / kStep) + 1);
  }
  for (double e : {0.0, -1.0, 10.01, 1e300, std::nan("")}) {
    EXPECT_THROW(NumerovSweep{e}, std::invalid_argument) << "E = " << e;
  }
  NumerovSweep sweep(1.5);
  EXPECT_DOUBLE_EQ(sweep.dueTime(-sweep.rangeEnd()), 0.0);
  EXPECT_DOUBLE_EQ(sweep.dueTime(sweep.rangeEnd()), kSweepSeconds);
}

// psi'' = -psi and psi'' = +psi have the solutions sin x and exp x; Numerov's
// local error is of order h^6.
TEST(WellstatesNumerov, StepFollowsClosedForms) {
  const double h = kStep;
  for (double x : {0.0, 0.7, 2.0}) {
    EXPECT_NEAR(numerovNext(-1, std::sin(x), -1, std::sin(x + h), -1), std::sin(x + 2 * h), 1e-14);
    EXPECT_NEAR(numerovNext(1, std::exp(x), 1, std::exp(x + h), 1), std::exp(x + 2 * h),
                1e-14 * std::exp(x));
  }
}

// The start function is even and peaks at sqrt(E) with the value 2^(E/2).
TEST(WellstatesNumerov, StartFunctionPeak) {
  for (double e : {0.5, 1.48, 4.0, 10.0}) {
    const double top = std::sqrt(e);
    EXPECT_NEAR(startPsi(top, e), std::pow(2.0, e / 2), 1e-12 * std::pow(2.0, e / 2));
    EXPECT_LT(startPsi(top * 1.01, e), startPsi(top, e));
    EXPECT_LT(startPsi(top * 0.99, e), startPsi(top, e));
    EXPECT_DOUBLE_EQ(startPsi(-2.5, e), startPsi(2.5, e));
  }
  EXPECT_TRUE(std::isnan(startPsi(1.0, 0.0)) && std::isnan(startPsi(1.0, -2.0)));
}

TEST(WellstatesNumerov, BaselineIsTheLevelNearestAboveEMinusHalf) {
  EXPECT_EQ(baseline(1.0), 1.5);   // CInt(1.5) = 2
  EXPECT_EQ(baseline(0.5), 0.5);   // CInt(1.0) = 1
  EXPECT_EQ(baseline(2.0), 1.5);   // CInt(2.5) = 2, half to even
  EXPECT_EQ(baseline(3.0), 3.5);   // CInt(3.5) = 4
  EXPECT_EQ(baseline(0.01), 0.5);  // nothing lies below the ground level
  EXPECT_EQ(baseline(10.0), 9.5);  // CInt(10.5) = 10
}

TEST(WellstatesEnergyEntry, RangeAndProposals) {
  EXPECT_TRUE(readEnergy("10").accepted());
  const EnergyEntry high = readEnergy("10.01");
  EXPECT_EQ(high.verdict, EnergyVerdict::AboveTop);
  EXPECT_EQ(high.proposal, 10.0);
  EXPECT_EQ(energyText(high.proposal), "10");
  const EnergyEntry comma = readEnergy("2.5,4");
  EXPECT_TRUE(comma.accepted());
  EXPECT_EQ(comma.proposal, 2.5);
  for (const char* text : {"0", "0.0", "-1.5", "", ",4", "-", "."}) {
    const EnergyEntry e = readEnergy(text);
    EXPECT_EQ(e.verdict, EnergyVerdict::NotPositive) << '"' << text << '"';
    EXPECT_EQ(energyText(e.proposal), "0.5") << '"' << text << '"';
  }
}

// Whatever is typed, the answer is either accepted or a proposal that will be.
TEST(WellstatesEnergyEntry, HostileTexts) {
  const std::string digits(500, '9');
  for (const std::string text : {"abc", "nan", "inf", "-inf", "1e400", "1e-400", "１．５", "\xff\xfe",
                                 " 1.5 ", "1.5.3", "2,,", "0.000001", digits.c_str()}) {
    const EnergyEntry e = readEnergy(text);
    EXPECT_TRUE(checkEnergy(e.proposal).accepted()) << text;
    EXPECT_NO_THROW(NumerovSweep{e.proposal}) << text;
  }
  EXPECT_EQ(readEnergy("1e400").verdict, EnergyVerdict::AboveTop);
  EXPECT_EQ(readEnergy(digits).verdict, EnergyVerdict::AboveTop);
  EXPECT_EQ(readEnergy("1e-400").verdict, EnergyVerdict::NotPositive);
  EXPECT_EQ(checkEnergy(std::nan("")).verdict, EnergyVerdict::NotPositive);
}

TEST(WellstatesPlot, WorldWindowAndFrame) {
  // Pixel columns spread x from -10 to 6.5 evenly: the well from -6 to 6
  // with the energy axis and the legend left of it.
  EXPECT_NEAR(columnX(0, 660), -10.0, 1e-12);
  EXPECT_NEAR(columnX(660, 660), 6.5, 1e-12);
  EXPECT_NEAR(columnX(330, 660), -1.75, 1e-12);
  EXPECT_NEAR(columnX(1, 660) - columnX(0, 660), 16.5 / 660, 1e-12);
  EXPECT_EQ(levelEnergies().size(), 10u);
  EXPECT_EQ(levelEnergies().back(), 9.5);
  for (int dir : {1, -1}) {
    const auto branch = potentialBranch(dir);
    ASSERT_FALSE(branch.empty());
    EXPECT_EQ(branch.front().x, 0.0);
    // It stops at the last step not above the cut; one more would rise past it.
    const double beyond = branch.back().x + dir * kHalfWidth / 200;
    EXPECT_LE(branch.back().y, kEnergyTop);
    EXPECT_GT(beyond * beyond / 2, kEnergyTop);
  }
}
