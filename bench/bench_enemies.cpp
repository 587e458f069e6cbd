// Cost of one enemy pass in its worst case: 60 enemies inside the view window among 40 walls
// and blocks, the hero walled in so that every enemy makes both of its sight queries.
#include "base/random.h"
#include "collision/obstacle.h"
#include "collision/obstacle_store.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "platform/clock.h"
#include "platform/manual_clock.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr float kCentre = 1200.0f; // hero and view centre
constexpr double kFrameMs = 1000.0 / 60.0;

struct Start {
    Enemy* enemy;
    float x;
    float y;
};

class Level {
  public:
    Level() {
        setClockSource(&clock);
        startClock();
        clock.advance(kFrameMs);
        updateClock();
        obstacles = &store;
        enemies = &list;
        hero = &player;
        buildWalls();
        buildEnemies();
        player.x = kCentre;
        player.y = kCentre;
        store.insert(&player);
    }
    ~Level() {
        while (list.head != nullptr)
            list.remove(list.head);
        hero = nullptr;
        enemies = nullptr;
        obstacles = nullptr;
        setClockSource(nullptr);
    }

    // Puts every enemy back where it began, chasing again, so each pass repeats the worst case.
    void reset() {
        for (const Start& s : starts) {
            store.remove(s.enemy);
            s.enemy->x = s.x;
            s.enemy->y = s.y;
            s.enemy->detouring = false;
            store.insert(s.enemy);
        }
    }

    // Enemies that missed the hero in the last pass: having been reset to chasing, each of
    // them made the second query.
    int hiddenFrom() const {
        int n = 0;
        for (const Start& s : starts)
            n += !s.enemy->seesTarget;
        return n;
    }
    int enemyCount() const { return static_cast<int>(starts.size()); }

    void pass() {
        clock.advance(kFrameMs);
        updateClock();
        list.update(player.x, player.y, kCentre, kCentre);
    }

  private:
    void wall(int x, int y, int w, int h) {
        walls.push_back(std::make_unique<Obstacle>(x, y, w, h, -1));
        store.insert(walls.back().get());
    }

    // A closed pen round the hero (overlapping corners leave no gap), then 36 walls and
    // blocks scattered over the window.
    void buildWalls() {
        wall(1100, 1100, 256, 64);
        wall(1100, 1292, 256, 64);
        wall(1100, 1100, 64, 256);
        wall(1292, 1100, 64, 256);
        seedRandom(7);
        for (int i = 0; i < 36; ++i) {
            const int x = 750 + nextRandom() % 900;
            const int y = 750 + nextRandom() % 900;
            if (i % 3 == 0)
                wall(x, y, 64, 256);
            else if (i % 3 == 1)
                wall(x, y, 256, 64);
            else
                wall(x, y, 48, 48);
        }
    }

    void buildEnemies() {
        for (int i = 0; i < 60; ++i) {
            float x = 750.0f + static_cast<float>(nextRandom() % 900);
            const float y = 750.0f + static_cast<float>(nextRandom() % 900);
            if (x > 1050.0f && x < 1400.0f && y > 1050.0f && y < 1400.0f)
                x -= 350.0f; // not penned in
            Enemy* e = i % 3 == 0   ? static_cast<Enemy*>(new Mario(x, y))
                       : i % 3 == 1 ? static_cast<Enemy*>(new MarioBig(x, y))
                                    : static_cast<Enemy*>(new FireMario(x, y));
            if (list.add(e)) starts.push_back({e, x, y});
        }
    }

    ManualClockSource clock;
    ObstacleStore store;
    Player player;
    std::vector<std::unique_ptr<Obstacle>> walls;
    EnemyList list;
    std::vector<Start> starts;
};

void BM_EnemyPassAllHidden(benchmark::State& state) {
    Level level;
    for (auto _ : state) {
        state.PauseTiming();
        level.reset();
        state.ResumeTiming();
        level.pass();
    }
    state.counters["enemies"] = level.enemyCount();
    state.counters["hidden"] = level.hiddenFrom();
}
BENCHMARK(BM_EnemyPassAllHidden)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
