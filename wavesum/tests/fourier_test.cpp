// The Fourier series lesson's mathematics against closed forms and a direct
// summation of the series, independent of the FFT.
#include "fourier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

using namespace wavesum;

namespace {

constexpr double kPi = std::numbers::pi;

// S_M(x) summed term by term from the textbook coefficients.
double DirectSum(Wave wave, int M, double x) {
  double s = 0;
  for (int k = 1; k <= 2 * M - 1; k += 2) {
    const double kpi = k * kPi;
    switch (wave) {
      case Wave::Square: s += 4 / kpi * std::sin(k * x); break;
      case Wave::Triangle: s += 8 / (kpi * kpi) * std::cos(k * x); break;
      case Wave::Parabola: s += 32 / (kpi * kpi * kpi) * std::sin(k * x); break;
    }
  }
  return s;
}

double SampleAt(const std::vector<double>& C, int j) { return C[std::size_t(2 * j)]; }

// Index of the largest sample in j = first .. last.
int ArgMax(const std::vector<double>& C, int first, int last) {
  int best = first;
  for (int j = first; j <= last; ++j)
    if (SampleAt(C, j) > SampleAt(C, best)) best = j;
  return best;
}

}  // namespace

// ---- Functions and coefficient tables -------------------------------------

TEST(WavesumCore, ExactFunctionsHaveTheirShapes) {
  // Square wave: +1 on (0, pi), -1 on (pi, 2pi), periodic, also left of 0.
  EXPECT_EQ(Exact(Wave::Square, 1.0), 1.0);
  EXPECT_EQ(Exact(Wave::Square, 4.0), -1.0);
  EXPECT_EQ(Exact(Wave::Square, -1.0), -1.0);
  EXPECT_EQ(Exact(Wave::Square, -4.0), 1.0);
  // Triangle: (-1)^k at k pi, 1 - 2|x|/pi on [-pi, pi].
  for (double x : {-3.0, -1.2, 0.0, 0.7, 2.9})
    EXPECT_NEAR(Exact(Wave::Triangle, x), 1 - 2 * std::abs(x) / kPi, 1e-14) << x;
  EXPECT_NEAR(Exact(Wave::Triangle, 3 * kPi), -1, 1e-12);
  EXPECT_NEAR(Exact(Wave::Triangle, -2 * kPi), 1, 1e-12);
  // x(pi - x) scaled to peak 1 at pi/2, odd about 0 and 2pi-periodic.
  EXPECT_NEAR(Exact(Wave::Parabola, kPi / 2), 1, 1e-14);
  EXPECT_NEAR(Exact(Wave::Parabola, -kPi / 2), -1, 1e-14);
  EXPECT_NEAR(Exact(Wave::Parabola, 1.0 + 2 * kPi), Exact(Wave::Parabola, 1.0), 1e-12);
  EXPECT_NEAR(Exact(Wave::Parabola, 1.0), 4 / (kPi * kPi) * 1.0 * (kPi - 1.0), 1e-14);
}

TEST(WavesumCore, TablesHoldOnlyOddHarmonicsOfTheirKind) {
  std::vector<double> A(3, 7.0), B(5, 7.0);  // stale contents must go
  struct Case {
    Wave wave;
    bool cosine;
    double (*coefficient)(int k);
  };
  const Case cases[] = {
      {Wave::Square, false, [](int k) { return 4 / (k * kPi); }},
      {Wave::Triangle, true, [](int k) { return 8 / ((k * kPi) * (k * kPi)); }},
      {Wave::Parabola, false, [](int k) { return 32 / std::pow(k * kPi, 3); }},
  };
  for (const Case& c : cases) {
    GetData(c.wave, A, B);
    ASSERT_EQ(A.size(), std::size_t(kHighest) + 1);
    ASSERT_EQ(B.size(), std::size_t(kHighest) + 1);
    const std::vector<double>& filled = c.cosine ? A : B;
    const std::vector<double>& empty = c.cosine ? B : A;
    for (int k : {1, 3, 1999, 8191}) EXPECT_NEAR(filled[k], c.coefficient(k), 1e-15 * c.coefficient(1)) << k;
    for (int k : {0, 2, 1000, 8192}) EXPECT_EQ(filled[k], 0.0) << k;
    EXPECT_TRUE(std::all_of(empty.begin(), empty.end(), [](double v) { return v == 0; }));
  }
}

