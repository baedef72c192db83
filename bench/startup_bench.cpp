// Whole-process start-up: time from start to the first painted window, and peak resident
// memory, of the tool against two floors, an empty Qt dialog and a Qt dialog that shows one
// label (and so starts the font database, as any program with text must); medians over several
// interleaved runs: startup_bench TOOL EMPTY_DIALOG TEXT_DIALOG [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_bench TOOL EMPTY_DIALOG TEXT_DIALOG [RUNS]\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int runs = argc > 4 ? std::atoi(argv[4]) : 15;
  const char* names[] = {"Vardak Entity Helper", "empty Qt dialog", "Qt dialog with a label"};
  std::vector<double> times[3];
  std::vector<long> peaks[3];
  for (int program = 0; program < 3; ++program) {
    RunOnce(argv[1 + program]);  // warm the file cache
  }
  // Interleaved, so that whatever else the machine does falls on all three alike.
  for (int run = 0; run < runs; ++run) {
    for (int program = 0; program < 3; ++program) {
      const Run result = RunOnce(argv[1 + program]);
      times[program].push_back(result.milliseconds);
      peaks[program].push_back(result.peakKiB);
    }
  }
  std::printf("medians of %d runs         start to first paint   peak resident memory\n", runs);
  double time[3];
  long peak[3];
  for (int program = 0; program < 3; ++program) {
    time[program] = Median(times[program]);
    peak[program] = Median(peaks[program]);
    std::printf("%-26s %8.1f ms            %8ld KiB\n", names[program], time[program],
                peak[program]);
  }
  for (int floor = 1; floor < 3; ++floor) {
    std::printf("tool / %-22s %5.2fx (target 1.25x) %7.2fx (target 1.2x)\n", names[floor],
                time[0] / time[floor],
                static_cast<double>(peak[0]) / static_cast<double>(peak[floor]));
  }
  return 0;
}
