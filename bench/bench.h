#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace velt::bench {

inline double millis(const std::function<void()>& f) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Median of `runs` timings; `prepare` runs untimed before each.
inline double median(int runs, const std::function<void()>& f, const std::function<void()>& prepare = {}) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        t.push_back(millis(f));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

inline void report(const char* name, double ours, double base, double memRatio = -1) {
    std::printf("%s ratio=%.2f ours_ms=%.2f base_ms=%.2f", name, ours / base, ours, base);
    if (memRatio >= 0) std::printf(" mem_ratio=%.2f", memRatio);
    std::printf("\n");
    std::fflush(stdout);
}

void dataBenchmarks();
void startupBenchmark(const std::string& binaryDir);
void gridBenchmark();

} // namespace velt::bench
