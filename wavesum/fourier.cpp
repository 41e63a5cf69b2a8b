#include "fourier.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "fft.h"
#include "numtext.h"

namespace wavesum {

namespace {

// Forward sign, no scaling: with the conjugate-symmetric spectrum the
// transform sums the series at the sample points.
constexpr std::int16_t kForward = 1;

// The Gibbs view's proposals, in the order they are offered.
constexpr std::int32_t kGibbsSteps[] = {50, 100, 200, 500, 1000};

constexpr Section kSections[] = {
    {1, Wave::Square, -5, 7, 50, 0},
    {2, Wave::Triangle, -5, 7, 10, 1.3},
    {3, Wave::Parabola, -5, 7, 5, 0},
    {4, Wave::Square, -0.1, 0.1, 1000, 1.3},
};

constexpr double kLegendStep = 0.15;

static_assert(2 * kMostTerms - 1 < kSamples / 2,
              "the harmonics and their mirrors must not meet in the spectrum");
static_assert(std::all_of(std::begin(kSections), std::end(kSections),
                          [](const Section& s) { return s.maxTerms <= kMostTerms; }),
              "every section's entries must fit the coefficient tables");

}  // namespace

const Section& SectionOf(int number) {
  return kSections[std::clamp(number, 1, 4) - 1];
}

double Pi() { return 4.0 * std::atan(1.0); }
double Sq(double x) { return x * x; }
std::int32_t Floor(double a) { return lk::Int(a); }
double Delta() { return 2.0 * Pi() / kSamples; }

double Exact(Wave wave, double x) {
  const double pi = Pi();
  const std::int32_t m = Floor(x / pi);
  const double u = x - m * pi;  // 0 <= u < pi
  const bool odd = (m % 2) != 0;
  switch (wave) {
    case Wave::Square:
      return odd ? -1.0 : 1.0;
    case Wave::Triangle: {
      // From (m pi, (-1)^m) straight to ((m + 1) pi, (-1)^(m + 1)).
      const double v = 1.0 - 2.0 * u / pi;
      return odd ? -v : v;
    }
    case Wave::Parabola: {
      const double v = 4.0 / Sq(pi) * u * (pi - u);
      return odd ? -v : v;
    }
  }
  return 0;
}

void GetData(Wave wave, std::vector<double>& A, std::vector<double>& B) {
  A.assign(kHighest + 1, 0.0);
  B.assign(kHighest + 1, 0.0);
  const double pi = Pi();
  for (std::int32_t k = 1; k < kHighest; k += 2) {
    const double kpi = k * pi;
    switch (wave) {
      case Wave::Square: B[std::size_t(k)] = 4.0 / kpi; break;
      case Wave::Triangle: A[std::size_t(k)] = 8.0 / Sq(kpi); break;
      case Wave::Parabola: B[std::size_t(k)] = 32.0 / std::pow(kpi, 3); break;
    }
  }
}

void BuildSpectrum(const std::vector<double>& A, const std::vector<double>& B, std::int32_t M,
                   std::vector<double>& C) {
  if (M < 1 || M > kMostTerms) throw std::out_of_range("number of terms outside 1..1000");
  if (A.size() < std::size_t(kHighest) + 1 || B.size() < std::size_t(kHighest) + 1)
    throw std::out_of_range("coefficient tables too short");
  C.assign(2 * std::size_t(kSamples), 0.0);
  C[0] = A[0] / 2;
  for (std::int32_t k = 1; k <= 2 * M - 1; ++k) {
    const std::size_t up = 2 * std::size_t(k), down = 2 * std::size_t(kSamples - k);
    C[up] = A[std::size_t(k)] / 2;
    C[up + 1] = B[std::size_t(k)] / 2;
    C[down] = A[std::size_t(k)] / 2;
    C[down + 1] = -B[std::size_t(k)] / 2;
  }
}

Synthesizer::Synthesizer() { lk::MakeSinTable(kSamples, table_); }

const std::vector<double>& Synthesizer::Synthesize(Wave wave, std::int32_t M) {
  GetData(wave, A_, B_);
  BuildSpectrum(A_, B_, M, C_);
  lk::FFT(kSamples, C_, table_, kForward);
  return C_;
}

SampleReader::SampleReader(double xmin) : counter_(Floor(xmin / Delta())) {
  std::int32_t j = counter_ % kSamples;
  if (j < 0) j += kSamples;
  position_ = 2 * j;
}

double SampleReader::x() const { return counter_ * Delta(); }

void SampleReader::Advance() {
  ++counter_;
  position_ += 2;
  if (position_ >= 2 * kSamples) position_ = 0;
}

std::vector<SamplePoint> ReadSamples(const std::vector<double>& C, double xmin, double xmax) {
  if (C.size() < 2 * std::size_t(kSamples)) throw std::out_of_range("sample array too short");
  std::vector<SamplePoint> points;
  if (!(xmax > xmin)) return points;
  points.reserve(std::size_t((xmax - xmin) / Delta()) + 2);
  for (SampleReader r(xmin);; r.Advance()) {
    const double x = r.x();
    points.push_back({x, C[std::size_t(r.position())], r.position()});
    if (x >= xmax) break;
  }
  return points;
}

std::int32_t ProposeTerms(const Section& s, std::int32_t M) {
  if (s.number == 4) {
    // Below 50 the view starts at 50; each step goes on to the next one, and
    // a value between the steps (300, say) is offered again.
    if (M < kGibbsSteps[0]) {
      M = kGibbsSteps[0];
    } else {
      for (std::size_t i = 0; i + 1 < std::size(kGibbsSteps); ++i)
        if (M == kGibbsSteps[i]) {
          M = kGibbsSteps[i + 1];
          break;
        }
    }
  }
  if (M > s.maxTerms) M = s.maxTerms;
  if (M <= 0) M = 1;
  return M;
}

TermsCheck CheckTerms(std::string_view text, std::int32_t maxTerms) {
  if (text.empty()) return {TermsCheck::Cancelled, 0, {}};
  // Read within 1 .. maxTerms, so no text can produce an index outside the
  // tables.
  const lk::WholeEntry n = lk::ReadWhole(text, 1, maxTerms);
  if (n.where != lk::WholeEntry::Inside) return {TermsCheck::Corrected, n.value, std::to_string(n.value)};
  return {TermsCheck::Accepted, n.value, {}};
}

double LegendY(const Section& s, int count) { return s.legendTop - kLegendStep * count; }

}  // namespace wavesum
