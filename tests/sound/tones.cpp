#include "tones.h"

#include "sounds/wav_writer.h"

#include <cmath>
#include <numbers>

void writeTones(const char* file, std::initializer_list<std::pair<double, double>> segments) {
    Audio audio;
    audio.rate = 22050;
    for (const auto& [frequency, seconds] : segments) {
        for (int i = 0; i < int(seconds * audio.rate); ++i)
            audio.samples.push_back(
                float(0.5 * std::sin(2.0 * std::numbers::pi * frequency * i / audio.rate)));
    }
    writeWav(file, audio);
}
