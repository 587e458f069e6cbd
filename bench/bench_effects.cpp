// The busiest effect frame: a rocket explodes (154 new particles) over a list that already
// holds many long-lived ones, and the frame's update ages, draws and removes what expired.
#include <benchmark/benchmark.h>

#include "base/random.h"
#include "game/assets.h"
#include "game/effects.h"

namespace {

// Each iteration is one frame: an explosion, then an update long enough (600 ms) for all
// 154 new particles to expire and be removed, so the list is the same size every frame.
void explosionFrame(benchmark::State& state) {
    seedRandom(1);
    EffectLists lists;
    const int standing = static_cast<int>(state.range(0));
    for (int i = 0; i < standing; ++i)
        lists.addTop(lists.newEffect(Effect(assets.smoke1, 100, 100, 0.1f, 0.1f, 10, 1e9f)));
    for (auto _ : state) {
        lists.spawnExplosion(400, 300);
        lists.updateTop(600);
        benchmark::DoNotOptimize(lists.top);
    }
    state.SetItemsProcessed(state.iterations() * 154);
}
BENCHMARK(explosionFrame)->Arg(500)->Arg(2000)->Arg(8000);

// A flying rocket's share of a frame: three smoke particles over a standing list.
void trailFrame(benchmark::State& state) {
    seedRandom(1);
    EffectLists lists;
    for (int i = 0; i < 2000; ++i)
        lists.addTop(lists.newEffect(Effect(assets.smoke1, 100, 100, 0.1f, 0.1f, 10, 1e9f)));
    for (auto _ : state) {
        lists.spawnTrail(400, 300, 1, 0);
        lists.updateTop(1200); // smoke lives at most 1.148 s
        benchmark::DoNotOptimize(lists.top);
    }
}
BENCHMARK(trailFrame);

} // namespace

BENCHMARK_MAIN();
