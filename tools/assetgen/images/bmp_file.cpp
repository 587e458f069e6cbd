#include "bmp_file.h"

#include <fstream>

namespace {

constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dpi

bool writeBitmap(const std::filesystem::path& file, const Image& img, BitmapDepth depth) {
    const std::vector<unsigned char> bytes = encodeBmp(img, depth);
    return !bytes.empty() && writeBytes(file, bytes.data(), bytes.size());
}

} // namespace

std::vector<unsigned char> encodeBmp(const Image& img, BitmapDepth depth) {
    return encodeBitmap(img.width(), img.height(), depth, kPixelsPerMetre, [&img](int x, int y) {
        const Rgb c = img.at(x, y);
        return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    });
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
    return writeBitmap(file, img, BitmapDepth::kRgb24);
}

bool writeGamePicture(const std::filesystem::path& file, const Image& img) {
    return writeBitmap(file, img, BitmapDepth::kRgb565);
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
