// Whole-process start-up on the platform the environment selects: time from start to the first
// painted window, and peak resident memory, of the tool against anchors, Qt programs that end
// at their first paint too. Medians of interleaved runs:
//   startup_bench RUNS TOOL NAME=ANCHOR...
// Prints for each anchor: startup/NAME: time T.TTx rss R.RRx
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

struct Program {
  std::string name;
  std::string path;
  std::vector<double> times;
  std::vector<long> peaks;
};

Run RunOnce(const std::string& program) {
  char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
    std::perror(program.c_str());
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not end cleanly\n", program.c_str());
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
    std::fprintf(stderr, "usage: startup_bench RUNS TOOL NAME=ANCHOR...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<Program> programs{{"Vardak Entity Helper", argv[2], {}, {}}};
  for (int i = 3; i < argc; ++i) {
    const std::string anchor = argv[i];
    const std::size_t equals = anchor.find('=');
    programs.push_back({anchor.substr(0, equals), anchor.substr(equals + 1), {}, {}});
  }
  for (const Program& program : programs) {
    RunOnce(program.path);  // warm the file cache
  }
  // Interleaved, so that whatever else the machine does falls on all alike.
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) {
      const Run result = RunOnce(program.path);
      program.times.push_back(result.milliseconds);
      program.peaks.push_back(result.peakKiB);
    }
  }
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  std::printf("medians of %d runs on %-10s start to first paint   peak resident memory\n", runs,
              platform != nullptr ? platform : "(default)");
  for (const Program& program : programs) {
    std::printf("%-32s %8.1f ms            %8ld KiB\n", program.name.c_str(), Median(program.times),
                Median(program.peaks));
  }
  for (std::size_t anchor = 1; anchor < programs.size(); ++anchor) {
    std::printf("startup/%s: time %.2fx rss %.2fx\n", programs[anchor].name.c_str(),
                Median(programs[0].times) / Median(programs[anchor].times),
                static_cast<double>(Median(programs[0].peaks)) /
                    static_cast<double>(Median(programs[anchor].peaks)));
  }
  return 0;
}
