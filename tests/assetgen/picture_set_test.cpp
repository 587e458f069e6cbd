// The whole picture set as the game will read it: every file the game loads, cut the way
// its drawing code cuts it.
#include "images.h"
#include "palette.h"

#include "picture_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// What the drawing code needs of a sprite: its cell size (0 = any), the least frames and
// columns it reads, and the cells (frame, column) that must show something; every = all.
struct Use {
    const char* name;
    int cellW, cellH;
    int minFrames, minColumns;
    std::vector<std::pair<int, int>> drawn;
    bool every = false;
};

const std::vector<Use>& uses() {
    static const std::vector<Use> table = {
        {"player", 46, 46, 16, 4, {}, true},
        {"mario", 15, 16, 4, 4, {}, true},
        {"mario_big", 16, 27, 4, 4, {}, true},
        {"fire_mario", 10, 10, 4, 4, {}, true},
        {"bullet", 8, 8, 2, 2, {{1, 1}}},
        {"rocket", 32, 32, 2, 2, {{1, 1}}},
        {"fireball", 14, 14, 2, 2, {{1, 1}}},
        {"crater", 0, 0, 1, 1, {{1, 0}}},
        {"blood1", 0, 0, 1, 1, {{1, 0}}},
        {"blood2", 0, 0, 1, 1, {{1, 0}}},
        {"smoke1", 0, 0, 1, 1, {{1, 0}}},
        {"smoke2", 0, 0, 1, 1, {{1, 0}}},
        {"explosion1", 0, 0, 1, 1, {{1, 0}}},
        {"explosion2", 0, 0, 1, 1, {{1, 0}}},
        {"wall1", 256, 64, 1, 1, {{0, 0}}},
        {"wall2", 64, 256, 1, 1, {{0, 0}}},
        {"block", 48, 48, 1, 1, {{0, 0}}},
        {"handgun", 32, 32, 1, 1, {{0, 0}}},
        {"rifle", 32, 32, 1, 1, {{0, 0}}},
        {"bomb", 32, 32, 1, 1, {{0, 0}}},
        {"health", 32, 32, 1, 1, {{0, 0}}},
        {"armor", 32, 32, 1, 1, {{0, 0}}},
        {"fontaz_v", 0, 0, 26, 1, {}, true},
        {"font09_v", 0, 0, 10, 1, {}, true},
        {"rocket_animated", 0, 0, 2, 1, {}, true},
        {"GUI", 800, 600, 1, 1, {{0, 0}}},
        {"intro_screen", 800, 0, 1, 1, {{0, 0}}},
        {"end_screen", 800, 0, 1, 1, {{0, 0}}},
        // Loaded and never drawn: still whole, valid sprites.
        {"arrow", 0, 0, 1, 1, {{0, 0}}},
        {"speedup", 0, 0, 1, 1, {{0, 0}}},
        {"extralife", 0, 0, 1, 1, {{0, 0}}},
        {"launcher", 0, 0, 1, 1, {{0, 0}}},
        {"bombs", 0, 0, 1, 1, {{0, 0}}},
        {"pool", 0, 0, 1, 1, {{0, 0}}},
        {"mark", 0, 0, 1, 1, {{0, 0}}},
    };
    return table;
}

struct Sprite {
    Picture picture;
    int cellW = 0, cellH = 0, frames = 0;

    int columns() const { return picture.width / cellW; }
    // Pixels of a cell that are not transparent; frames wrap as the game wraps them.
    int drawnPixels(int frame, int column) const {
        int n = 0, row = frame % frames;
        for (int y = row * cellH; y < (row + 1) * cellH; ++y)
            for (int x = column * cellW; x < (column + 1) * cellW; ++x)
                n += picture.at(x, y) != kMagenta;
        return n;
    }
    bool sameCells(int f1, int c1, int f2, int c2) const {
        for (int y = 0; y < cellH; ++y)
            for (int x = 0; x < cellW; ++x)
                if (picture.at(c1 * cellW + x, f1 * cellH + y) !=
                    picture.at(c2 * cellW + x, f2 * cellH + y))
                    return false;
        return true;
    }
};

