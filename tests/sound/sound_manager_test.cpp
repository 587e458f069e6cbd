// The sound manager heard through OpenAL Soft's wave driver: every test records the real mix.
#include "platform/log.h"
#include "sound/sound_manager.h"

#include "support/work_dir.h"
#include "tones.h"
#include "wav_probe.h"

#include <AL/alc.h>
#include <AL/alext.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>
#include <utility>

namespace {

constexpr double kLow = 440.0;
constexpr double kHigh = 1320.0;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Lets the mixer run on for that much of the recording. It waits on the device's own clock,
// which the wave driver advances as it mixes, so a busy machine that slows the mixer slows
// the test alike; the wall clock only bounds the wait, should the mixer stop.
void listen(int milliseconds) {
    ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
    auto deviceClock =
        reinterpret_cast<LPALCGETINTEGER64VSOFT>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    ASSERT_NE(deviceClock, nullptr) << "no ALC_SOFT_device_clock";
    ALCint64SOFT start = 0;
    ALCint64SOFT now = 0;
    deviceClock(device, ALC_DEVICE_CLOCK_SOFT, 1, &start);
    const auto giveUp =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(50 * milliseconds);
    while (now - start < ALCint64SOFT{milliseconds} * 1000000 &&
           std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        deviceClock(device, ALC_DEVICE_CLOCK_SOFT, 1, &now);
    }
}

// The wave driver's recording as a track of 20 ms slices, "#" where a tone of this
// frequency is heard (Goertzel amplitude over a tenth of the test tones' 0.5), "_" where not.
// The final 60 ms are left out: shutting down stops every sound before the device closes.
std::string track(const WavProbe& wav, double frequency) {
    const std::vector<float> mono = wav.mono();
    const auto slice = std::size_t(0.02 * wav.rate);
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / wav.rate);
    std::string heard;
    for (std::size_t begin = 0; slice > 0 && begin + 4 * slice <= mono.size(); begin += slice) {
        double s1 = 0.0, s2 = 0.0;
        for (std::size_t i = begin; i < begin + slice; ++i)
            s2 = std::exchange(s1, mono[i] + coefficient * s1 - s2);
        const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
        heard += 2.0 * std::sqrt(std::max(0.0, power)) / double(slice) > 0.05 ? '#' : '_';
    }
    return heard;
}

// A test with the recording device open in a fresh working directory.
class SoundManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The library reads its settings once per process, so the file name is relative:
        // each test's own working directory gets its own recording.
        writeFile("alsoft.conf", "channels=mono\nsample-type=int16\nfrequency=22050\n"
                                 "period_size=256\n[wave]\nfile=mix.wav\n");
        setenv("ALSOFT_CONF", (dir.path() / "alsoft.conf").c_str(), 1);
        initSound();
        ASSERT_TRUE(soundManager().deviceOpen) << "the wave driver did not open";
    }
    void TearDown() override { shutdownSound(); }
    // Closes the device, which finishes the recording.
    static WavProbe finish() {
        shutdownSound();
        WavProbe wav = probeWav("mix.wav");
        EXPECT_TRUE(wav.valid);
        return wav;
    }
    ScopedWorkDir dir;
};

TEST_F(SoundManagerTest, AOneShotEndsAfterItsLengthALoopPlaysOnUntilStopped) {
    writeTones("low.wav", {{kLow, 0.25}});
    writeTones("high.wav", {{kHigh, 0.15}});
    EXPECT_EQ(loadSound("./low.wav"), 0);
    EXPECT_EQ(loadSound("./high.wav"), 1);
    setSoundLoop(1, 1);
    playSound(0);
    playSound(1);
    listen(600);
    EXPECT_FALSE(soundPlaying(0));
    EXPECT_TRUE(soundPlaying(1));
    stopSound(1);
    EXPECT_FALSE(soundPlaying(1));
    listen(250);
    const WavProbe mix = finish();
    EXPECT_THAT(track(mix, kLow), MatchesRegex("_*#{9,17}_{15,}"));
    // One stretch, no gap at the loop's seam, then silence.
    EXPECT_THAT(track(mix, kHigh), MatchesRegex("_*#{25,}_{6,}"));
}

TEST_F(SoundManagerTest, ReplayRestartsFromTheBeginning) {
    writeTones("rise.wav", {{kLow, 0.2}, {kHigh, 0.3}});
    const int rise = loadSound("rise.wav");
    playSound(rise);
    listen(320); // well into the high part
    playSound(rise);
    listen(700);
    const WavProbe mix = finish();
    EXPECT_THAT(track(mix, kLow), MatchesRegex("_*#+_+#+_*"));
    // The first high part was cut short by the restart; the second one ran to its end.
    EXPECT_THAT(track(mix, kHigh), MatchesRegex("_*#{1,10}_+#{12,20}_*"));
}

