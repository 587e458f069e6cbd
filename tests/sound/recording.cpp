#include "recording.h"

#include "sounds/wav_writer.h"
#include "support/work_dir.h"
#include "wav_probe.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>

namespace {

constexpr double kSlice = 0.02;
// A test tone is written at amplitude 0.5; the mix plays it back near that level.
constexpr double kHeardAmplitude = 0.05;
constexpr std::size_t kShutdownSlices = 3;

} // namespace

void recordMixHere() {
    writeFile("alsoft.conf", "channels=mono\nsample-type=int16\nfrequency=22050\nperiod_size=256\n"
                             "[wave]\nfile=mix.wav\n");
    setenv("ALSOFT_CONF", (std::filesystem::current_path() / "alsoft.conf").c_str(), 1);
}

Mix::Mix() {
    const WavProbe wav = probeWav("mix.wav");
    if (!wav.valid) return;
    mono = monoMix(wav);
    rate = wav.rate;
    sliceFrames = static_cast<std::size_t>(kSlice * rate);
}

double Mix::seconds() const {
    return valid() ? double(mono.size()) / rate : 0.0;
}

bool Mix::heardIn(double frequency, std::size_t slice) const {
    const std::size_t begin = slice * sliceFrames;
    return toneAmplitude(mono, rate, frequency, begin, begin + sliceFrames) > kHeardAmplitude;
}

double Mix::heardSeconds(double frequency) const {
    int heard = 0;
    for (std::size_t slice = 0; slice < mono.size() / sliceFrames; ++slice) {
        heard += heardIn(frequency, slice) ? 1 : 0;
    }
    return heard * kSlice;
}

int Mix::stretches(double frequency) const {
    int count = 0;
    bool previous = false;
    for (std::size_t slice = 0; slice < mono.size() / sliceFrames; ++slice) {
        const bool heard = heardIn(frequency, slice);
        if (heard && !previous) ++count;
        previous = heard;
    }
    return count;
}

bool Mix::heardAtEnd(double frequency, double tail) const {
    const std::size_t all = mono.size() / sliceFrames;
    if (all <= kShutdownSlices) return false;
    const std::size_t slices = all - kShutdownSlices;
    const auto tailSlices = static_cast<std::size_t>(tail / kSlice);
    for (std::size_t slice = slices > tailSlices ? slices - tailSlices : 0; slice < slices;
         ++slice) {
        if (!heardIn(frequency, slice)) return false;
    }
    return true;
}

double Mix::endLevelDb(double tail) const {
    const auto frames = static_cast<std::size_t>(tail * rate);
    return rmsDb(mono, mono.size() > frames ? mono.size() - frames : 0, mono.size());
}

double Mix::levelDb() const {
    return rmsDb(mono, 0, mono.size());
}

void writeTones(const std::filesystem::path& file, std::initializer_list<ToneSegment> segments) {
    Audio audio;
    audio.rate = 22050;
    for (const ToneSegment& segment : segments) {
        const auto frames = static_cast<std::size_t>(segment.seconds * audio.rate);
        for (std::size_t i = 0; i < frames; ++i) {
            const double t = double(i) / audio.rate;
            audio.samples.push_back(
                float(0.5 * std::sin(2.0 * std::numbers::pi * segment.frequency * t)));
        }
    }
    writeWav(file, audio);
}

void listen(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