// ---- Synthesis ------------------------------------------------------------

TEST(WavesumCore, FftSynthesisEqualsTheDirectSum) {
  Synthesizer syn;
  struct Case {
    Wave wave;
    int M;
  };
  for (const Case c : {Case{Wave::Square, 1}, Case{Wave::Square, 50}, Case{Wave::Square, 1000},
                       Case{Wave::Triangle, 10}, Case{Wave::Parabola, 5}}) {
    SCOPED_TRACE(c.M);
    const std::vector<double>& C = syn.Synthesize(c.wave, c.M);
    ASSERT_EQ(C.size(), 2 * std::size_t(kSamples));
    for (int j = 0; j < kSamples; j += 53) {
      const double x = 2 * kPi * j / kSamples;
      EXPECT_NEAR(SampleAt(C, j), DirectSum(c.wave, c.M, x), 1e-12) << "sample " << j;
      EXPECT_NEAR(C[std::size_t(2 * j + 1)], 0.0, 1e-12) << "sample " << j;
    }
  }
}

TEST(WavesumCore, LowestPartialSumsAreSingleHarmonics) {
  Synthesizer syn;
  const int quarter = kSamples / 4;  // x = pi/2
  // Square wave, M = 1: (4/pi) sin x, peak 1.2732 at pi/2.
  const std::vector<double>& square = syn.Synthesize(Wave::Square, 1);
  EXPECT_NEAR(SampleAt(square, quarter), 1.2732, 5e-5);
  EXPECT_EQ(ArgMax(square, 0, kSamples - 1), quarter);
  // Triangle, M = 1: (8/pi^2) cos x, 0.8106 at 0.
  const std::vector<double>& triangle = syn.Synthesize(Wave::Triangle, 1);
  EXPECT_NEAR(SampleAt(triangle, 0), 0.8106, 5e-5);
  // x(pi - x), M = 1: (32/pi^3) sin x, 1.0320 at pi/2, against the function's 1.
  const std::vector<double>& parabola = syn.Synthesize(Wave::Parabola, 1);
  EXPECT_NEAR(SampleAt(parabola, quarter), 1.0320, 5e-5);
  EXPECT_NEAR(Exact(Wave::Parabola, kPi / 2), 1.0, 1e-12);
}

TEST(WavesumCore, GibbsOvershootStaysWhileItsPeakMovesToTheJump) {
  Synthesizer syn;
  struct Case {
    int M;
    double peak;  // height of the first maximum right of 0, at pi/(2M)
  };
  for (const Case c : {Case{50, 1.17901}, Case{1000, 1.17898}}) {
    SCOPED_TRACE(c.M);
    const double at = kPi / (2 * c.M);
    EXPECT_NEAR(DirectSum(Wave::Square, c.M, at), c.peak, 1e-5);
    // The samples: the largest one before the first minimum (at pi/M) is
    // the sample nearest pi/(2M), and no sample anywhere rises higher than
    // the true peak.
    const std::vector<double>& C = syn.Synthesize(Wave::Square, c.M);
    const int nearest = int(std::lround(at / Delta()));
    const int firstMinimum = int(kPi / c.M / Delta());
    EXPECT_EQ(ArgMax(C, 1, firstMinimum), nearest);
    EXPECT_NEAR(SampleAt(C, nearest), c.peak, 1e-3);
    EXPECT_LE(SampleAt(C, ArgMax(C, 0, kSamples - 1)), c.peak + 1e-5);
  }
}

