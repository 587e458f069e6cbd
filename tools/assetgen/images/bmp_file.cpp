#include "bmp_file.h"

#include <fstream>

namespace {

void put16(std::vector<unsigned char>& out, std::size_t at, unsigned v) {
    out[at] = static_cast<unsigned char>(v & 0xFF);
    out[at + 1] = static_cast<unsigned char>((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

// The file and info headers of an uncompressed (or, with masks, bit-field) bitmap whose
// pixels start right after them, rows bottom-up.
std::vector<unsigned char> bmpWithHeaders(const Image& img, unsigned bits, std::size_t rowBytes,
                                          std::size_t maskBytes) {
    const std::size_t headerSize = 14 + 40 + maskBytes;
    const std::size_t dataSize = rowBytes * std::size_t(img.height());
    std::vector<unsigned char> out(headerSize + dataSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, std::uint32_t(out.size()));
    put32(out, 10, std::uint32_t(headerSize));
    put32(out, 14, 40);
    put32(out, 18, std::uint32_t(img.width()));
    put32(out, 22, std::uint32_t(img.height()));
    put16(out, 26, 1); // planes
    put16(out, 28, bits);
    put32(out, 30, maskBytes != 0 ? 3 : 0); // BI_BITFIELDS with masks, else BI_RGB
    put32(out, 34, std::uint32_t(dataSize));
    put32(out, 38, 2835); // 72 dpi, as most painters write
    put32(out, 42, 2835);
    return out;
}

// Where row y (0 at the top) starts in a bottom-up bitmap.
std::size_t rowStart(const std::vector<unsigned char>& out, const Image& img, std::size_t rowBytes,
                     int y) {
    return out.size() - std::size_t(img.height()) * rowBytes +
           std::size_t(img.height() - 1 - y) * rowBytes;
}

std::uint16_t pack565(Rgb c) {
    return std::uint16_t(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

} // namespace

std::vector<unsigned char> encodeBmp(const Image& img) {
    const std::size_t rowBytes = (std::size_t(img.width()) * 3 + 3) & ~std::size_t(3);
    std::vector<unsigned char> out = bmpWithHeaders(img, 24, rowBytes, 0);
    for (int y = 0; y < img.height(); ++y) {
        const std::size_t row = rowStart(out, img, rowBytes, y);
        for (int x = 0; x < img.width(); ++x) {
            Rgb c = img.at(x, y);
            out[row + std::size_t(x) * 3] = c.b;
            out[row + std::size_t(x) * 3 + 1] = c.g;
            out[row + std::size_t(x) * 3 + 2] = c.r;
        }
    }
    return out;
}

std::vector<unsigned char> encodeBmp565(const Image& img) {
    const std::size_t rowBytes = (std::size_t(img.width()) * 2 + 3) & ~std::size_t(3);
    std::vector<unsigned char> out = bmpWithHeaders(img, 16, rowBytes, 12);
    put32(out, 54, 0xF800); // red, green and blue masks
    put32(out, 58, 0x07E0);
    put32(out, 62, 0x001F);
    for (int y = 0; y < img.height(); ++y) {
        const std::size_t row = rowStart(out, img, rowBytes, y);
        for (int x = 0; x < img.width(); ++x)
            put16(out, row + std::size_t(x) * 2, pack565(img.at(x, y)));
    }
    return out;
}

std::string describeSprite(const SpriteSheet& sheet) {
    return "totalFrames = " + std::to_string(sheet.totalFrames) + "\n" +
           "spriteWidth = " + std::to_string(sheet.cellWidth) + "\n" +
           "spriteHeight = " + std::to_string(sheet.cellHeight) + "\n";
}

bool writeBytes(const std::filesystem::path& file, const void* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    return bool(out);
}

bool writeBmp(const std::filesystem::path& file, const Image& img) {
    std::vector<unsigned char> bytes = encodeBmp(img);
    return writeBytes(file, bytes.data(), bytes.size());
}

bool writeGamePicture(const std::filesystem::path& file, const Image& img) {
    std::vector<unsigned char> bytes = encodeBmp565(img);
    return writeBytes(file, bytes.data(), bytes.size());
}

bool writeSprite(const std::filesystem::path& dir, const SpriteSheet& sheet) {
    std::string ini = describeSprite(sheet);
    // Converting a screen-sized picture is most of loading it; smaller sprites keep the exact
    // colours of their palette.
    const bool screenSized = std::int64_t{sheet.image.width()} * sheet.image.height() >= 800 * 600;
    const std::filesystem::path bmp = dir / (sheet.name + ".bmp");
    bool bmpOk = screenSized ? writeGamePicture(bmp, sheet.image) : writeBmp(bmp, sheet.image);
    return writeBytes(dir / (sheet.name + ".ini"), ini.data(), ini.size()) && bmpOk;
}
