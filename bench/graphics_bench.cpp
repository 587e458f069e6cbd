// Cost of the game's drawing by handle, against a plain memcpy of one 800x600 16-bit frame:
// each drawing benchmark reports its time as a multiple of that copy ("x_frame_memcpy").
#include "core/services.h"
#include "graphics/bitmap_file.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/surface.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kFrameBytes = 800 * 600 * 2;
constexpr int kViewCentreX = 1200, kViewCentreY = 1200;
constexpr int kViewLeft = kViewCentreX - 400, kViewTop = kViewCentreY - 300;
double frameMemcpyNs = 0.0; // set by the first benchmark, used by the others

// A round sprite on magenta, as most of the game's sprites are: keyed pixels round a body.
void writeRoundSprite(const std::string& base, int side) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * side);
    const int r = side / 2;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int dx = x - r, dy = y - r;
            pixels[static_cast<std::size_t>(y) * side + x] =
                dx * dx + dy * dy < r * r ? 0x30A050u + static_cast<std::uint32_t>(x) : kMagenta;
        }
    }
    writeBitmapFile((base + ".bmp").c_str(), side, side, pixels.data());
    const std::string ini = "totalFrames = 1\nspriteWidth = " + std::to_string(side) +
                            "\nspriteHeight = " + std::to_string(side) + "\n";
    std::FILE* file = std::fopen((base + ".ini").c_str(), "w");
    if (file != nullptr) {
        std::fputs(ini.c_str(), file);
        std::fclose(file);
    }
}

void writeBackground(const char* path) {
    std::vector<std::uint32_t> pixels(2400u * 2400u);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    writeBitmapFile(path, 2400, 2400, pixels.data());
}

// Runs body once per iteration and reports its time against the frame memcpy.
template <typename Body>
void timed(benchmark::State& state, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        body();
    const double ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    if (frameMemcpyNs > 0.0 && state.iterations() > 0) {
        state.counters["x_frame_memcpy"] =
            ns / static_cast<double>(state.iterations()) / frameMemcpyNs;
    }
}

void BM_FrameMemcpy(benchmark::State& state) {
    std::vector<unsigned char> from(kFrameBytes, 7), to(kFrameBytes);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kFrameBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    const double ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    frameMemcpyNs = ns / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FrameMemcpy);

void BM_DrawSprite(benchmark::State& state) {
    const int handle = static_cast<int>(state.range(0));
    int x = 100;
    timed(state, [&] {
        benchmark::DoNotOptimize(drawSprite(handle, kViewLeft + x, kViewTop + 200, 0, 0));
        x = x < 700 ? x + 1 : 100; // a few positions, as sprites move
    });
}
BENCHMARK(BM_DrawSprite)->Arg(0)->ArgName("16x16");
BENCHMARK(BM_DrawSprite)->Arg(1)->ArgName("64x64");

void BM_DrawBackground(benchmark::State& state) {
    timed(state, [] { drawBackground(); });
}
BENCHMARK(BM_DrawBackground);

// The flip: with pacing on, its rate (flips_per_s, sixty when all is well);
// with pacing off, what presenting a frame costs at the window's size. Run in a real window to
// mean anything, e.g. under xvfb-run -s "-screen 0 1920x1080x24" with SDL_VIDEODRIVER=x11
// and SDL_RENDER_DRIVER=software.
void BM_Flip(benchmark::State& state) {
    setFramePacing(state.range(0) != 0);
    flipDisplay(); // the pacing counts from a flip
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        flipDisplay();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["flips_per_s"] = static_cast<double>(state.iterations()) / seconds;
    setFramePacing(false);
}
BENCHMARK(BM_Flip)->Arg(1)->ArgName("paced")->Iterations(300)->UseRealTime();
BENCHMARK(BM_Flip)->Arg(0)->ArgName("paced")->Iterations(300)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    std::string dir = (std::filesystem::temp_directory_path() / "quorvish-bench-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return 1;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    writeRoundSprite("small", 16);
    writeRoundSprite("large", 64);
    writeBackground("floor.bmp");

    initPlatform();
    setFramePacing(false);
    loadImage("small", ImageLoad::kSprite); // handle 0
    loadImage("large", ImageLoad::kSprite); // handle 1
    loadImage("floor.bmp", ImageLoad::kBackground);
    setViewCentre(kViewCentreX, kViewCentreY);
    if (!spriteInfo(0).loaded || !spriteInfo(1).loaded) {
        std::fprintf(stderr, "bench_graphics: test sprites did not load\n");
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    shutdownPlatform();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
    return 0;
}
