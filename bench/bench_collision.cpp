// Cost of one frame's move through a populated store, and of the rocket's area query, with
// the heap allocations each call makes (expected: none once the node pool has warmed up).
#include "collision/game_object.h"
#include "collision/movement.h"
#include "collision/obstacle.h"
#include "collision/obstacle_store.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <vector>

namespace {

std::atomic<long> allocations{0};

} // namespace

// Kept out of line: inlined, g++ pairs malloc and free with the callers' new and delete
// and warns of a mismatch.
__attribute__((noinline)) void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
__attribute__((noinline)) void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

// An enemy-sized mover that turns back from whatever it runs into and from the arena's edge,
// so that it keeps crossing cells for as long as the benchmark runs.
class Bouncer : public GameObject {
  public:
    Bouncer() {
        kind = kKindEnemy;
        x = 1200.0f;
        y = 1200.0f;
        width = 16;
        height = 27;
        moveX = 230.0f;
        moveY = 170.0f;
    }
    void collide(GameObject*, int side, int) override {
        ++hits;
        if (side == 0 || side == 2) moveX = -moveX;
        if (side == 1 || side == 3) moveY = -moveY;
    }
    void keepInside() {
        if ((x < 20.0f && moveX < 0) || (x > 2360.0f && moveX > 0)) moveX = -moveX;
        if ((y < 20.0f && moveY < 0) || (y > 2360.0f && moveY > 0)) moveY = -moveY;
    }
    long hits = 0;
};

// 100 objects like the level's: walls of both shapes, blocks and enemies at seeded places.
struct Level {
    Level() {
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> place(0, 2300);
        const int shapes[3][2] = {{256, 64}, {64, 256}, {48, 48}};
        for (int i = 0; i < 100; ++i) {
            std::unique_ptr<GameObject> object;
            if (i % 4 == 3) {
                object = std::make_unique<Obstacle>(place(random), place(random), 16, 27, 0);
                object->kind = kKindEnemy;
            } else {
                const int* shape = shapes[i % 4];
                object =
                    std::make_unique<Obstacle>(place(random), place(random), shape[0], shape[1], 0);
            }
            store.insert(object.get());
            objects.push_back(std::move(object));
        }
        store.insert(&mover);
    }
    ObstacleStore store;
    std::vector<std::unique_ptr<GameObject>> objects;
    Bouncer mover;
};

constexpr float kFrameMs = 16.667f;

void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}

void BM_MoveWithCollision(benchmark::State& state) {
    Level level;
    for (int i = 0; i < 1000; ++i) { // warm the node pool
        moveWithCollision(&level.mover, &level.store, kFrameMs);
        level.mover.keepInside();
    }
    const long before = allocations.load();
    for (auto _ : state) {
        moveWithCollision(&level.mover, &level.store, kFrameMs);
        level.mover.keepInside();
        benchmark::DoNotOptimize(level.mover.x);
    }
    reportAllocations(state, before);
    state.counters["hits/call"] = benchmark::Counter(static_cast<double>(level.mover.hits) /
                                                     static_cast<double>(state.iterations()));
}
BENCHMARK(BM_MoveWithCollision);

void BM_ObjectsInRadius(benchmark::State& state) {
    Level level;
    GameObject rocket;
    rocket.kind = kKindProjectile;
    rocket.ignoreKind = kKindPlayer;
    rocket.width = rocket.height = 32;
    GameObject* found[1001];
    int n = 0;
    int step = 0;
    long foundTotal = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        // Walk the explosion over a grid of places so that every query sees different cells.
        rocket.x = static_cast<float>(100 + (step % 22) * 100);
        rocket.y = static_cast<float>(100 + (step / 22 % 22) * 100);
        ++step;
        objectsInRadius(&rocket, 100.0f, found, 1001, n, &level.store);
        benchmark::DoNotOptimize(n);
        foundTotal += n;
    }
    reportAllocations(state, before);
    state.counters["found/call"] = benchmark::Counter(static_cast<double>(foundTotal) /
                                                      static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ObjectsInRadius);

} // namespace

BENCHMARK_MAIN();
