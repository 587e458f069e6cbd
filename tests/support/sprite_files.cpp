#include "support/sprite_files.h"

#include "graphics/bitmap_file.h"
#include "graphics/display.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <vector>

std::uint32_t cellColour(int frame, int column) {
    const std::uint32_t red = 16 + 14 * static_cast<std::uint32_t>(frame % 16);
    const std::uint32_t green = 32 + 48 * static_cast<std::uint32_t>(column % 4);
    return (red << 16) | (green << 8) | 0x40;
}

void writePicture(const std::string& path, int width, int height,
                  const std::function<std::uint32_t(int, int)>& colourAt) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = colourAt(x, y);
    }
    ASSERT_TRUE(writeBitmapFile(path.c_str(), width, height, pixels.data())) << path;
}

void writeGridSprite(const std::string& base, int cellWidth, int cellHeight, int frames,
                     int columns) {
    writePicture(base + ".bmp", cellWidth * columns, cellHeight * frames,
                 [&](int x, int y) { return cellColour(y / cellHeight, x / cellWidth); });
    writeFile(base + ".ini", "totalFrames = " + std::to_string(frames) +
                                 "\nspriteWidth = " + std::to_string(cellWidth) +
                                 "\nspriteHeight = " + std::to_string(cellHeight) + "\n");
}

std::uint16_t pixelAt(int x, int y) {
    return backBufferPixels()[y * 800 + x];
}
