#pragma once
// Timing shared by the in-process benchmarks. The machine is shared and noisy:
// the measured work and its baseline run in alternating rounds, each round is
// timed by the thread's processor time rather than the wall clock (other
// programs stretch the one, hardly the other), and the median round of each
// is reported.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The calling thread's processor time (user and kernel) in microseconds. It
// moves in steps of the system's tick (10 ms under Wine): rounds must last
// well over that.
inline double ThreadMicroseconds() {
  FILETIME created, exited, kernel, user;
  if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto value = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) /
           10.0;
  };
  return value(kernel) + value(user);
}

// Microseconds of processor time per call of the work, from the median of
// rounds of calls.
struct Pair {
  double measured = 0;
  double baseline = 0;
};

// Rounds of as many calls as take about half a second of the measured work.
template <typename Measured, typename Baseline>
Pair Alternate(Measured measured, Baseline baseline, int rounds = 9) {
  baseline();  // once first, to warm caches
  double start = ThreadMicroseconds();
  int calls = 0;
  do {
    measured();
    ++calls;
  } while (ThreadMicroseconds() - start < 50000 && calls < 10000);
  const double perCall = (ThreadMicroseconds() - start) / calls;
  const int callsPerRound = std::max(1, static_cast<int>(500000 / std::max(perCall, 1.0)));
  auto timeRound = [callsPerRound](auto& work) {
    const double roundStart = ThreadMicroseconds();
    for (int i = 0; i < callsPerRound; ++i) work();
    ::GdiFlush();
    return (ThreadMicroseconds() - roundStart) / callsPerRound;
  };
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
