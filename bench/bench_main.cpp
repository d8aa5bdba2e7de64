#include <cstdio>
#include <exception>

#include "bench/bench.h"

int main() {
    try {
        velt::bench::dataBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
