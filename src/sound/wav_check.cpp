#include "sound/wav_check.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kRiffHeader = 12; // "RIFF", size, "WAVE"
constexpr std::size_t kFormatFields = 16;
constexpr std::uint32_t kPcm = 1;

// Sizes are read unsigned, never sign-extended.
std::uint32_t readLittle(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

bool named(const unsigned char* bytes, const char* id) {
    return std::memcmp(bytes, id, 4) == 0;
}

struct Format {
    std::uint32_t encoding = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t blockAlign = 0;
    std::uint32_t bits = 0;
};

Format readFormat(const unsigned char* fields) {
    return Format{readLittle(fields, 2), readLittle(fields + 2, 2), readLittle(fields + 4, 4),
                  readLittle(fields + 12, 2), readLittle(fields + 14, 2)};
}

const char* formatFault(const Format& format) {
    if (format.encoding != kPcm) return "not PCM";
    if (format.bits != 8 && format.bits != 16) return "neither 8 nor 16 bits a sample";
    if (format.channels != 1 && format.channels != 2) return "neither mono nor stereo";
    if (format.rate < 1000 || format.rate > 192000) return "sample rate out of range";
    if (format.blockAlign != format.channels * format.bits / 8)
        return "block alignment does not match";
    return nullptr;
}

} // namespace

const char* wavImageFault(const unsigned char* image, std::size_t length) {
    if (length > kMaxWavFileBytes) return "larger than 64 MB";
    if (length < kRiffHeader || !named(image, "RIFF") || !named(image + 8, "WAVE"))
        return "not a WAV file";
    bool formatSeen = false;
    Format format;
    std::size_t at = kRiffHeader;
    while (length - at >= kChunkHeader) {
        const unsigned char* chunk = image + at;
        const std::size_t size = readLittle(chunk + 4, 4);
        if (size > length - at - kChunkHeader) return "a chunk runs past the end of the file";
        if (named(chunk, "fmt ")) {
            if (size < kFormatFields) return "format chunk too short";
            format = readFormat(chunk + kChunkHeader);
            formatSeen = true;
        } else if (named(chunk, "data")) {
            // freealut stops at the first data chunk and needs the format before it.
            if (!formatSeen) return "no format chunk before the data";
            if (const char* fault = formatFault(format)) return fault;
            if (size % format.blockAlign != 0) return "data not a whole number of frames";
            return nullptr;
        }
        // An odd-sized chunk is followed by one byte of padding.
        at += kChunkHeader + size + (size & 1);
        if (at > length) break;
    }
    return "no data chunk";
}
