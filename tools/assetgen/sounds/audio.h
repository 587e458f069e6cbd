#pragma once
// A piece of sound being made: float samples at full scale ±1, interleaved by channel.
#include <cstddef>
#include <vector>

struct Audio {
    int rate = 44100;
    int channels = 1;
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// A silent mono piece of the given length.
Audio silence(int rate, double seconds);

// Adds a mono signal into one piece at a frame offset; what runs past the end is dropped.
void mixInto(Audio& target, const std::vector<float>& mono, std::size_t offset, float gain);
