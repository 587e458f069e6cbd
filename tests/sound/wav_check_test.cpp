// The WAV check on hand-made files: what passes is exactly what freealut can be trusted with.
#include "sound/wav_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string little(std::uint32_t value, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

std::string chunk(const std::string& id, const std::string& body) {
    return id + little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

struct Fmt {
    std::uint32_t encoding = 1, channels = 1, rate = 22050, bits = 16;
    std::uint32_t blockAlign = 2;
};

std::string fmt(const Fmt& f) {
    return chunk("fmt ", little(f.encoding, 2) + little(f.channels, 2) + little(f.rate, 4) +
                             little(f.rate * f.blockAlign, 4) + little(f.blockAlign, 2) +
                             little(f.bits, 2));
}

std::string riff(const std::string& chunks) {
    return "RIFF" + little(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

const char* fault(const std::string& bytes) {
    return wavImageFault(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// Plain PCM passes whatever chunks surround its data; anything freealut would misread is
// refused with its reason.
TEST(WavCheck, EachFileGetsTheVerdictFreealutCanBeTrustedWith) {
    const std::string data = chunk("data", std::string(400, '\x10'));
    std::string claimsMore = riff(fmt({}) + data);
    claimsMore.replace(claimsMore.size() - 400 - 4, 4, little(401, 4));
    // Found by fuzzing: freealut reads this size sign-extended and asks for exabytes.
    const std::string hugeJunk =
        "RIFF" + little(16, 4) + "WAVEjunk" + little(0xF0000000u, 4) + "12";
    const struct {
        std::string bytes;
        const char* reason; // null: passes
    } cases[] = {
        {riff(fmt({}) + data), nullptr},
        {riff(chunk("LIST", "odd") + '\0' + fmt({}) + data + "trailing"), nullptr},
        {riff(fmt({1, 2, 44100, 8, 2}) + data), nullptr},
        {riff(fmt({1, 2, 192000, 16, 4}) + data), nullptr},
        {"", "not a WAV file"},
        {".snd" + std::string(40, '\0'), "not a WAV file"},
        {"this is a text file, not a sound at all", "not a WAV file"},
        {hugeJunk, "a chunk runs past the end of the file"},
        {claimsMore, "a chunk runs past the end of the file"},
        {riff(fmt({})), "no data chunk"},
        {riff(data + fmt({})), "no format chunk before the data"},
        {riff(chunk("fmt ", "short") + data), "format chunk too short"},
        {riff(fmt({7, 1, 8000, 8, 1}) + data), "not PCM"},
        {riff(fmt({1, 1, 22050, 24, 3}) + data), "neither 8 nor 16 bits a sample"},
        {riff(fmt({1, 3, 22050, 16, 6}) + data), "neither mono nor stereo"},
        {riff(fmt({1, 1, 999, 16, 2}) + data), "sample rate out of range"},
        {riff(fmt({1, 1, 192001, 16, 2}) + data), "sample rate out of range"},
        {riff(fmt({1, 2, 22050, 16, 2}) + data), "block alignment does not match"},
        {riff(fmt({1, 2, 22050, 16, 4}) + chunk("data", "abcdef")),
         "data not a whole number of frames"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        EXPECT_STREQ(fault(c.bytes), c.reason);
    }
}

} // namespace
