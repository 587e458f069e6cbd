#include "soak.h"

#include "base/arena.h"
#include "collision/obstacle_store.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/projectile.h"
#include "platform/events.h"
#include "sound/sound_manager.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kEnter = 28;
constexpr int kEscape = 1;
constexpr int kMenuPass = 10;  // Enter takes the menu's first entry: the intro
constexpr int kIntroPass = 40; // Escape leaves the intro for the game
constexpr int kKeyUpDelay = 2;

// Set-1 codes of the game's keys and how often each changes state: arrows held for about
// half a second, Space more restless, the weapon keys now and then.
constexpr int kGameKeys[] = {72, 75, 77, 80, 57, 2, 3};
constexpr unsigned kChangeOdds[] = {30, 30, 30, 30, 20, 200, 200};

long levelCount(int index) {
    switch (index) {
    case 0:
        return static_cast<long>(effects->inUse());
    case 1: {
        long count = 0;
        for (const Projectile* p = projectiles->head; p != nullptr; p = p->next)
            ++count;
        return count;
    }
    case 2:
        return static_cast<long>(obstacles->cellNodesInUse());
    default:
        return soundManager().count;
    }
}

bool enemyOutsideArena() {
    for (const Enemy* e = enemies != nullptr ? enemies->head : nullptr; e != nullptr; e = e->next)
        if (e->x < 0 || e->y < 0 || e->x + e->width > kArenaSize || e->y + e->height > kArenaSize)
            return true;
    return false;
}

} // namespace

void RandomPlayer::play(int pass) {
    if (pass == kMenuPass || pass == kMenuPass + kKeyUpDelay)
        queueKeyEvent(kEnter, pass == kMenuPass);
    if (pass == kIntroPass || pass == kIntroPass + kKeyUpDelay)
        queueKeyEvent(kEscape, pass == kIntroPass);
    if (pass <= kIntroPass + kKeyUpDelay) return;
    for (int key = 0; key < kKeys; ++key) {
        if (random() % kChangeOdds[key] != 0) continue;
        held[key] = !held[key];
        queueKeyEvent(kGameKeys[key], held[key]);
    }
}

void PoolWatch::sample() {
    if (effects == nullptr || projectiles == nullptr || obstacles == nullptr) return;
    if (windows.empty() || windows.back().passes == kWindowPasses) {
        Window fresh;
        std::fill(std::begin(fresh.low), std::end(fresh.low), std::numeric_limits<long>::max());
        std::fill(std::begin(fresh.high), std::end(fresh.high), 0L);
        windows.push_back(fresh);
    }
    Window& window = windows.back();
    for (int i = 0; i < kCounts; ++i) {
        const long count = levelCount(i);
        window.low[i] = std::min(window.low[i], count);
        window.high[i] = std::max(window.high[i], count);
        highWater[i] = std::max(highWater[i], count);
    }
    ++window.passes;
    ++watched;
    if (!enemyOutsideArena()) return;
    if (outsidePasses++ == 0) firstOutside = watched;
}

void PoolWatch::print(std::FILE* out) const {
    std::fprintf(out, "soak: %ld game passes; high-water marks:", watched);
    for (int i = 0; i < kCounts; ++i)
        std::fprintf(out, "%s %s %ld", i == 0 ? "" : ",", kNames[i], highWater[i]);
    std::fprintf(out, "\n");
}

std::vector<std::string> PoolWatch::growing() const {
    // A last minute cut short holds too few passes to say where the floor lies.
    std::size_t whole = windows.size();
    if (whole > 0 && windows.back().passes < kWindowPasses) --whole;
    std::vector<std::string> names;
    if (whole < 4) return names;
    for (int i = 0; i < kCounts; ++i) {
        long floors[4];
        for (std::size_t q = 0; q < 4; ++q) {
            floors[q] = std::numeric_limits<long>::max();
            for (std::size_t w = q * whole / 4; w < (q + 1) * whole / 4; ++w)
                floors[q] = std::min(floors[q], windows[w].low[i]);
        }
        if (floors[0] < floors[1] && floors[1] < floors[2] && floors[2] < floors[3])
            names.push_back(kNames[i]);
    }
    return names;
}