// The set is written once per test program, into a folder of its own.
class PictureSet : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        workDir = new ScopedWorkDir;
        written = writeImages(workDir->path() / "images");
    }
    static void TearDownTestSuite() {
        delete workDir;
        workDir = nullptr;
    }
    static std::filesystem::path images() { return workDir->path() / "images"; }

    // The sprite with its descriptor; fails the test when either file is bad.
    static Sprite load(const std::string& name) {
        Sprite s;
        std::string why;
        auto picture = readPicture(images() / (name + ".bmp"), why);
        auto entries = readDescriptor(images() / (name + ".ini"));
        EXPECT_TRUE(picture) << name << ".bmp: " << why;
        EXPECT_TRUE(entries) << name << ".ini is not plain key = value lines";
        if (!picture || !entries) return s;
        EXPECT_EQ(entries->size(), 3u) << name;
        s.picture = *picture;
        s.cellW = (*entries)["spriteWidth"];
        s.cellH = (*entries)["spriteHeight"];
        s.frames = (*entries)["totalFrames"];
        return s;
    }

    static inline ScopedWorkDir* workDir = nullptr;
    static inline bool written = false;
};

bool nearMagenta(std::uint32_t c) {
    int r = int(c >> 16), g = int((c >> 8) & 0xFF), b = int(c & 0xFF);
    // Either close to the eye, or equal to it once the display packs it into 16 bits.
    bool close = r >= 190 && b >= 190 && g <= 90;
    bool same565 = (r >> 3) == 31 && (g >> 2) == 0 && (b >> 3) == 31;
    return c != kMagenta && (close || same565);
}

TEST_F(PictureSet, EverySpriteIsWholeCellsWhereTheGameReadsThem) {
    ASSERT_TRUE(written);
    for (const Use& use : uses()) {
        SCOPED_TRACE(use.name);
        Sprite s = load(use.name);
        ASSERT_GT(s.cellW, 0);
        ASSERT_GT(s.cellH, 0);
        ASSERT_GE(s.frames, use.minFrames);
        if (use.cellW) {
            EXPECT_EQ(s.cellW, use.cellW);
        }
        if (use.cellH) {
            EXPECT_EQ(s.cellH, use.cellH);
        }
        EXPECT_EQ(s.picture.width % s.cellW, 0);
        EXPECT_EQ(s.picture.height % s.cellH, 0);
        EXPECT_GE(s.picture.height, s.frames * s.cellH);
        ASSERT_GE(s.columns(), use.minColumns);
        std::vector<std::pair<int, int>> drawn = use.drawn;
        if (use.every)
            for (int f = 0; f < s.frames; ++f)
                for (int c = 0; c < use.minColumns; ++c)
                    drawn.emplace_back(f, c);
        for (auto [f, c] : drawn)
            EXPECT_GT(s.drawnPixels(f, c), s.cellW * s.cellH / 12)
                << "frame " << f << " column " << c;
    }
}

TEST_F(PictureSet, ScreensAreTallEnoughToRiseAndSolidWhereTheyShow) {
    ASSERT_TRUE(written);
    EXPECT_GE(load("intro_screen").picture.height, 600);
    EXPECT_GE(load("end_screen").picture.height, 1300);
    for (const char* name : {"GUI", "intro_screen", "end_screen"}) {
        Sprite s = load(name);
        EXPECT_EQ(s.drawnPixels(0, 0), s.cellW * s.cellH) << name << " has see-through pixels";
    }
    std::string why;
    auto floor = readPicture(images() / "bg1.bmp", why);
    ASSERT_TRUE(floor) << why;
    EXPECT_EQ(floor->width, 2400);
    EXPECT_EQ(floor->height, 2400);
    EXPECT_TRUE(readPicture(images() / "background.bmp", why)) << why;
}

TEST_F(PictureSet, MagentaIsTheOnlyPinkAnywhere) {
    ASSERT_TRUE(written);
    std::vector<std::string> files;
    for (const Use& use : uses())
        files.push_back(std::string(use.name) + ".bmp");
    files.push_back("bg1.bmp");
    files.push_back("background.bmp");
    for (const std::string& file : files) {
        std::string why;
        auto p = readPicture(images() / file, why);
        ASSERT_TRUE(p) << file << ": " << why;
        int bad = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x)
                bad += nearMagenta(p->at(x, y));
        EXPECT_EQ(bad, 0) << file;
    }
}

