#include "wav_probe.h"

#include "support/work_dir.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace {

std::uint32_t read32(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) |
           std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

std::uint16_t read16(const std::string& bytes, std::size_t at) {
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

} // namespace

WavProbe probeWav(const std::filesystem::path& file) {
    WavProbe wav;
    const std::string bytes = readFile(file);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return wav;
    }
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = read32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            wav.formatTag = read16(bytes, body);
            wav.channels = read16(bytes, body + 2);
            wav.rate = static_cast<int>(read32(bytes, body + 4));
            wav.bits = read16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && wav.bits == 16 && wav.channels > 0) {
            const std::size_t end = std::min(bytes.size(), body + size);
            wav.samples.reserve((end - body) / 2);
            for (std::size_t i = body; i + 1 < end; i += 2) {
                wav.samples.push_back(float(std::int16_t(read16(bytes, i))) / 32768.0f);
            }
            wav.valid = wav.formatTag == 1 || wav.formatTag == 0xFFFE;
            return wav;
        }
        at = body + size + (size & 1);
    }
    return wav;
}

std::vector<float> monoMix(const WavProbe& wav) {
    std::vector<float> mono(wav.frames(), 0.0f);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        for (int c = 0; c < wav.channels; ++c)
            mono[i] += wav.samples[i * wav.channels + c];
        mono[i] /= float(wav.channels);
    }
    return mono;
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

double toneAmplitude(const std::vector<float>& mono, int rate, double frequency, std::size_t begin,
                     std::size_t end) {
    end = std::min(end, mono.size());
    if (begin >= end) return 0.0;
    const double w = 2.0 * std::numbers::pi * frequency / rate;
    const double coefficient = 2.0 * std::cos(w);
    double s1 = 0.0, s2 = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        const double s0 = mono[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2.0 * std::sqrt(std::max(0.0, power)) / double(end - begin);
}
