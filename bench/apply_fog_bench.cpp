// One fog blend against a memcpy of the same 49152 bytes, with the ratio of their times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "logic/apply_fog.h"
#include "logic/preview_pixels.h"

namespace {

std::vector<std::uint8_t> Picture() {
  std::vector<std::uint8_t> pixels(kPreviewByteCount);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<std::uint8_t>(i * 31 + i / 97);
  }
  return pixels;
}

void BM_ApplyFog(benchmark::State& state) {
  const std::vector<std::uint8_t> source = Picture();
  std::vector<std::uint8_t> destination(kPreviewByteCount);
  const FogColor color{100, 60, 20, static_cast<std::int32_t>(state.range(0))};
  for (auto _ : state) {
    ApplyFog(source.data(), destination.data(), color);
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ApplyFog)->Arg(50)->Arg(37);

void BM_Memcpy(benchmark::State& state) {
  const std::vector<std::uint8_t> source = Picture();
  std::vector<std::uint8_t> destination(kPreviewByteCount);
  for (auto _ : state) {
    std::memcpy(destination.data(), source.data(), kPreviewByteCount);
    benchmark::DoNotOptimize(destination.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy);

// Prints as usual and keeps each run's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double copy = reporter.times["BM_Memcpy"];
  for (const auto& [name, time] : reporter.times) {
    if (name != "BM_Memcpy" && copy > 0) {
      std::printf("%s / BM_Memcpy: %.2fx (target: at most 8x)\n", name.c_str(), time / copy);
    }
  }
  benchmark::Shutdown();
  return 0;
}
