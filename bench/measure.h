// What both benchmarks measure with: wall time in milliseconds, a summary
// line of many timings, and the memory the process has committed.
#pragma once
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;
inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

inline void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2], p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    std::printf("%-46s n=%-5zu median %8.3f ms  p95 %8.3f ms  max %8.3f ms\n", what, times.size(), median, p95,
                times.back());
}

// Wine leaves PrivateUsage at 0; the commit charge is the same figure.
inline size_t CommittedKiB() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    return (memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1024;
}

}  // namespace bench
