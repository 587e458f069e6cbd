#include "screen_fixture.h"

#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "sprite_files.h"

ScreenFixture::ScreenFixture() {
    setClockSource(&clock);
    initPlatform();
    setFramePacing(false);
}

ScreenFixture::~ScreenFixture() {
    shutdownPlatform();
    setClockSource(nullptr);
}

void ScreenFixture::pump(double ms) {
    clock.advance(ms);
    pumpMessages();
}

void writeColumnSprite(const std::string& base, int width, int height, int frames,
                       const std::function<std::uint32_t(int)>& colourOf) {
    writePicture(base + ".bmp", width, height * frames,
                 [&](int, int y) { return colourOf(y / height); });
    writeFile(base + ".ini", "totalFrames = " + std::to_string(frames) +
                                 "\nspriteWidth = " + std::to_string(width) +
                                 "\nspriteHeight = " + std::to_string(height) + "\n");
}
