#include "png_file.h"

#include <png.h>

#include <cstdint>
#include <vector>

bool writePng(const std::filesystem::path& file, const Image& img) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(img.pixels().size() * 4);
    for (const Rgb& c : img.pixels()) {
        const bool clear = c == kClear;
        // Clear pixels keep no colour, so a scaled-down icon cannot bleed magenta.
        rgba.insert(rgba.end(),
                    {clear ? std::uint8_t(0) : c.r, clear ? std::uint8_t(0) : c.g,
                     clear ? std::uint8_t(0) : c.b, clear ? std::uint8_t(0) : std::uint8_t(255)});
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(img.width());
    image.height = static_cast<png_uint_32>(img.height());
    image.format = PNG_FORMAT_RGBA;
    const bool ok = png_image_write_to_file(&image, file.c_str(), 0, rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}