// The player leaves mid-sound: silence while away, then the rest of the sound from where it
// was, and a sound that was not playing stays quiet.
TEST_F(SoundManagerTest, PausedSoundsPlayOnFromWhereTheyWere) {
    writeTones("rise.wav", {{kLow, 0.2}, {kHigh, 0.3}});
    writeTones("high.wav", {{kHigh, 0.3}});
    const int rise = loadSound("rise.wav");
    const int idle = loadSound("high.wav");
    playSound(rise);
    listen(100); // halfway through the low part
    pauseAllSounds();
    EXPECT_FALSE(soundPlaying(rise));
    listen(400);
    resumeAllSounds();
    EXPECT_TRUE(soundPlaying(rise));
    EXPECT_FALSE(soundPlaying(idle));
    listen(600);
    const WavProbe mix = finish();
    EXPECT_THAT(track(mix, kLow), MatchesRegex("_*#{2,8}_{15,}#{2,8}_+"));
    EXPECT_THAT(track(mix, kHigh), MatchesRegex("_{20,}#{12,17}_+"));
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
    const WavProbe mix = finish();
    EXPECT_THAT(track(mix, kLow), MatchesRegex("_*#{5,}_+"));
    EXPECT_THAT(track(mix, kHigh), MatchesRegex(".*#{12,}"));
}

// Sounds read ahead keep the handles, the table and the silence of a plain load; what is
// played is what the file held when it was read ahead.
TEST_F(SoundManagerTest, SoundsReadAheadLoadAsBeforeFromTheBuffersReadThen) {
    writeTones("high.wav", {{kHigh, 0.1}});
    writeTones("low.wav", {{kLow, 0.1}});
    prepareSounds({"./high.wav", "./missing.wav", "./never-loaded.wav"});
    awaitPreparedSounds();
    writeTones("high.wav", {{kLow, 0.1}}); // too late: its samples were read already
    EXPECT_EQ(loadSound("./low.wav"), 0);
    EXPECT_EQ(loadSound("./missing.wav"), 1);
    EXPECT_EQ(loadSound("./high.wav"), 2);
    EXPECT_EQ(loadSound("./high.wav"), 3); // a second load reads the file itself
    setSoundLoop(1, 1);
    playSound(1);
    listen(250);
    setSoundLoop(2, 1);
    playSound(2);
    listen(400);
    const WavProbe mix = finish();
    EXPECT_LT(rmsDb(mix.samples, 0, std::size_t(mix.rate / 5)), -80.0)
        << "the missing file was heard";
    EXPECT_THAT(track(mix, kHigh), MatchesRegex("_{10,}#{12,}"));
    EXPECT_THAT(track(mix, kLow), MatchesRegex("_*"));
}

// Mended: freealut's answer for an unreadable file is no samples at all, never garbage.
TEST_F(SoundManagerTest, BadFilesGiveSilentHandlesAndHandlesOutsideTheTableDoNothing) {
    playSound(0); // nothing loaded yet
    writeFile("corrupt.wav", "RIFF0000WAVEjunk, and no format chunk anywhere");
    writeTones("whole.wav", {{kLow, 0.5}});
    // Its data chunk claims far more than is there.
    writeFile("cut.wav", readFile("whole.wav").substr(0, 60));
    writeTones("high.wav", {{kHigh, 0.1}});
    int next = 0;
    for (const char* file : {"./missing.wav", "./corrupt.wav", "./cut.wav", "./high.wav"})
        EXPECT_EQ(loadSound(file), next++);
    for (int bad = 0; bad < 3; ++bad) {
        setSoundLoop(bad, 1);
        playSound(bad);
    }
    listen(300);
    setSoundLoop(3, 1);
    playSound(3);
    for (int outside : {-1, 4, 1000}) {
        playSound(outside);
        stopSound(outside);
        setSoundLoop(outside, 0);
        EXPECT_FALSE(soundPlaying(outside));
    }
    listen(400);
    EXPECT_EQ(soundManager().count, 4);
    const WavProbe mix = finish();
    EXPECT_LT(rmsDb(mix.samples, 0, std::size_t(mix.rate / 4)), -80.0) << "a bad file was heard";
    EXPECT_THAT(track(mix, kHigh), MatchesRegex(".*#{12,}"));
    const std::string log = readFile(kLogFileName);
    for (const char* bad :
         {"./missing.wav (cannot be read)", "./corrupt.wav (a chunk runs past the end of the file)",
          "./cut.wav (a chunk runs past the end of the file)"})
        EXPECT_THAT(log,
                    HasSubstr(std::string("Cannot read the sound ") + bad + "      *ERROR*\n"));
    EXPECT_EQ(log.find("high.wav"), std::string::npos);
}

} // namespace
