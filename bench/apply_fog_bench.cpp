// Fog blends at every alpha against a memcpy of the same 49152 bytes between the same buffers.
// Ends with the blend's time over the memcpy's at the median alpha and at the worst one, for the
// SSE2 path and then, last, for ApplyFog with the path it picks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "logic/apply_fog.h"
#include "logic/fog_paths.h"
#include "logic/preview_pixels.h"

namespace {

using BlendFunction = void (*)(const std::uint8_t*, std::uint8_t*, const FogColor&);

// A source and a destination as far apart as the helper's own buffers, all written before any
// timing. A destination starting just past a multiple of 4 KiB after its source, as two
// back-to-back vectors of one picture each do, makes memcpy many times slower.
class Buffers {
 public:
  Buffers() : block_(2 * kPreviewBufferSize) {
    for (std::size_t i = 0; i < kPreviewByteCount; ++i) {
      block_[i] = static_cast<std::uint8_t>(i * 31 + i / 97);
    }
  }
  const std::uint8_t* Source() const { return block_.data(); }
  std::uint8_t* Destination() { return block_.data() + kPreviewBufferSize; }

 private:
  std::vector<std::uint8_t> block_;
};

Buffers& SharedBuffers() {
  static Buffers buffers;
  return buffers;
}

void BM_Memcpy(benchmark::State& state) {
  Buffers& buffers = SharedBuffers();
  for (auto _ : state) {
    std::memcpy(buffers.Destination(), buffers.Source(), kPreviewByteCount);
    benchmark::DoNotOptimize(buffers.Destination());
    benchmark::ClobberMemory();
  }
}

template <BlendFunction Blend>
void BM_Blend(benchmark::State& state) {
  Buffers& buffers = SharedBuffers();
  const auto alpha = static_cast<std::int32_t>(state.range(0));
  const FogColor colours[] = {{100, 100, 100, alpha}, {100, 60, 20, alpha}, {0, 0, 0, alpha}};
  std::size_t next = 0;
  for (auto _ : state) {
    Blend(buffers.Source(), buffers.Destination(), colours[next]);
    next = (next + 1) % std::size(colours);
    benchmark::ClobberMemory();
  }
}

// The fastest of ten short repetitions: the one least disturbed by other work on the machine.
double Fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

void Repeated(benchmark::internal::Benchmark* benchmark) {
  benchmark->MinTime(0.005)->Repetitions(10)->ReportAggregatesOnly(true)->ComputeStatistics(
      "fastest", Fastest);
}

BENCHMARK(BM_Memcpy)->Apply(Repeated);
#if defined(__SSE2__)
BENCHMARK(BM_Blend<ApplyFogSse2>)->Name("sse2")->DenseRange(0, 100)->Apply(Repeated);
#endif
BENCHMARK(BM_Blend<ApplyFog>)->Name("blend")->DenseRange(0, 100)->Apply(Repeated);

// Shows only the fastest repetitions and keeps their times, per benchmark.
class FastestReporter : public benchmark::ConsoleReporter {
 public:
  FastestReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    std::vector<Run> fastest;
    for (const Run& run : runs) {
      if (run.aggregate_name == "fastest") {
        fastest.push_back(run);
        times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
      }
    }
    ConsoleReporter::ReportRuns(fastest);
  }
  std::map<std::string, std::vector<double>> times;
};

void PrintRatios(const std::string& name, std::vector<double> times, double copy) {
  if (times.empty()) {
    return;
  }
  std::sort(times.begin(), times.end());
  std::printf("%s/memcpy: median %.2fx worst %.2fx\n", name.c_str(), times[times.size() / 2] / copy,
              times.back() / copy);
}

}  // namespace

int main(int argc, char** argv) {
  // Repetitions run interleaved in random order, so a stretch of other work on the machine
  // cannot slow every repetition of one alpha, or of memcpy. A later flag on the command line
  // overrides this.
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args(argv, argv + argc);
  args.insert(args.begin() + 1, interleave.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  FastestReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const std::vector<double>& copy = reporter.times["BM_Memcpy"];
  if (!copy.empty()) {
    PrintRatios("sse2", reporter.times["sse2"], copy.front());
    PrintRatios("blend", reporter.times["blend"], copy.front());
  }
  benchmark::Shutdown();
  return 0;
}
