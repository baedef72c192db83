// Whole-process start-up on the platform the environment selects: time from start to the first
// painted window, and peak resident memory, of the tool against a Qt dialog showing one label
// (the floor for any Qt program with text: it starts the font database, as the tool must).
// Medians of interleaved runs: startup_bench TOOL ONE_LABEL_DIALOG [RUNS]
// Prints last: startup/one-label: time T.TTx rss R.RRx
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  long peakKiB;
};

Run RunOnce(const char* program) {
  char* const arguments[] = {const_cast<char*>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0) {
    std::perror(program);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not end cleanly\n", program);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <class Value>
Value Median(std::vector<Value> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench TOOL ONE_LABEL_DIALOG [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
  const char* names[] = {"Vardak Entity Helper", "Qt dialog with one label"};
  std::vector<double> times[2];
  std::vector<long> peaks[2];
  for (int program = 0; program < 2; ++program) {
    RunOnce(argv[1 + program]);  // warm the file cache
  }
  // Interleaved, so that whatever else the machine does falls on both alike.
  for (int run = 0; run < runs; ++run) {
    for (int program = 0; program < 2; ++program) {
      const Run result = RunOnce(argv[1 + program]);
      times[program].push_back(result.milliseconds);
      peaks[program].push_back(result.peakKiB);
    }
  }
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  std::printf("medians of %d runs on %-10s start to first paint   peak resident memory\n", runs,
              platform != nullptr ? platform : "(default)");
  double time[2];
  long peak[2];
  for (int program = 0; program < 2; ++program) {
    time[program] = Median(times[program]);
    peak[program] = Median(peaks[program]);
    std::printf("%-32s %8.1f ms            %8ld KiB\n", names[program], time[program],
                peak[program]);
  }
  std::printf("startup/one-label: time %.2fx rss %.2fx\n", time[0] / time[1],
              static_cast<double>(peak[0]) / static_cast<double>(peak[1]));
  return 0;
}
