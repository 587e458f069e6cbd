#include "graphics/bitmap_file.h"
#include "graphics/surface.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BitmapFile, BrokenOrOverclaimingFilesGiveNoSurface) {
    ScopedWorkDir dir;
    writePicture("small.bmp", 4, 3, [](int x, int y) { return 0x102030u * (x + y); });
    Surface* surface = loadBitmapSurface("small.bmp");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surfaceWidth(surface), 4);
    EXPECT_EQ(surfaceHeight(surface), 3);
    releaseSurface(surface);
    const std::string good = readFile("small.bmp");
    std::string huge = good; // 50000000 x 8 pixels: a gigabyte and more if believed
    huge.replace(18, 8, std::string("\x80\xF0\xFA\x02\x08\0\0\0", 8));
    const std::string cases[] = {"", "BM this is not a bitmap at all",
                                 good.substr(0, good.size() - 5), huge};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        writeFile("case.bmp", bytes);
        EXPECT_EQ(loadBitmapSurface("case.bmp"), nullptr);
    }
}

} // namespace
