#include "audio.h"

Audio silence(int rate, double seconds) {
    Audio audio;
    audio.rate = rate;
    audio.samples.assign(static_cast<std::size_t>(seconds * rate), 0.0f);
    return audio;
}

void mixInto(Audio& target, const std::vector<float>& mono, std::size_t offset, float gain) {
    const std::size_t frames = target.frames();
    for (std::size_t i = 0; i < mono.size() && offset + i < frames; ++i) {
        for (int c = 0; c < target.channels; ++c) {
            target.samples[(offset + i) * target.channels + c] += gain * mono[i];
        }
    }
}
