// The sound manager heard through OpenAL Soft's wave driver: every test records the real mix.
#include "sound/sound_manager.h"

#include "recording.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

namespace {

constexpr double kLow = 440.0;
constexpr double kHigh = 1320.0;

// A test with the recording device open in a fresh working directory.
class SoundManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        recordMixHere();
        initSound();
        ASSERT_TRUE(soundManager().deviceOpen) << "the wave driver did not open";
    }
    void TearDown() override { shutdownSound(); }
    // Closes the device, which finishes the recording.
    Mix finish() {
        shutdownSound();
        return Mix();
    }
    ScopedWorkDir dir;
};

TEST_F(SoundManagerTest, DescribesItselfAndTheLibrary) {
    EXPECT_EQ(soundManager().description, "Sound Manager System Layer (SMSL)");
    EXPECT_FALSE(soundManager().vendor.empty());
    EXPECT_NE(soundManager().version.find("ALSOFT"), std::string::npos);
    EXPECT_EQ(soundManager().count, 0);
}

TEST_F(SoundManagerTest, PlayedSoundIsHeardForItsLengthThenEnds) {
    writeTones("low.wav", {{kLow, 0.25}});
    writeTones("high.wav", {{kHigh, 0.25}});
    EXPECT_EQ(loadSound("./low.wav"), 0);
    EXPECT_EQ(loadSound("./high.wav"), 1);
    EXPECT_EQ(soundManager().sounds[1].path, "./high.wav");
    playSound(0);
    EXPECT_TRUE(soundPlaying(0));
    listen(600);
    EXPECT_FALSE(soundPlaying(0));
    const Mix mix = finish();
    ASSERT_TRUE(mix.valid());
    EXPECT_NEAR(mix.heardSeconds(kLow), 0.25, 0.08);
    EXPECT_EQ(mix.heardSeconds(kHigh), 0.0);
    EXPECT_LT(mix.endLevelDb(0.2), -60.0);
}

TEST_F(SoundManagerTest, LoopingSoundOutlivesItsLengthUntilStopped) {
    writeTones("low.wav", {{kLow, 0.15}});
    const int low = loadSound("low.wav");
    setSoundLoop(low, 1);
    playSound(low);
    listen(500);
    EXPECT_TRUE(soundPlaying(low));
    stopSound(low);
    EXPECT_FALSE(soundPlaying(low));
    listen(250);
    const Mix mix = finish();
    EXPECT_GT(mix.heardSeconds(kLow), 0.35);
    EXPECT_EQ(mix.stretches(kLow), 1) << "the loop has a gap at its seam";
    EXPECT_LT(mix.endLevelDb(0.15), -60.0);
}

TEST_F(SoundManagerTest, LoopingChangesAtOnceAndOnlyForZeroOrOne) {
    writeTones("low.wav", {{kLow, 0.15}});
    const int low = loadSound("low.wav");
    setSoundLoop(low, 2); // not a loop setting: it stays a one-shot
    playSound(low);
    listen(300);
    EXPECT_FALSE(soundPlaying(low));
    playSound(low);
    setSoundLoop(low, 1);  // already playing: it loops from now on
    setSoundLoop(low, -1); // not a loop setting: it keeps looping
    listen(450);
    EXPECT_TRUE(soundPlaying(low));
    setSoundLoop(low, 0); // finishes the pass it is in, then stops
    listen(300);
    EXPECT_FALSE(soundPlaying(low));
    const Mix mix = finish();
    EXPECT_GT(mix.heardSeconds(kLow), 0.5);
}

TEST_F(SoundManagerTest, ReplayRestartsFromTheBeginning) {
    writeTones("rise.wav", {{kLow, 0.2}, {kHigh, 0.3}});
    const int rise = loadSound("rise.wav");
    playSound(rise);
    listen(320); // well into the high part
    playSound(rise);
    listen(700);
    const Mix mix = finish();
    EXPECT_EQ(mix.stretches(kLow), 2);
    EXPECT_EQ(mix.stretches(kHigh), 2);
    // The first high part was cut short by the restart; the second one ran to its end.
    EXPECT_LT(mix.heardSeconds(kHigh), 0.5);
}

