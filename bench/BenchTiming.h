#pragma once
// Timing shared by the in-process benchmarks. The machine is shared and noisy:
// the measured work and its baseline run in alternating rounds, so that a busy
// moment slows both, and the median round of each is reported.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Microseconds per call of the work, from the median of rounds of calls.
struct Pair {
  double measured = 0;
  double baseline = 0;
};

template <typename Measured, typename Baseline>
Pair Alternate(Measured measured, Baseline baseline, int callsPerRound, int rounds = 9) {
  using Clock = std::chrono::steady_clock;
  auto timeRound = [callsPerRound](auto& work) {
    auto start = Clock::now();
    for (int i = 0; i < callsPerRound; ++i) work();
    ::GdiFlush();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / callsPerRound;
  };
  measured();  // once each first, to warm caches
  baseline();
  std::vector<double> a, b;
  for (int round = 0; round < rounds; ++round) {
    a.push_back(timeRound(measured));
    b.push_back(timeRound(baseline));
  }
  return {Median(a), Median(b)};
}

// One line per figure: measured value, the baseline of the same work, ratio.
inline void Print(const char* what, double measured, double baseline, const char* unit) {
  std::printf("%-52s %10.1f %s  baseline %10.1f %s  ratio %.2f\n", what, measured, unit, baseline,
              unit, baseline > 0 ? measured / baseline : 0.0);
}

}  // namespace bench
