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

std::string pathOf(const Expected& file, const char* folder = "sounds") {
    return std::string(folder) + "/" + file.name + ".wav";
}

// Generates the set once into a work directory shared by this file's tests.
class GeneratedSounds : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new ScopedWorkDir;
        written = writeSounds("sounds");
        for (const Expected& file : kFiles)
            probes[file.name] = probeWav(pathOf(file));
    }
    static void TearDownTestSuite() {
        probes.clear();
        delete dir;
    }
    static inline ScopedWorkDir* dir = nullptr;
    static inline bool written = false;
    static inline std::map<std::string, WavProbe> probes;
};

TEST_F(GeneratedSounds, EveryFileIsPcmThatFreealutReadsOfItsLengthAndMastered) {
    ASSERT_TRUE(written);
    // freealut reads files only with a context current (the null driver's will do).
    ASSERT_TRUE(alutInit(nullptr, nullptr));
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        ASSERT_TRUE(wav.valid);
        ALenum format = 0;
        ALsizei size = 0;
        ALfloat frequency = 0;
        void* data = alutLoadMemoryFromFile(pathOf(file).c_str(), &format, &size, &frequency);
        EXPECT_NE(data, nullptr);
        EXPECT_EQ(static_cast<std::size_t>(size), wav.samples.size() * 2);
        EXPECT_EQ(frequency, wav.rate);
        std::free(data);

        EXPECT_GE(double(wav.frames()) / wav.rate, file.minSeconds);
        EXPECT_LE(double(wav.frames()) / wav.rate, file.maxSeconds);
        EXPECT_GT(rmsDb(wav.samples, 0, wav.samples.size()), -30.0) << "silent";
        float peak = 0.0f;
        for (float sample : wav.samples)
            peak = std::max(peak, std::fabs(sample));
        EXPECT_LE(20.0 * std::log10(peak), -1.0);
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
    alutExit();
}

TEST_F(GeneratedSounds, MusicSitsAboutSixDecibelsUnderTheEffectsAndLoopsSeamlessly) {
    // An effect's loudness is its loudest 100 ms; the effects' median is the reference.
    std::vector<double> effects;
    for (const Expected& file : kFiles) {
        if (file.music) continue;
        const std::vector<float> mono = probes[file.name].mono();
        const std::size_t window = probes[file.name].rate / 10;
        double loudest = -200.0;
        for (std::size_t at = 0; at + window <= mono.size(); at += window / 4)
            loudest = std::max(loudest, rmsDb(mono, at, at + window));
        effects.push_back(loudest);
    }
    std::nth_element(effects.begin(), effects.begin() + effects.size() / 2, effects.end());
    for (const Expected& file : kFiles) {
        if (!file.music) continue;
        SCOPED_TRACE(file.name);
        const WavProbe& wav = probes[file.name];
        const std::vector<float>& s = wav.samples;
        const double gap = effects[effects.size() / 2] - rmsDb(s, 0, s.size());
        EXPECT_GT(gap, 4.0);
        EXPECT_LT(gap, 9.0);
        const int ch = wav.channels;
        for (int c = 0; c < ch; ++c) {
            // The step across the seam is no bigger than the piece's ordinary steps.
            std::vector<float> steps;
            for (std::size_t i = c + ch; i < s.size(); i += ch)
                steps.push_back(std::fabs(s[i] - s[i - ch]));
            const auto ordinary = steps.begin() + long(steps.size() * 99 / 100);
            std::nth_element(steps.begin(), ordinary, steps.end());
            EXPECT_LE(std::fabs(s[c] - s[s.size() - ch + c]), *ordinary) << "a click";
        }
        // No gap: the music still sounds in the 100 ms either side of the seam.
        const std::vector<float> mono = wav.mono();
        const std::size_t near = wav.rate / 10;
        EXPECT_GT(rmsDb(mono, mono.size() - near, mono.size()), -45.0);
        EXPECT_GT(rmsDb(mono, 0, near), -45.0);
    }
}

TEST_F(GeneratedSounds, EveryRunWritesTheSameBytes) {
    ASSERT_TRUE(writeSounds("again"));
    for (const Expected& file : kFiles) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(readFile(pathOf(file, "again")) == readFile(pathOf(file)));
    }
}

} // namespace
