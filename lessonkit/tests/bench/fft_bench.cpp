// Times one lesson FFT against FFTW executing a plan for the same transform,
// at the two lengths and directions the lessons use, and prints the ratio.
//
// Every iteration restores the input outside the timed region (a transform
// run over its own output would grow without bound), then times exactly one
// transform.  For direction 2 the FFTW side also divides by n, so that both
// sides produce the same numbers.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "fft.h"

namespace {

std::vector<double> Input(std::int32_t n) {
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  std::vector<double> x(2 * static_cast<std::size_t>(n));
  for (double& v : x) v = dist(rng);
  return x;
}

using Clock = std::chrono::steady_clock;

void BM_LessonFft(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const auto dir = static_cast<std::int16_t>(state.range(1));
  std::vector<double> table;
  lk::MakeSinTable(n, table);
  const std::vector<double> src = Input(n);
  std::vector<double> buf(src.size());
  for (auto _ : state) {
    std::memcpy(buf.data(), src.data(), src.size() * sizeof(double));
    benchmark::ClobberMemory();
    const auto t0 = Clock::now();
    lk::FFT(n, buf.data(), table.data(), dir);
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  benchmark::DoNotOptimize(buf.data());
}

void BM_Fftw(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  const bool inverse = state.range(1) == 2;
  auto* buf = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
  // FFTW_MEASURE tries candidate algorithms on the array, so plan first and
  // fill afterwards.
  fftw_plan plan =
      fftw_plan_dft_1d(n, buf, buf, inverse ? FFTW_BACKWARD : FFTW_FORWARD, FFTW_MEASURE);
  const std::vector<double> src = Input(n);
  double* flat = reinterpret_cast<double*>(buf);
  const double inv = 1.0 / n;  // exact for a power of two
  for (auto _ : state) {
    std::memcpy(flat, src.data(), src.size() * sizeof(double));
    benchmark::ClobberMemory();
    const auto t0 = Clock::now();
    fftw_execute(plan);
    if (inverse) {
      for (int i = 0; i < 2 * n; ++i) flat[i] *= inv;
    }
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  benchmark::DoNotOptimize(flat);
  fftw_destroy_plan(plan);
  fftw_free(buf);
}

// (n, direction): 16384 forward for the Fourier-series lesson, 2048 with the
// inverse sign and scaling for the orbit lesson, and the other pairing.
void Cases(benchmark::internal::Benchmark* b) {
  for (std::int64_t n : {2048, 16384}) {
    for (std::int64_t dir : {1, 2}) b->Args({n, dir});
  }
  // The machine may be shared: the median of several repetitions is less
  // disturbed by a busy neighbour than one long mean.
  b->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.2)->Repetitions(7)
      ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_LessonFft)->Apply(Cases);
BENCHMARK(BM_Fftw)->Apply(Cases);

// Passes every run to the console and keeps the median time per iteration for
// the closing comparison.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median") continue;
      const double seconds = r.GetAdjustedRealTime() * 1e-6;  // reported in microseconds
      times_[r.run_name.args][r.run_name.function_name] = seconds;
    }
  }
  void PrintRatios() const {
    std::printf("\n%-12s %14s %14s %8s\n", "n/direction", "lesson FFT us", "FFTW us", "ratio");
    for (const auto& [args, byName] : times_) {
      const auto a = byName.find("BM_LessonFft"), b = byName.find("BM_Fftw");
      if (a == byName.end() || b == byName.end()) continue;
      std::printf("%-12s %14.2f %14.2f %8.2f\n", args.c_str(), a->second * 1e6,
                  b->second * 1e6, a->second / b->second);
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
