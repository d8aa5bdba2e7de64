#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "bench/bench.h"

int main() {
    try {
        velt::bench::dataBenchmarks();
        // The Qt figures draw offscreen; no display is needed.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        int argc = 1;
        char name[] = "velt-erp-bench";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        velt::bench::startupBenchmark(VELT_BINARY_DIR);
        velt::bench::gridBenchmark();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
