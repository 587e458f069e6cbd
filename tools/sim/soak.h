#pragma once
// The soak: random play for as long as asked, watching the level's lists and pools for
// counts that only ever climb and for enemies that leave the arena.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

// Plays like a restless player: Enter on the menu, Escape once to leave the intro, then
// arrows, Space, 1 and 2 pressed and released at random; never Escape in the game.
class RandomPlayer {
  public:
    explicit RandomPlayer(unsigned seed) : random(seed) {}

    // Queues this pass's key events for the real event pump.
    void play(int pass);

  private:
    static constexpr int kKeys = 7;
    std::mt19937 random; // the player's own: the game's generator is never touched
    bool held[kKeys] = {};
};

// What the level holds after each game pass, by the minute of game passes (3600 at 60 Hz).
class PoolWatch {
  public:
    static constexpr int kCounts = 4;
    static constexpr const char* kNames[kCounts] = {"effects", "projectiles", "cell nodes",
                                                    "sound sources"};

    // Records the level's counts; call after each pass that ran the game.
    void sample();

    // The passes watched and each count's high-water mark, on one line.
    void print(std::FILE* out) const;

    // The counts whose lowest value rises from each quarter of the watched minutes to the
    // next: bursts come and go, but whatever is never given back lifts the floor.
    // Empty when none, or when fewer than four whole minutes were watched.
    std::vector<std::string> growing() const;

    // Game passes after which some enemy's rectangle reached past the arena's edges, and the
    // first of them (0 when none).
    long passesWithEnemyOutside() const { return outsidePasses; }
    long firstPassWithEnemyOutside() const { return firstOutside; }

  private:
    static constexpr int kWindowPasses = 3600;
    struct Window {
        long low[kCounts];
        long high[kCounts];
        int passes = 0;
    };
    std::vector<Window> windows;
    long highWater[kCounts] = {};
    long watched = 0;
    long outsidePasses = 0;
    long firstOutside = 0;
};
