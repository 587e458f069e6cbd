// The generated sound files: readable, of their intended lengths, mastered, loops seamless.
#include "sounds/sounds.h"

#include "support/work_dir.h"
#include "wav_probe.h"

#include <AL/alut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

struct Expected {
    const char* name;
    double minSeconds;
    double maxSeconds;
    bool music;
};

constexpr Expected kFiles[] = {
    {"mariohurt", 0.15, 1.0, false},    {"memario", 0.8, 3.0, false},
    {"outro", 20.0, 60.0, true},        {"b1", 0.1, 1.0, false},
    {"rocketshoot", 0.4, 2.0, false},   {"swing", 0.1, 1.0, false},
    {"handgunshoot", 0.1, 1.0, false},  {"noammo", 0.05, 0.5, false},
    {"weaponpickup", 0.1, 1.0, false},  {"healthpickup", 0.1, 1.0, false},
    {"speeduppickup", 0.1, 1.0, false}, {"itemspawn", 0.1, 1.0, false},
    {"ricochet", 0.2, 1.0, false},      {"mariocollide", 0.05, 0.6, false},
    {"fireBall", 0.2, 1.5, false},      {"arrowcolide", 0.05, 0.6, false},
    {"blemphurt2", 0.15, 1.0, false},   {"blempdie", 0.6, 2.5, false},
    {"explosion", 1.0, 4.0, false},     {"explosion2", 0.8, 3.0, false},
    {"intro", 20.0, 60.0, true},        {"level1", 60.0, 120.0, true},
};

double peakOf(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float sample : samples)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

double toDb(double level) {
    return 20.0 * std::log10(std::max(level, 1e-10));
}

// The loudest 100 ms of a mono signal, dBFS.
double loudestDb(const std::vector<float>& mono, int rate) {
    const std::size_t window = rate / 10;
    double loudest = -200.0;
    for (std::size_t at = 0; at + window <= mono.size(); at += window / 4) {
        loudest = std::max(loudest, rmsDb(mono, at, at + window));
    }
    return loudest;
}

// Generates the set once into a work directory shared by this file's tests.
class GeneratedSounds : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new ScopedWorkDir;
        written = writeSounds("sounds");
        for (const Expected& file : kFiles) {
            probes[file.name] = probeWav(std::string("sounds/") + file.name + ".wav");
        }
    }
    static void TearDownTestSuite() {
        probes.clear();
        delete dir;
    }
    static inline ScopedWorkDir* dir = nullptr;
    static inline bool written = false;
    static inline std::map<std::string, WavProbe> probes;
};

TEST_F(GeneratedSounds, EveryFileIsPlain16BitPcmThatFreealutReads) {
    ASSERT_TRUE(written);
    // freealut reads files only with a context current (the null driver's will do).
    ASSERT_TRUE(alutInit(nullptr, nullptr));
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.formatTag, 1);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        ALenum format = 0;
        ALsizei size = 0;
        ALfloat frequency = 0;
        const std::string path = std::string("sounds/") + file.name + ".wav";
        void* data = alutLoadMemoryFromFile(path.c_str(), &format, &size, &frequency);
        EXPECT_NE(data, nullptr);
        EXPECT_EQ(static_cast<std::size_t>(size), wav.samples.size() * 2);
        EXPECT_EQ(frequency, wav.rate);
        std::free(data);
    }
    alutExit();
}

TEST_F(GeneratedSounds, EachFileLastsItsIntendedLengthAndIsNotSilent) {
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        EXPECT_GE(wav.seconds(), file.minSeconds);
        EXPECT_LE(wav.seconds(), file.maxSeconds);
        EXPECT_GT(rmsDb(wav.samples, 0, wav.samples.size()), -30.0);
    }
}

TEST_F(GeneratedSounds, PeaksDcAndEdgesMeetTheMasteringBars) {
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        EXPECT_LE(toDb(peakOf(wav.samples)), -1.0);
        for (int c = 0; c < wav.channels; ++c) {
            double sum = 0.0;
            for (std::size_t i = c; i < wav.samples.size(); i += wav.channels)
                sum += wav.samples[i];
            EXPECT_LT(std::fabs(sum / double(wav.frames())), 0.001) << "DC offset";
        }
        // An effect starts and ends at rest; a loop starts and ends near it, so even its very
        // first start is no click.
        const double edge = file.music ? 0.01 : 0.0005;
        EXPECT_LE(std::fabs(wav.samples.front()), edge);
        EXPECT_LE(std::fabs(wav.samples.back()), edge);
    }
}

TEST_F(GeneratedSounds, MusicSitsAboutSixDecibelsUnderTheEffects) {
    std::vector<double> effects;
    for (const Expected& file : kFiles) {
        const WavProbe& wav = probes[file.name];
        if (!file.music) effects.push_back(loudestDb(monoMix(wav), wav.rate));
    }
    std::sort(effects.begin(), effects.end());
    const double effectLoudness = effects[effects.size() / 2];
    for (const Expected& file : kFiles) {
        if (!file.music) continue;
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        const double gap = effectLoudness - rmsDb(wav.samples, 0, wav.samples.size());
        EXPECT_GT(gap, 4.0);
        EXPECT_LT(gap, 9.0);
    }
}

TEST_F(GeneratedSounds, MusicLoopsRunIntoTheirStartsWithoutAClickOrAGap) {
    for (const Expected& file : kFiles) {
        if (!file.music) continue;
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        const std::vector<float>& s = wav.samples;
        const int ch = wav.channels;
        for (int c = 0; c < ch; ++c) {
            // The step across the seam is no bigger than the piece's ordinary steps.
            std::vector<float> steps;
            for (std::size_t i = c + ch; i < s.size(); i += ch)
                steps.push_back(std::fabs(s[i] - s[i - ch]));
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
            const float ordinary = steps[steps.size() * 99 / 100];
            EXPECT_LE(std::fabs(s[c] - s[s.size() - ch + c]), ordinary);
        }
        // No gap: the music still sounds in the 100 ms either side of the seam.
        const std::vector<float> mono = monoMix(wav);
        const std::size_t near = wav.rate / 10;
        EXPECT_GT(rmsDb(mono, mono.size() - near, mono.size()), -45.0);
        EXPECT_GT(rmsDb(mono, 0, near), -45.0);
    }
}

TEST_F(GeneratedSounds, EveryRunWritesTheSameBytes) {
    ASSERT_TRUE(writeSounds("again"));
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        const std::string name = std::string(file.name) + ".wav";
        EXPECT_TRUE(readFile("again/" + name) == readFile("sounds/" + name));
    }
}

} // namespace
