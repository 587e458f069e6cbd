#include "wav_probe.h"

#include "support/work_dir.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

std::uint32_t readLe(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

} // namespace

WavProbe probeWav(const std::filesystem::path& file) {
    WavProbe wav;
    const std::string bytes = readFile(file);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return wav;
    int bits = 0, formatTag = 0; // 1 plain PCM, 0xFFFE extensible
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = readLe(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            formatTag = int(readLe(bytes, body, 2));
            wav.channels = int(readLe(bytes, body + 2, 2));
            wav.rate = int(readLe(bytes, body + 4, 4));
            bits = int(readLe(bytes, body + 14, 2));
        } else if (id == "data" && bits == 16 && wav.channels > 0) {
            const std::size_t end = std::min(bytes.size(), body + size);
            for (std::size_t i = body; i + 1 < end; i += 2)
                wav.samples.push_back(float(std::int16_t(readLe(bytes, i, 2))) / 32768.0f);
            wav.valid = formatTag == 1 || formatTag == 0xFFFE;
            return wav;
        }
        at = body + size + (size & 1);
    }
    return wav;
}

std::vector<float> WavProbe::mono() const {
    std::vector<float> mixed(frames(), 0.0f);
    for (std::size_t i = 0; i < mixed.size() * channels; ++i)
        mixed[i / channels] += samples[i] / float(channels);
    return mixed;
}

double rmsDb(const std::vector<float>& samples, std::size_t begin, std::size_t end) {
    end = std::min(end, samples.size());
    if (begin >= end) return -200.0;
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i)
        sum += double(samples[i]) * samples[i];
    const double rms = std::sqrt(sum / double(end - begin));
    return rms > 1e-10 ? 20.0 * std::log10(rms) : -200.0;
}
