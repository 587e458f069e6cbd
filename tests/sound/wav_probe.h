#pragma once
// Reads 16-bit PCM WAV files back for inspection (plain or extensible RIFF, as OpenAL Soft's
// wave driver writes them) and measures what is in them.
#include <cstddef>
#include <filesystem>
#include <vector>

struct WavProbe {
    bool valid = false;
    int formatTag = 0; // 1 plain PCM, 0xFFFE extensible
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<float> samples; // interleaved, full scale ±1

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double seconds() const { return rate > 0 ? double(frames()) / rate : 0.0; }
};

// Parses the file's chunks; valid is false unless it holds 16-bit PCM with a data chunk.
WavProbe probeWav(const std::filesystem::path& file);

// The channels averaged into one.
std::vector<float> monoMix(const WavProbe& wav);

// Root mean square of samples [begin, end) in dBFS (-200 for silence).
double rmsDb(const std::vector<float>& samples, std::size_t begin, std::size_t end);

// Amplitude of a sine of the given frequency in samples [begin, end) (Goertzel), so a tone
// of amplitude 0.5 measures about 0.5.
double toneAmplitude(const std::vector<float>& mono, int rate, double frequency, std::size_t begin,
                     std::size_t end);