TEST_F(PictureSet, GlyphsFitTheAdvanceAndAreAllDifferent) {
    ASSERT_TRUE(written);
    for (const char* name : {"fontaz_v", "font09_v"}) {
        SCOPED_TRACE(name);
        Sprite font = load(name);
        EXPECT_LE(font.cellW, 20);
        EXPECT_LE(font.cellH, 20);
        for (int a = 0; a < font.frames; ++a)
            for (int b = a + 1; b < font.frames; ++b)
                EXPECT_FALSE(font.sameCells(a, 0, b, 0)) << "glyphs " << a << " and " << b;
    }
}

// The gun's pixels lie where the row faces: row k at 22.5 * k degrees clockwise from right.
TEST_F(PictureSet, HeroPointsHisGunWhereEachRowFacesAndWalks) {
    ASSERT_TRUE(written);
    Sprite hero = load("player");
    std::set<std::uint32_t> gun;
    for (Rgb c : kGunMetal.shade)
        gun.insert(std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b);
    for (int row = 0; row < 16; ++row) {
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < 46; ++y)
            for (int x = 0; x < 46; ++x)
                if (gun.count(hero.picture.at(x, row * 46 + y))) {
                    sx += x + 0.5 - 23.0;
                    sy += y + 0.5 - 23.0;
                    ++n;
                }
        ASSERT_GT(n, 10) << "row " << row;
        double angle = std::atan2(sy, sx) * 180.0 / std::numbers::pi;
        double off = std::remainder(angle - 22.5 * row, 360.0);
        // The gun is held a little right of the body's axis.
        EXPECT_LT(std::abs(off), 20.0) << "row " << row << " points at " << angle;
        for (int step = 1; step < 4; ++step)
            EXPECT_FALSE(hero.sameCells(row, 0, row, step)) << "row " << row << " step " << step;
    }
}

TEST_F(PictureSet, CreaturesWalkInEveryFacingAndLookApart) {
    ASSERT_TRUE(written);
    std::vector<std::array<double, 3>> means;
    for (const char* name : {"mario", "mario_big", "fire_mario"}) {
        SCOPED_TRACE(name);
        Sprite s = load(name);
        for (int c = 0; c < 4; ++c) {
            std::set<int> distinct;
            for (int f = 0; f < s.frames; ++f) {
                bool seen = false;
                for (int g = 0; g < f; ++g)
                    seen = seen || s.sameCells(f, c, g, c);
                distinct.insert(seen ? -1 : f);
            }
            EXPECT_GE(distinct.size(), 3u) << "facing " << c << " barely moves";
        }
        for (int c = 1; c < 4; ++c)
            EXPECT_FALSE(s.sameCells(0, 0, 0, c)) << "facing " << c << " looks like facing 0";
        std::array<double, 3> sum{};
        int n = 0;
        for (int y = 0; y < s.picture.height; ++y)
            for (int x = 0; x < s.picture.width; ++x) {
                std::uint32_t p = s.picture.at(x, y);
                if (p == kMagenta) continue;
                sum[0] += p >> 16, sum[1] += (p >> 8) & 0xFF, sum[2] += p & 0xFF, ++n;
            }
        means.push_back({sum[0] / n, sum[1] / n, sum[2] / n});
    }
    // Each kind has its own colour, not just its own size.
    for (std::size_t a = 0; a < means.size(); ++a)
        for (std::size_t b = a + 1; b < means.size(); ++b) {
            double d = 0;
            for (int k = 0; k < 3; ++k)
                d += std::abs(means[a][std::size_t(k)] - means[b][std::size_t(k)]);
            EXPECT_GT(d, 40.0) << "kinds " << a << " and " << b;
        }
}

TEST(PictureSetRuns, TwoRunsWriteTheSameBytes) {
    ScopedWorkDir dir;
    ASSERT_TRUE(writeImages("a"));
    ASSERT_TRUE(writeImages("b"));
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("a"))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names.size(), 35u * 2 + 2);
    for (const auto& entry : std::filesystem::directory_iterator("b"))
        EXPECT_TRUE(names.count(entry.path().filename().string()));
    for (const std::string& name : names)
        EXPECT_TRUE(readFile("a/" + name) == readFile("b/" + name)) << name << " differs";
}

} // namespace
