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

} // namespace

std::vector<unsigned char> encodeBmp(const Image& img) {
    constexpr std::size_t headerSize = 14 + 40;
    std::size_t rowBytes = (std::size_t(img.width()) * 3 + 3) & ~std::size_t(3);
    std::size_t dataSize = rowBytes * std::size_t(img.height());
    std::vector<unsigned char> out(headerSize + dataSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, std::uint32_t(out.size()));
    put32(out, 10, headerSize);
    put32(out, 14, 40);
    put32(out, 18, std::uint32_t(img.width()));
    put32(out, 22, std::uint32_t(img.height()));
    put16(out, 26, 1);  // planes
    put16(out, 28, 24); // bits per pixel; compression 0 (BI_RGB) stays zero
    put32(out, 34, std::uint32_t(dataSize));
    put32(out, 38, 2835); // 72 dpi, as most painters write
    put32(out, 42, 2835);
    for (int y = 0; y < img.height(); ++y) {
        std::size_t row = headerSize + std::size_t(img.height() - 1 - y) * rowBytes;
        for (int x = 0; x < img.width(); ++x) {
            Rgb c = img.at(x, y);
            out[row + std::size_t(x) * 3] = c.b;
            out[row + std::size_t(x) * 3 + 1] = c.g;
            out[row + std::size_t(x) * 3 + 2] = c.r;
        }
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

bool writeSprite(const std::filesystem::path& dir, const SpriteSheet& sheet) {
    std::string ini = describeSprite(sheet);
    bool bmpOk = writeBmp(dir / (sheet.name + ".bmp"), sheet.image);
    return writeBytes(dir / (sheet.name + ".ini"), ini.data(), ini.size()) && bmpOk;
}