TEST_F(SoundManagerTest, AfterStopAllOnlyTheSoundPlayedAgainIsHeard) {
    writeTones("low.wav", {{kLow, 0.1}});
    writeTones("high.wav", {{kHigh, 0.1}});
    const int low = loadSound("low.wav");
    const int high = loadSound("high.wav");
    setSoundLoop(low, 1);
    setSoundLoop(high, 1);
    playSound(low);
    playSound(high);
    listen(250);
    stopAllSounds();
    EXPECT_FALSE(soundPlaying(low));
    EXPECT_FALSE(soundPlaying(high));
    playSound(high);
    listen(450);
    const Mix mix = finish();
    EXPECT_GT(mix.heardSeconds(kLow), 0.1);
    EXPECT_FALSE(mix.heardAtEnd(kLow, 0.02));
    EXPECT_TRUE(mix.heardAtEnd(kHigh, 0.25));
}

TEST_F(SoundManagerTest, HandlesOutsideTheTableDoNothing) {
    playSound(0); // nothing loaded yet
    writeTones("low.wav", {{kLow, 0.1}});
    const int low = loadSound("low.wav");
    setSoundLoop(low, 1);
    playSound(low);
    for (int handle : {-1, 1, 1000}) {
        playSound(handle);
        stopSound(handle);
        setSoundLoop(handle, 0);
        EXPECT_FALSE(soundPlaying(handle));
    }
    listen(450);
    EXPECT_EQ(soundManager().count, 1);
    const Mix mix = finish();
    EXPECT_TRUE(mix.heardAtEnd(kLow, 0.25));
}

// Mended: freealut's answer for an unreadable file is no samples at all, never garbage.
TEST_F(SoundManagerTest, UnreadableFilesGiveValidSilentHandles) {
    writeFile("corrupt.wav", "RIFF0000WAVEjunk, and no format chunk anywhere");
    writeTones("whole.wav", {{kLow, 0.5}});
    std::string cut = readFile("whole.wav");
    writeFile("cut.wav", cut.substr(0, 60)); // its data chunk claims far more than is there
    writeTones("high.wav", {{kHigh, 0.1}});
    EXPECT_EQ(loadSound("./missing.wav"), 0);
    EXPECT_EQ(loadSound("./corrupt.wav"), 1);
    EXPECT_EQ(loadSound("./cut.wav"), 2);
    EXPECT_EQ(loadSound("./high.wav"), 3);
    for (int handle = 0; handle < 3; ++handle) {
        setSoundLoop(handle, 1);
        playSound(handle);
    }
    listen(300);
    stopSound(1);
    const Mix silent = finish();
    EXPECT_LT(silent.levelDb(), -80.0);

    // The same files again, then a good sound after them: the good one still plays.
    initSound();
    for (const char* file : {"./missing.wav", "./corrupt.wav", "./cut.wav", "./high.wav"})
        loadSound(file);
    setSoundLoop(3, 1);
    playSound(3);
    playSound(0);
    listen(300);
    const Mix mix = finish();
    EXPECT_TRUE(mix.heardAtEnd(kHigh, 0.15));
}

TEST_F(SoundManagerTest, ShutdownForgetsEveryHandle) {
    writeTones("low.wav", {{kLow, 0.1}});
    loadSound("low.wav");
    shutdownSound();
    EXPECT_EQ(soundManager().count, 0);
    EXPECT_TRUE(soundManager().sounds.empty());
    EXPECT_FALSE(soundManager().deviceOpen);
    playSound(0);
    shutdownSound(); // a second shutdown is harmless
}

} // namespace
