#pragma once
// The application object: building it is the whole start-up, destroying it the shutdown.
#include <cstdint>

// Creates the hero and, for it, the World that builds the level; logs when the hero cannot be
// made, and then no World is built.
void createHeroAndWorld();

class Core {
  public:
    // Starts the platform services, then loads the game and its screens.
    Core();
    // Logs "Core Shutdown...\n" and shuts the platform services down.
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // The main loop. Returns 0 when the loop stops, or 1 at once when start-up
    // found no display to show the game on.
    int run();

    // The loop's first step: logs its start and sets the state to the title screens.
    void startLoop();

    // Runs one pass: the message pump, the sound device's check, then updateScreens. False
    // once the loop is over.
    bool runPass();

    // The pass after the pump: the title screens or the game by the loop state. False once
    // the loop is over. The simulator drives and times the loop through this.
    bool updateScreens();

    // False when start-up found no display to show the game on.
    bool startedUp() const { return started; }

    // A LoopState value. The screens' int results are stored as 16-bit values.
    std::int16_t loopState = 0;

  private:
    bool started = false; // false when there was no display to start on
};
