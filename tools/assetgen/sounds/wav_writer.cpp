#include "wav_writer.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace {

void put16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>(value >> 8));
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::int16_t toPcm(float sample) {
    const float scaled = std::round(sample * 32767.0f);
    if (scaled > 32767.0f) return 32767;
    if (scaled < -32767.0f) return -32767;
    return static_cast<std::int16_t>(scaled);
}

} // namespace

bool writeWav(const std::filesystem::path& file, const Audio& audio) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(audio.samples.size() * 2);
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(audio.channels * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, static_cast<std::uint16_t>(audio.channels));
    put32(out, static_cast<std::uint32_t>(audio.rate));
    put32(out, static_cast<std::uint32_t>(audio.rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (float sample : audio.samples)
        put16(out, static_cast<std::uint16_t>(toPcm(sample)));
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}
