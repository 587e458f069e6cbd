#include "base/bitmap_writer.h"

#include <cstddef>

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;
constexpr std::uint64_t kMasksSize = 12;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;

void putLittle(unsigned char* bytes, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void putPixel(unsigned char* at, BitmapDepth depth, std::uint32_t rgb) {
    const unsigned red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    if (depth == BitmapDepth::kRgb565) {
        putLittle(at, ((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3), 2);
    } else {
        at[0] = static_cast<unsigned char>(blue);
        at[1] = static_cast<unsigned char>(green);
        at[2] = static_cast<unsigned char>(red);
    }
}

} // namespace

std::vector<unsigned char> encodeBitmap(int width, int height, BitmapDepth depth,
                                        std::uint32_t pixelsPerMetre,
                                        const std::function<std::uint32_t(int x, int y)>& pixelAt) {
    if (width <= 0 || height <= 0) return {};
    const bool masked = depth == BitmapDepth::kRgb565;
    const std::uint64_t pixelBytes = masked ? 2 : 3;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * pixelBytes + 3) / 4 * 4;
    const std::uint64_t dataSize = stride * static_cast<std::uint64_t>(height);
    const std::uint64_t headersSize = kFileHeaderSize + kInfoHeaderSize + (masked ? kMasksSize : 0);
    if (headersSize + dataSize > 0xFFFFFFFFu) return {};

    std::vector<unsigned char> file(headersSize + dataSize, 0);
    unsigned char* header = file.data();
    header[0] = 'B';
    header[1] = 'M';
    putLittle(header + 2, headersSize + dataSize, 4);
    putLittle(header + 10, headersSize, 4);
    putLittle(header + 14, kInfoHeaderSize, 4);
    putLittle(header + 18, static_cast<std::uint32_t>(width), 4);
    putLittle(header + 22, static_cast<std::uint32_t>(height), 4);
    putLittle(header + 26, 1, 2); // planes
    putLittle(header + 28, pixelBytes * 8, 2);
    putLittle(header + 30, masked ? kCompressionBitFields : kCompressionNone, 4);
    putLittle(header + 34, dataSize, 4);
    putLittle(header + 38, pixelsPerMetre, 4);
    putLittle(header + 42, pixelsPerMetre, 4);
    if (masked) {
        putLittle(header + 54, 0xF800, 4); // red, green and blue
        putLittle(header + 58, 0x07E0, 4);
        putLittle(header + 62, 0x001F, 4);
    }

    for (int y = 0; y < height; ++y) {
        unsigned char* row =
            header + headersSize + static_cast<std::uint64_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x)
            putPixel(row + static_cast<std::uint64_t>(x) * pixelBytes, depth, pixelAt(x, y));
    }
    return file;
}
