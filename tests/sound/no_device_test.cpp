// Without a sound device (no sound card, a headless machine) the game runs on silently.
#include "platform/log.h"
#include "platform/platform.h"
#include "sound/sound_manager.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

namespace {

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Mended: without a device every call is harmless and one error line says why it is quiet.
TEST(SoundWithoutDevice, EveryOperationIsHarmlessAndHandlesStillCount) {
    ScopedWorkDir dir;
    initSound();
    EXPECT_FALSE(soundManager().deviceOpen);
    EXPECT_EQ(soundManager().description, "Sound Manager System Layer (SMSL)");
    EXPECT_TRUE(soundManager().vendor.empty());
    const std::string log = readFile(kLogFileName);
    EXPECT_EQ(countOf(log, "*ERROR*"), 1);
    EXPECT_NE(log.find("no sound device"), std::string::npos);

    writeFile("empty.wav", "");
    EXPECT_EQ(loadSound("./empty.wav"), 0);
    EXPECT_EQ(loadSound("./missing.wav"), 1);
    EXPECT_EQ(soundManager().count, 2);
    EXPECT_EQ(soundManager().sounds[1].path, "./missing.wav");
    for (int handle : {-1, 0, 1, 2}) {
        setSoundLoop(handle, 1);
        playSound(handle);
        EXPECT_FALSE(soundPlaying(handle));
        stopSound(handle);
    }
    stopAllSounds();
    shutdownSound();
    EXPECT_EQ(soundManager().count, 0);
    shutdownSound();
}

TEST(SoundWithoutDevice, PlatformStartsSoundBetweenTheOsHandlerAndTheDisplay) {
    ScopedWorkDir dir;
    initPlatform();
    loadSound("./missing.wav");
    const std::string log = readFile(kLogFileName);
    shutdownPlatform();
    const auto osHandler = log.find("Initializing OS Handler\n");
    const auto soundError = log.find("no sound device");
    const auto display = log.find("Init. Direct Draw\n");
    ASSERT_NE(soundError, std::string::npos);
    EXPECT_LT(osHandler, soundError);
    EXPECT_LT(soundError, display);
    EXPECT_EQ(soundManager().count, 0) << "shutdownPlatform did not shut the sound down";
}

} // namespace
