#include "graphics/bitmap_file.h"

#include "base/bitmap_writer.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kCoreHeaderSize = 12; // the oldest header: 16-bit sides
constexpr std::uint64_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t readLittle(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

bool knownDepth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::uint64_t rowBytes(std::int64_t width, std::uint32_t bits) {
    return ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
}

// A file's first bytes, enough for the headers and the bit-field masks, and its size.
struct FileHead {
    unsigned char bytes[kFileHeaderSize + kInfoHeaderSize + 12] = {};
    std::size_t length = 0;
    std::uint64_t size = 0;
};

bool readHead(const char* path, FileHead& head) {
    if (path == nullptr) return false;
    File file(std::fopen(path, "rb"));
    if (!file) return false;
    head.length = std::fread(head.bytes, 1, sizeof head.bytes, file.get());
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(file.get());
    head.size = static_cast<std::uint64_t>(size);
    return size >= 0;
}

} // namespace

const char* bitmapHeaderFault(const unsigned char* header, std::uint64_t headerLength,
                              std::uint64_t fileSize) {
    if (headerLength < kFileHeaderSize + 4 || header[0] != 'B' || header[1] != 'M')
        return "not a bitmap";
    const std::uint64_t dataOffset = readLittle(header + 10, 4);
    const std::uint64_t infoSize = readLittle(header + 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = kCompressionNone;
    if (infoSize == kCoreHeaderSize && headerLength >= kFileHeaderSize + kCoreHeaderSize) {
        width = readLittle(header + 18, 2);
        height = readLittle(header + 20, 2);
        bits = readLittle(header + 24, 2);
    } else if (infoSize >= kInfoHeaderSize && headerLength >= kFileHeaderSize + kInfoHeaderSize) {
        width = static_cast<std::int32_t>(readLittle(header + 18, 4));
        height = static_cast<std::int32_t>(readLittle(header + 22, 4));
        bits = readLittle(header + 28, 2);
        compression = readLittle(header + 30, 4);
    } else {
        return "unknown bitmap header";
    }
    if (height < 0) height = -height; // negative height: rows stored top first
    if (width <= 0 || height <= 0) return "no pixels";
    if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels)
        return "picture too large";
    if (!knownDepth(bits)) return "unknown colour depth";
    // Compressed pixels may be shorter than the picture; the size limits bound them instead.
    if (compression != kCompressionNone && compression != kCompressionBitFields) {
        return dataOffset < fileSize ? nullptr : "cut short";
    }
    const std::uint64_t end =
        dataOffset + rowBytes(width, bits) * static_cast<std::uint64_t>(height);
    return end <= fileSize ? nullptr : "cut short";
}

bool rgb565Layout(const unsigned char* header, std::uint64_t headerLength, std::uint64_t fileSize,
                  Rgb565Layout& layout) {
    constexpr std::uint64_t kMasksEnd = kFileHeaderSize + kInfoHeaderSize + 12;
    if (headerLength < kMasksEnd || bitmapHeaderFault(header, headerLength, fileSize) != nullptr)
        return false;
    // The masks follow a 40-byte header and sit at the same place inside a longer one.
    if (readLittle(header + 14, 4) < kInfoHeaderSize || readLittle(header + 28, 2) != 16 ||
        readLittle(header + 30, 4) != kCompressionBitFields ||
        readLittle(header + 54, 4) != 0xF800 || readLittle(header + 58, 4) != 0x07E0 ||
        readLittle(header + 62, 4) != 0x001F)
        return false;
    const auto height = static_cast<std::int32_t>(readLittle(header + 22, 4));
    layout.width = static_cast<int>(readLittle(header + 18, 4));
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    layout.offset = readLittle(header + 10, 4);
    layout.rowStride = rowBytes(layout.width, 16);
    return true;
}

const char* bitmapFileFault(const char* path) {
    FileHead head;
    if (!readHead(path, head)) return path == nullptr ? "no file name" : "cannot be read";
    return bitmapHeaderFault(head.bytes, head.length, head.size);
}

bool rgb565FileLayout(const char* path, Rgb565Layout& layout) {
    FileHead head;
    return readHead(path, head) && rgb565Layout(head.bytes, head.length, head.size, layout);
}

bool readRgb565Pixels(const char* path, const Rgb565Layout& layout, unsigned char* pixels,
                      std::ptrdiff_t pitch) {
    if (path == nullptr) return false;
    File file(std::fopen(path, "rb"));
    if (!file || std::fseek(file.get(), static_cast<long>(layout.offset), SEEK_SET) != 0)
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(layout.width) * 2;
    const auto padding = static_cast<long>(layout.rowStride - rowBytes);
    for (int stored = 0; stored < layout.height; ++stored) {
        const int row = layout.topDown ? stored : layout.height - 1 - stored;
        if (std::fread(pixels + row * pitch, 1, rowBytes, file.get()) != rowBytes ||
            std::fseek(file.get(), padding, SEEK_CUR) != 0)
            return false;
    }
    return true;
}

bool writeBitmapFile(const char* path, int width, int height, const std::uint32_t* rgb) {
    if (path == nullptr) return false;
    // No resolution stated: a screen shot has no size on paper.
    const std::vector<unsigned char> bytes =
        encodeBitmap(width, height, BitmapDepth::kRgb24, 0, [&](int x, int y) {
            return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
        });
    if (bytes.empty()) return false;
    File file(std::fopen(path, "wb"));
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
           std::fflush(file.get()) == 0;
}
