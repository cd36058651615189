#pragma once
// Timing for the benchmarks. The machine may be shared: besides the wall-clock time, every measure
// takes the processor time of this process (user + system), which other programs do not inflate.

#include <algorithm>
#include <chrono>
#include <ctime>

namespace lw::bench {

using Clock = std::chrono::steady_clock;
inline double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}
inline double CpuMs() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};
// Lap() gives the time since the last lap (or since it was made).
struct Stopwatch {
    Clock::time_point wall0 = Clock::now();
    double cpu0 = CpuMs();
    Timing Lap() {
        Timing t{Ms(wall0, Clock::now()), CpuMs() - cpu0};
        wall0 = Clock::now();
        cpu0 = CpuMs();
        return t;
    }
};
// The best of several rounds.
struct Best {
    Timing best{1e18, 1e18};
    void Add(Timing t) {
        best.wall = std::min(best.wall, t.wall);
        best.cpu = std::min(best.cpu, t.cpu);
    }
};

}  // namespace lw::bench
