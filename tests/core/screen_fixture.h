#pragma once
// The platform services started in a fresh work folder on a manual clock, as the title
// screens and the head-up display run on them: a back buffer to read back, a sound table,
// and keys that travel the real message pump.
#include "game_folder.h"
#include "platform/manual_clock.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

class ScreenFixture : public ::testing::Test {
  protected:
    ScreenFixture();
    ~ScreenFixture() override;

    // Advances the clock by ms and runs the pump: frameTime() becomes ms, queued keys land.
    void pump(double ms);

    ScopedWorkDir dir;
    ManualClockSource clock;
};

// Writes a one-column sprite (base.bmp and base.ini) of frames cells, each width x height
// and filled with colourOf(frame).
void writeColumnSprite(const std::string& base, int width, int height, int frames,
                       const std::function<std::uint32_t(int)>& colourOf);
