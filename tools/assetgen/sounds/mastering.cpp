#include "mastering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Blocks DC with a 10 Hz high-pass. A loop runs the filter over itself once first, so the
// state it starts with is the one it ends with.
void removeDc(Audio& audio, bool loop) {
    const double r = 1.0 - 2.0 * std::numbers::pi * 10.0 / audio.rate;
    const std::size_t frames = audio.frames();
    for (int c = 0; c < audio.channels; ++c) {
        double previousIn = 0.0, previousOut = 0.0;
        if (loop) {
            for (std::size_t i = 0; i < frames; ++i) {
                const double in = audio.samples[i * audio.channels + c];
                previousOut = in - previousIn + r * previousOut;
                previousIn = in;
            }
        }
        for (std::size_t i = 0; i < frames; ++i) {
            float& sample = audio.samples[i * audio.channels + c];
            const double in = sample;
            previousOut = in - previousIn + r * previousOut;
            previousIn = in;
            sample = static_cast<float>(previousOut);
        }
    }
}

void fadeEdges(Audio& audio, double inSeconds, double outSeconds) {
    const std::size_t frames = audio.frames();
    const std::size_t in = std::min(frames, static_cast<std::size_t>(inSeconds * audio.rate));
    const std::size_t out = std::min(frames, static_cast<std::size_t>(outSeconds * audio.rate));
    for (std::size_t i = 0; i < frames; ++i) {
        double gain = 1.0;
        if (i < in) gain = static_cast<double>(i) / in;
        if (frames - 1 - i < out) gain = std::min(gain, static_cast<double>(frames - 1 - i) / out);
        for (int c = 0; c < audio.channels; ++c)
            audio.samples[i * audio.channels + c] *= gain;
    }
}

double toDb(double level) {
    return 20.0 * std::log10(level);
}

// Root mean square over a run of frames, all channels together.
double rms(const Audio& audio, std::size_t firstFrame, std::size_t frames) {
    double sum = 0.0;
    const std::size_t begin = firstFrame * audio.channels;
    const std::size_t end = begin + frames * audio.channels;
    for (std::size_t i = begin; i < end; ++i)
        sum += double(audio.samples[i]) * audio.samples[i];
    return frames > 0 ? std::sqrt(sum / double(end - begin)) : 0.0;
}

// The loudest 100 ms, looked at in steps of 25 ms.
double loudestWindow(const Audio& audio) {
    const std::size_t frames = audio.frames();
    const auto window = std::min(frames, static_cast<std::size_t>(audio.rate / 10));
    double loudest = 0.0;
    for (std::size_t at = 0; at + window <= frames; at += std::max<std::size_t>(1, window / 4)) {
        loudest = std::max(loudest, rms(audio, at, window));
    }
    return loudest;
}

// Scales to the loudness target, or less where the peak would pass the limit.
void normalize(Audio& audio, double loudness, double targetDb) {
    float peak = 0.0f;
    for (float sample : audio.samples)
        peak = std::max(peak, std::fabs(sample));
    if (peak <= 0.0f || loudness <= 0.0) return;
    const double gainDb = std::min(targetDb - toDb(loudness), kPeakLimitDb - toDb(peak));
    const auto gain = static_cast<float>(std::pow(10.0, gainDb / 20.0));
    for (float& sample : audio.samples)
        sample *= gain;
}

} // namespace

void masterEffect(Audio& audio) {
    removeDc(audio, false);
    fadeEdges(audio, 0.002, 0.015);
    normalize(audio, loudestWindow(audio), kEffectLoudnessDb);
}

void masterLoop(Audio& audio) {
    removeDc(audio, true);
    normalize(audio, rms(audio, 0, audio.frames()), kMusicLoudnessDb);
}
