// The mathematics of the Fourier series lesson: three 2pi-periodic functions,
// their coefficient tables, a partial sum of M terms synthesised as one
// period of 16384 samples by the toolkit FFT, and the reading of those
// samples over any x range (the sample array is one period, read round and
// round).  Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wavesum {

// Samples per period; the partial sum is one transform of this length.
constexpr std::int32_t kSamples = 16384;
// The coefficient tables hold a_k and b_k for k = 0 .. kHighest.
constexpr std::int32_t kHighest = 8192;
// The most terms any section accepts (the Gibbs view): harmonics up to 1999,
// well below kSamples / 2, so the two halves of the spectrum never overlap.
constexpr std::int32_t kMostTerms = 1000;
// Every figure shows y from -1.5 to 1.5.
constexpr double kYMin = -1.5, kYMax = 1.5;

enum class Wave { Square, Triangle, Parabola };

// What differs between the four sections of the lesson.
struct Section {
  int number;        // 1 .. 4
  Wave wave;
  double xmin, xmax;
  std::int32_t maxTerms;
  double legendTop;  // the legend's first row sits 0.15 below this y
};

// Section 1 square wave, 2 triangle wave, 3 x(pi - x), 4 the Gibbs view of
// the square wave.  A number outside 1..4 is taken as the nearest section.
const Section& SectionOf(int number);

double Pi();                    // 4 arctan 1
double Sq(double x);            // x * x
std::int32_t Floor(double a);   // the largest whole number not above a
double Delta();                 // sample spacing 2pi / kSamples

// The exact function drawn under the partial sums.
double Exact(Wave wave, double x);

// Clears A and B to 0 .. kHighest and fills the coefficients of the wave for
// every odd k up to kHighest - 1 (only odd harmonics are present).
void GetData(Wave wave, std::vector<double>& A, std::vector<double>& B);

// The spectrum of the partial sum with M terms (harmonics 1, 3, .. 2M - 1)
// in the interleaved layout of the FFT: the coefficient of each harmonic and
// its conjugate mirror at kSamples - k.  M must lie in 1 .. kMostTerms;
// std::out_of_range otherwise, as the tables could not hold it.
void BuildSpectrum(const std::vector<double>& A, const std::vector<double>& B, std::int32_t M,
                   std::vector<double>& C);

// Owns the sine table (built once) and the arrays of one synthesis.
class Synthesizer {
 public:
  Synthesizer();
  // The partial sum S_M of the wave at x_j = j * Delta(), real part of
  // sample j at index 2j of the returned array (2 * kSamples entries).
  const std::vector<double>& Synthesize(Wave wave, std::int32_t M);
  const std::vector<double>& samples() const { return C_; }

 private:
  std::vector<double> table_, A_, B_, C_;
};

// Reading the one-period sample array over an x range: the counter numbers
// samples along the x axis (negative left of 0), the position is the index
// of the sample's real part in the array, wrapping from 2 * kSamples to 0.
class SampleReader {
 public:
  explicit SampleReader(double xmin);
  std::int32_t counter() const { return counter_; }
  std::int32_t position() const { return position_; }
  double x() const;
  void Advance();

 private:
  std::int32_t counter_, position_;
};

struct SamplePoint {
  double x, y;
  std::int32_t position;
};

// Every sample from the one at or left of xmin up to and including the
// first with x >= xmax.
std::vector<SamplePoint> ReadSamples(const std::vector<double>& C, double xmin, double xmax);

// ---- The entry row of the number of terms ----

// The proposal shown when the row opens: the last M, which in the Gibbs view
// steps on through 50, 100, 200, 500 and 1000; kept inside 1 .. maxTerms.
std::int32_t ProposeTerms(const Section& s, std::int32_t M);

// What "O K" makes of the text in the box.
struct TermsCheck {
  enum Outcome { Accepted, Cancelled, Corrected } outcome;
  std::int32_t terms;   // accepted: the number of terms; corrected: the value put back
  std::string text;     // corrected: the text put into the box
};
TermsCheck CheckTerms(std::string_view text, std::int32_t maxTerms);

// The y of legend row `count` (1 for the first curve).
double LegendY(const Section& s, int count);

}  // namespace wavesum
