#include "pass_stats.h"

#include <algorithm>

namespace {

double micros(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

} // namespace

void PassStats::print(std::FILE* out) const {
    std::fprintf(out, "start-up: %.0f us\nstart-up processor time: %.0f us\n", micros(startUp),
                 micros(startUpProcessor));
    if (passes.empty()) return;
    std::vector<Duration> sorted = passes;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](double q) {
        return micros(sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))]);
    };
    std::fprintf(out, "passes: %zu\nmedian: %.1f us\np99: %.1f us\nmax: %.1f us\n", sorted.size(),
                 at(0.5), at(0.99), micros(sorted.back()));
}
