// Without a sound device (no sound card, a headless machine) the game runs on silently.
#include "platform/log.h"
#include "sound/sound_manager.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

namespace {

// Mended: without a device every call is harmless and one error line says why it is quiet.
TEST(SoundWithoutDevice, EveryOperationIsHarmlessAndHandlesStillCount) {
    ScopedWorkDir dir;
    initSound();
    EXPECT_FALSE(soundManager().deviceOpen);
    const std::string log = readFile(kLogFileName);
    ASSERT_NE(log.find("*ERROR*"), std::string::npos);
    EXPECT_EQ(log.find("*ERROR*"), log.rfind("*ERROR*")) << "more than one error line";
    EXPECT_NE(log.find("no sound device"), std::string::npos);

    writeFile("empty.wav", "");
    EXPECT_EQ(loadSound("./empty.wav"), 0);
    EXPECT_EQ(loadSound("./missing.wav"), 1);
    // Without a device only a file that will not open can be told apart.
    const std::string loads = readFile(kLogFileName).substr(log.size());
    EXPECT_EQ(loads, "Cannot read the sound ./missing.wav      *ERROR*\n");
    for (int handle : {-1, 0, 1, 2}) {
        setSoundLoop(handle, 1);
        playSound(handle);
        EXPECT_FALSE(soundPlaying(handle));
        stopSound(handle);
    }
    stopAllSounds();
    shutdownSound();
    EXPECT_EQ(soundManager().count, 0);
    shutdownSound(); // a second shutdown is harmless
}

} // namespace
