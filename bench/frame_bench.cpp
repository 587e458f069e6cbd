// The frame benchmark: plays the scripted busy scene in the real game, headless and without
// presenting, and sets each game pass against its ideal frame (the same copies replayed with
// no logic, bench/scenes/busy.keys), pass by pass in one run so both see the same machine.
// Also: the start-up, the first game pass, heap allocations per pass and the floor's memcpy.
//   build/bench/bench_frame [--dir GAME_DIR] [--keys FILE] [benchmark flags]
#include "allocation_count.h"
#include "ideal_frame.h"
#include "key_script.h"

#include "core/core.h"
#include "core/services.h"
#include "graphics/blit_log.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/manual_clock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kFrameMs = 16.667;
constexpr int kFirstGamePass = 62; // the pass after Escape leaves the intro

// Parts of the scene: walking with the handgun, then rockets fired while turning.
struct Part {
    const char* name;
    int first;
    int last;
};
constexpr Part kOrdinary{"ordinary", 70, 300};
constexpr Part kBusiest{"busiest", 500, 900};
constexpr int kLastPass = 900;

std::string gameDir = QUORVISH_GAME_DIR;
std::string keysFile = QUORVISH_BUSY_SCENE;

struct PartFigures {
    std::vector<double> game; // microseconds per pass
    std::vector<double> ideal;
    long allocations = 0;
    long allocatingPasses = 0; // passes with at least one allocation
};

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const Part* partOf(int pass) {
    for (const Part* part : {&kOrdinary, &kBusiest})
        if (pass >= part->first && pass <= part->last) return part;
    return nullptr;
}

// Times the ideal frame of the pass just drawn and checks that it gives the same pixels. The
// game pass and its ideal frame each start after about the same bookkeeping (a copy or a
// comparison of the whole back buffer), so neither finds the other's data waiting in cache.
double timeIdealFrame(IdealFrame& ideal, const std::vector<BlitRecord>& blits,
                      std::vector<BlitRecord>& replayed, std::vector<std::uint16_t>& drawn,
                      long& mismatches) {
    int width = 0, height = 0;
    screenSize(width, height);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    drawn.assign(backBufferPixels(), backBufferPixels() + count);
    ideal.prepare(blits);
    // Recorded as the game pass was, so both pay the same for the log.
    replayed.clear();
    recordBlits(&replayed);
    const auto begin = Clock::now();
    ideal.draw();
    const double spent = micros(Clock::now() - begin);
    recordBlits(nullptr);
    if (std::memcmp(drawn.data(), backBufferPixels(), count * 2) != 0) ++mismatches;
    return spent;
}

// Each pass's game time over its own ideal frame's: the two run back to back, so a pair
// shares whatever else the machine was doing then.
double medianRatio(const PartFigures& part) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < part.game.size(); ++i)
        if (part.ideal[i] > 0) ratios.push_back(part.game[i] / part.ideal[i]);
    return median(ratios);
}

void report(benchmark::State& state, const char* name, const PartFigures& part) {
    const double ratio = medianRatio(part);
    const double passes = static_cast<double>(part.game.size());
    const double allocations = passes > 0 ? static_cast<double>(part.allocations) / passes : 0;
    std::printf("%-9s game pass %7.1f us  ideal frame %7.1f us  ratio %.2f  allocations/pass %.2f "
                "(%ld of %zu passes allocate)\n",
                name, median(part.game), median(part.ideal), ratio, allocations,
                part.allocatingPasses, part.game.size());
    state.counters[std::string(name) + "_ratio"] = ratio;
    state.counters[std::string(name) + "_allocs"] = allocations;
}

void BM_BusyScene(benchmark::State& state) {
    std::string error;
    const std::optional<KeyScript> keys = readKeyScript(keysFile, error);
    if (!keys) {
        state.SkipWithError(error.c_str());
        return;
    }
    const auto startDir = std::filesystem::current_path();
    std::filesystem::current_path(gameDir);
    for (auto _ : state) {
        ManualClockSource clock;
        setClockSource(&clock);
        const auto startUpBegin = Clock::now();
        auto core = std::make_unique<Core>();
        const double startUp = micros(Clock::now() - startUpBegin);
        setFramePacing(false);
        setPresenting(false);
        countSdlAllocations();
        std::vector<BlitRecord> blits, replayed;
        blits.reserve(1 << 16);
        replayed.reserve(1 << 16);
        std::vector<std::uint16_t> drawn;
        IdealFrame ideal;
        PartFigures ordinary, busiest;
        double firstPass = 0;
        long mismatches = 0;
        core->startLoop();
        for (int pass = 1; pass <= kLastPass; ++pass) {
            const auto [first, last] = keys->equal_range(pass);
            for (auto it = first; it != last; ++it)
                queueKeyEvent(it->second.scanCode, it->second.down);
            clock.advance(kFrameMs);
            pumpMessages();
            const Part* part = partOf(pass);
            blits.clear();
            recordBlits(part != nullptr ? &blits : nullptr);
            const long allocationsBefore = allocationCount();
            countAllocations(true);
            const auto begin = Clock::now();
            core->updateScreens();
            const double spent = micros(Clock::now() - begin);
            countAllocations(false);
            recordBlits(nullptr);
            if (pass == kFirstGamePass) firstPass = spent;
            if (part == nullptr) continue;
            PartFigures& figures = part == &kOrdinary ? ordinary : busiest;
            figures.game.push_back(spent);
            const long allocations = allocationCount() - allocationsBefore;
            figures.allocations += allocations;
            if (allocations > 0) ++figures.allocatingPasses;
            figures.ideal.push_back(timeIdealFrame(ideal, blits, replayed, drawn, mismatches));
        }
        std::printf("start-up %.1f ms  first game pass %.1f us  median ordinary pass %.1f us\n",
                    startUp / 1000, firstPass, median(ordinary.game));
        report(state, kOrdinary.name, ordinary);
        report(state, kBusiest.name, busiest);
        state.counters["startup_ms"] = startUp / 1000;
        state.counters["first_pass_us"] = firstPass;
        state.counters["median_pass_us"] = median(ordinary.game);
        state.counters["ideal_mismatches"] = static_cast<double>(mismatches);
        core.reset();
        setClockSource(nullptr);
    }
    std::filesystem::current_path(startDir);
}
BENCHMARK(BM_BusyScene)->Iterations(1)->Unit(benchmark::kMillisecond);

// The floor's share of every game pass: one whole 800x600 frame of 16-bit pixels.
void BM_FloorCopy(benchmark::State& state) {
    constexpr std::size_t kFrameBytes = 800 * 600 * 2;
    std::vector<unsigned char> from(kFrameBytes, 1), to(kFrameBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kFrameBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(BM_FloorCopy)->Unit(benchmark::kMicrosecond);

// Takes --dir and --keys out of the arguments, leaving the rest to the benchmark library.
void takeOwnArguments(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const bool dir = std::strcmp(argv[i], "--dir") == 0;
        const bool keys = std::strcmp(argv[i], "--keys") == 0;
        if ((dir || keys) && i + 1 < argc) {
            (dir ? gameDir : keysFile) = argv[++i];
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
}

} // namespace

int main(int argc, char** argv) {
    takeOwnArguments(argc, argv);
    keysFile = std::filesystem::absolute(keysFile).string();
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