TEST(WavesumCore, TriangleWithTenTermsMissesMostAtItsCorners) {
  Synthesizer syn;
  const std::vector<double>& C = syn.Synthesize(Wave::Triangle, 10);
  double worst = 0;
  int worstAt = -1;
  for (int j = 0; j < kSamples; ++j) {
    const double d = std::abs(SampleAt(C, j) - Exact(Wave::Triangle, j * Delta()));
    if (d > worst) {
      worst = d;
      worstAt = j;
    }
  }
  EXPECT_NEAR(worst, 0.02, 0.002);
  // The corners are at 0 and pi.
  EXPECT_TRUE(worstAt == 0 || worstAt == kSamples / 2) << worstAt;
}

TEST(WavesumCore, SquareWaveSumsAreZeroAtTheJump) {
  Synthesizer syn;
  for (int M : {1, 2, 7, 50, 333, 1000})
    EXPECT_NEAR(SampleAt(syn.Synthesize(Wave::Square, M), 0), 0.0, 1e-12) << M;
}

TEST(WavesumCore, SpectrumRefusesTermCountsTheTablesCannotHold) {
  std::vector<double> A, B, C;
  GetData(Wave::Square, A, B);
  EXPECT_THROW(BuildSpectrum(A, B, 0, C), std::out_of_range);
  EXPECT_THROW(BuildSpectrum(A, B, -3, C), std::out_of_range);
  EXPECT_THROW(BuildSpectrum(A, B, kMostTerms + 1, C), std::out_of_range);
  std::vector<double> shortTable(10, 0.0);
  EXPECT_THROW(BuildSpectrum(shortTable, B, 1, C), std::out_of_range);
  // The largest accepted count reaches harmonic 1999 and its mirror, and
  // nothing between them.
  BuildSpectrum(A, B, kMostTerms, C);
  EXPECT_NEAR(C[2 * 1999 + 1], 2 / (1999 * kPi), 1e-15);
  EXPECT_NEAR(C[2 * (kSamples - 1999) + 1], -2 / (1999 * kPi), 1e-15);
  EXPECT_EQ(C[2 * 2001 + 1], 0.0);
  EXPECT_EQ(C[2 * (kSamples / 2) + 1], 0.0);
}

// ---- Reading the samples over a range --------------------------------------

TEST(WavesumCore, ReadingStartsWhereTheRangeFallsInThePeriod) {
  // xmin = -5 lies at -5 + 2pi = 1.28 within the period: the first sample
  // is the one at or left of it, in the first half of the array.
  const SampleReader wide(-5);
  const int j = int(std::floor((-5 + 2 * kPi) / Delta()));
  EXPECT_EQ(wide.position(), 2 * j);
  EXPECT_LT(wide.position(), kSamples);
  EXPECT_EQ(wide.counter(), j - kSamples);
  EXPECT_LE(wide.x(), -5.0);
  EXPECT_GT(wide.x(), -5.0 - Delta());

  // The Gibbs view's -0.1 starts near the end of the array and wraps to
  // sample 0 exactly where x reaches 0.
  SampleReader r(-0.1);
  EXPECT_GT(r.position(), kSamples);
  int steps = 0;
  while (r.position() != 0) {
    r.Advance();
    ++steps;
    ASSERT_LT(steps, kSamples);
  }
  EXPECT_EQ(r.counter(), 0);
  EXPECT_EQ(steps, int(std::ceil(0.1 / Delta())));
}

TEST(WavesumCore, ReadSamplesCoverTheRangeAcrossPeriods) {
  Synthesizer syn;
  const std::vector<double>& C = syn.Synthesize(Wave::Parabola, 5);
  const std::vector<SamplePoint> pts = ReadSamples(C, -5, 7);
  ASSERT_FALSE(pts.empty());
  EXPECT_LE(pts.front().x, -5.0);
  EXPECT_GE(pts.back().x, 7.0);
  EXPECT_LT(pts[pts.size() - 2].x, 7.0);  // the first point at or past xmax ends it
  EXPECT_EQ(pts.size(), std::size_t(std::ceil(7 / Delta()) - std::floor(-5 / Delta()) + 1));
  int wraps = 0;
  for (std::size_t i = 0; i < pts.size(); i += 97) {
    EXPECT_NEAR(pts[i].y, DirectSum(Wave::Parabola, 5, pts[i].x), 1e-12) << pts[i].x;
  }
  for (std::size_t i = 1; i < pts.size(); ++i) wraps += pts[i].position == 0;
  EXPECT_EQ(wraps, 2);  // at x = 0 and x = 2pi

  // About 520 samples around the jump in the Gibbs view.
  EXPECT_NEAR(double(ReadSamples(C, -0.1, 0.1).size()), 0.2 / Delta(), 2);
  EXPECT_TRUE(ReadSamples(C, 1, 1 - 1e-9).empty());
  std::vector<double> tooShort(8, 0.0);
  EXPECT_THROW(ReadSamples(tooShort, 0, 1), std::out_of_range);
}

