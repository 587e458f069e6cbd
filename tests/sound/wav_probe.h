#pragma once
// Reads 16-bit PCM WAV files back for inspection (plain or extensible RIFF, as OpenAL Soft's
// wave driver writes them) and measures what is in them.
#include <cstddef>
#include <filesystem>
#include <vector>

struct WavProbe {
    bool valid = false;
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved, full scale ±1

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    // The channels averaged into one.
    std::vector<float> mono() const;
};

// Parses the file's chunks; valid is false unless it holds 16-bit PCM with a data chunk.
WavProbe probeWav(const std::filesystem::path& file);

// Root mean square of samples [begin, end) in dBFS (-200 for silence).
double rmsDb(const std::vector<float>& samples, std::size_t begin, std::size_t end);
