#include "bmp_file.h"

#include "picture_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

namespace {

// Widths 1 to 4 need 1, 2, 3 and 0 bytes of row padding.
TEST(BmpFile, RowsArePaddedAndStoredBottomUpForEveryWidth) {
    ScopedWorkDir dir;
    for (int w = 1; w <= 4; ++w) {
        Image img(w, 3, Rgb{10, 20, 30});
        img.set(0, 0, Rgb{200, 1, 2});     // top left
        img.set(w - 1, 2, Rgb{3, 4, 250}); // bottom right
        ASSERT_TRUE(writeBmp("t.bmp", img));
        std::string why;
        auto p = readPicture("t.bmp", why);
        ASSERT_TRUE(p) << "width " << w << ": " << why;
        EXPECT_EQ(p->width, w);
        EXPECT_EQ(p->height, 3);
        EXPECT_EQ(p->at(0, 0), 0xC80102u);
        EXPECT_EQ(p->at(w - 1, 2), 0x0304FAu);
        EXPECT_EQ(p->at(0, 1), 0x0A141Eu);
    }
}

TEST(BmpFile, DescriptorIsThreePlainLinesTheGameReads) {
    ScopedWorkDir dir;
    SpriteSheet sheet = makeSheet("thing", 12, 7, 5, 2);
    ASSERT_TRUE(writeSprite(".", sheet));
    EXPECT_EQ(readFile("thing.ini"), "totalFrames = 5\nspriteWidth = 12\nspriteHeight = 7\n");
    std::string why;
    auto p = readPicture("thing.bmp", why);
    ASSERT_TRUE(p) << why;
    EXPECT_EQ(p->width, 24);
    EXPECT_EQ(p->height, 35);
}

TEST(BmpFile, UnwritablePlaceIsReportedNotThrown) {
    ScopedWorkDir dir;
    EXPECT_FALSE(writeBmp("no/such/folder/x.bmp", Image(2, 2)));
    EXPECT_FALSE(writeSprite("no/such/folder", makeSheet("x", 1, 1, 1, 1)));
}

} // namespace