// ---- The entry row ---------------------------------------------------------

TEST(WavesumCore, GibbsViewStepsItsProposalsOthersRepeatTheLast) {
  const Section& gibbs = SectionOf(4);
  std::vector<int> offered;
  int M = 1;
  for (int i = 0; i < 6; ++i) offered.push_back(M = ProposeTerms(gibbs, M));
  EXPECT_EQ(offered, (std::vector<int>{50, 100, 200, 500, 1000, 1000}));
  EXPECT_EQ(ProposeTerms(gibbs, 300), 300);
  EXPECT_EQ(ProposeTerms(gibbs, 49), 50);
  EXPECT_EQ(ProposeTerms(gibbs, 51), 51);
  // Sections 1 to 3 offer the last value, kept inside their range.
  EXPECT_EQ(ProposeTerms(SectionOf(1), 1), 1);
  EXPECT_EQ(ProposeTerms(SectionOf(1), 37), 37);
  EXPECT_EQ(ProposeTerms(SectionOf(2), 50), 10);
  EXPECT_EQ(ProposeTerms(SectionOf(3), 0), 1);
  EXPECT_EQ(ProposeTerms(SectionOf(3), -7), 1);
}

TEST(WavesumCore, EntryTextsAreAcceptedCorrectedOrCancel) {
  struct Case {
    const char* text;
    int max;
    TermsCheck::Outcome outcome;
    int terms;
    const char* shown;
  };
  const Case cases[] = {
      {"", 50, TermsCheck::Cancelled, 0, ""},
      {"7", 50, TermsCheck::Accepted, 7, ""},
      {"50", 50, TermsCheck::Accepted, 50, ""},
      {"12,3", 50, TermsCheck::Accepted, 12, ""},  // a colour after the comma
      {"2.5", 50, TermsCheck::Accepted, 2, ""},    // rounded, halves to even
      {"60", 50, TermsCheck::Corrected, 50, "50"},
      {"11", 10, TermsCheck::Corrected, 10, "10"},
      {"0", 5, TermsCheck::Corrected, 1, "1"},
      {"-3", 50, TermsCheck::Corrected, 1, "1"},
      {"-0", 50, TermsCheck::Corrected, 1, "1"},
      {"0.4", 50, TermsCheck::Corrected, 1, "1"},
      {"-", 50, TermsCheck::Corrected, 1, "1"},
      {".", 50, TermsCheck::Corrected, 1, "1"},
      {",,,", 50, TermsCheck::Corrected, 1, "1"},
      {"abc", 50, TermsCheck::Corrected, 1, "1"},
      {"1.2.3", 50, TermsCheck::Accepted, 1, ""},
      {"1e999", 1000, TermsCheck::Corrected, 1000, "1000"},
      {"-1e999", 1000, TermsCheck::Corrected, 1, "1"},
      {"99999999999999999999", 1000, TermsCheck::Corrected, 1000, "1000"},
      {"2147483648", 5, TermsCheck::Corrected, 5, "5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TermsCheck r = CheckTerms(c.text, c.max);
    EXPECT_EQ(r.outcome, c.outcome);
    if (c.outcome != TermsCheck::Cancelled) {
      EXPECT_EQ(r.terms, c.terms);
    }
    if (c.outcome == TermsCheck::Corrected) {
      EXPECT_EQ(r.text, c.shown);
    }
  }
  const std::string longText(5000, '9');
  EXPECT_EQ(CheckTerms(longText, 50).terms, 50);
}
