// The whole generated picture set as the game will read it: every sprite through the game's
// own loader, cut the way its drawing code cuts it, and its pixels read back through SDL,
// independently of the generator's own code.
#include "images.h"
#include "palette.h"

#include "graphics/sprite_registry.h"
#include "support/test_display.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// What the drawing code needs of a sprite: its cell size and frames (0 any, negative at
// least that much), the columns it reads and the cell that must show something (frame -1:
// every cell; frames wrap as the game wraps them).
struct Use {
    const char* name;
    int cellW, cellH, frames, columns;
    int drawnFrame = 0, drawnColumn = 0;
};

constexpr Use kUses[] = {
    {"player", 46, 46, 16, 4, -1},
    {"mario", 15, 16, -4, 4, -1},
    {"mario_big", 16, 27, -4, 4, -1},
    {"fire_mario", 10, 10, -4, 4, -1},
    {"bullet", 8, 8, -2, 2, 1, 1},
    {"rocket", 32, 32, -2, 2, 1, 1},
    {"fireball", 14, 14, -2, 2, 1, 1},
    {"crater", 0, 0, 0, 1, 1},
    {"blood1", 0, 0, 0, 1, 1},
    {"blood2", 0, 0, 0, 1, 1},
    {"smoke1", 0, 0, 0, 1, 1},
    {"smoke2", 0, 0, 0, 1, 1},
    {"explosion1", 0, 0, 0, 1, 1},
    {"explosion2", 0, 0, 0, 1, 1},
    {"wall1", 256, 64, 0, 1},
    {"wall2", 64, 256, 0, 1},
    {"block", 48, 48, 0, 1},
    {"handgun", 32, 32, 0, 1},
    {"rifle", 32, 32, 0, 1},
    {"bomb", 32, 32, 0, 1},
    {"health", 32, 32, 0, 1},
    {"armor", 32, 32, 0, 1},
    {"fontaz_v", 0, 0, 26, 1, -1},
    {"font09_v", 0, 0, 10, 1, -1},
    {"rocket_animated", 0, 0, -2, 1, -1},
    {"GUI", 800, 600, 0, 1},
    {"intro_screen", 800, -600, 0, 1},
    {"end_screen", 800, -1300, 0, 1},
    // Loaded and never drawn: still whole, valid sprites.
    {"arrow", 0, 0, 0, 1},
    {"speedup", 0, 0, 0, 1},
    {"extralife", 0, 0, 0, 1},
    {"launcher", 0, 0, 0, 1},
    {"bombs", 0, 0, 0, 1},
    {"pool", 0, 0, 0, 1},
    {"mark", 0, 0, 0, 1},
};

bool fits(int value, int wanted) {
    return wanted == 0 || (wanted > 0 ? value == wanted : value >= -wanted);
}

// A bitmap's pixels as 0xRRGGBB, top row first; none when SDL cannot read it.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

Picture readPicture(const std::filesystem::path& file) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
    SDL_Surface* rgb =
        loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    if (rgb != nullptr) {
        picture.width = rgb->w;
        picture.height = rgb->h;
        for (int y = 0; y < rgb->h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch);
            for (int x = 0; x < rgb->w; ++x)
                picture.pixels.push_back(row[x] & 0xFFFFFF);
        }
    }
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return picture;
}

struct Sprite {
    bool loaded = false;
    Picture picture;
    int cellW = 0, cellH = 0, frames = 0;

    // Pixels of a cell that are not transparent.
    int drawnPixels(int frame, int column) const {
        int n = 0;
        const int row = frame % frames;
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

// The set is written once per test program and every sprite loaded by the game's loader.
class PictureSet : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        workDir = new ScopedWorkDir;
        written = writeImages("images");
        openTestDisplay();
        for (const Use& use : kUses) {
            const std::string base = std::string("images/") + use.name;
            const SpriteInfo info = spriteInfo(loadImage(base.c_str(), ImageLoad::kSprite));
            sprites[use.name] = {info.loaded, readPicture(base + ".bmp"), info.spriteWidth,
                                 info.spriteHeight, info.totalFrames};
        }
        closeTestDisplay();
    }
    void SetUp() override { ASSERT_TRUE(written) << "the picture set was not written"; }
    static void TearDownTestSuite() {
        sprites.clear();
        delete workDir;
    }

    static inline ScopedWorkDir* workDir = nullptr;
    static inline bool written = false;
    static inline std::map<std::string, Sprite> sprites;
};

TEST_F(PictureSet, EverySpriteLoadsWithTheCellsItsDrawingCodeReadsAndShowsThem) {
    for (const Use& use : kUses) {
        SCOPED_TRACE(use.name);
        const Sprite& s = sprites[use.name];
        ASSERT_TRUE(s.loaded);
        EXPECT_TRUE(fits(s.cellW, use.cellW)) << s.cellW;
        EXPECT_TRUE(fits(s.cellH, use.cellH)) << s.cellH;
        EXPECT_TRUE(fits(s.frames, use.frames)) << s.frames;
        ASSERT_GE(s.picture.width, use.columns * s.cellW);
        ASSERT_GE(s.picture.height, s.frames * s.cellH);
        for (int f = 0; f < (use.drawnFrame < 0 ? s.frames : 1); ++f)
            for (int c = 0; c < (use.drawnFrame < 0 ? use.columns : 1); ++c) {
                const int frame = use.drawnFrame < 0 ? f : use.drawnFrame;
                const int column = use.drawnFrame < 0 ? c : use.drawnColumn;
                EXPECT_GT(s.drawnPixels(frame, column), s.cellW * s.cellH / 12)
                    << "frame " << frame << " column " << column;
            }
    }
    // No sprite of the set escapes the table.
    for (const auto& entry : std::filesystem::directory_iterator("images")) {
        const bool sprite = entry.path().extension() == ".ini";
        EXPECT_TRUE(!sprite || sprites.contains(entry.path().stem().string())) << entry.path();
    }
}

TEST_F(PictureSet, MagentaIsTheOnlyPinkAnywhere) {
    for (const auto& entry : std::filesystem::directory_iterator("images")) {
        if (entry.path().extension() != ".bmp") continue;
        const Picture p = readPicture(entry.path());
        ASSERT_GT(p.width, 0) << entry.path();
        int bad = 0;
        for (const std::uint32_t c : p.pixels) {
            const int r = int(c >> 16), g = int((c >> 8) & 0xFF), b = int(c & 0xFF);
            // Either close to the eye, or equal to it once the display packs it into 16 bits.
            const bool close = r >= 190 && b >= 190 && g <= 90;
            const bool same565 = (r >> 3) == 31 && (g >> 2) == 0 && (b >> 3) == 31;
            bad += c != kMagenta && (close || same565);
        }
        EXPECT_EQ(bad, 0) << entry.path();
    }
}

TEST_F(PictureSet, GlyphsFitThe20PxAdvanceAndAreAllDifferent) {
    for (const char* name : {"fontaz_v", "font09_v"}) {
        SCOPED_TRACE(name);
        const Sprite& font = sprites[name];
        EXPECT_LE(font.cellW, 20);
        EXPECT_LE(font.cellH, 20);
        for (int a = 0; a < font.frames; ++a)
            for (int b = a + 1; b < font.frames; ++b)
                EXPECT_FALSE(font.sameCells(a, 0, b, 0)) << "glyphs " << a << " and " << b;
    }
}

// The gun's pixels lie where the row faces: row k at 22.5 * k degrees clockwise from right.
TEST_F(PictureSet, HeroPointsHisGunWhereEachRowFacesAndWalks) {
    const Sprite& hero = sprites["player"];
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
    std::vector<std::array<double, 3>> means;
    for (const char* name : {"mario", "mario_big", "fire_mario"}) {
        SCOPED_TRACE(name);
        const Sprite& s = sprites[name];
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

TEST_F(PictureSet, TwoRunsWriteTheSameBytes) {
    ASSERT_TRUE(writeImages("again"));
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("images"))
        names.insert(entry.path().filename().string());
    for (const auto& entry : std::filesystem::directory_iterator("again"))
        EXPECT_TRUE(names.erase(entry.path().filename().string())) << entry.path();
    EXPECT_TRUE(names.empty());
    for (const auto& entry : std::filesystem::directory_iterator("again")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(readFile("again/" + name) == readFile("images/" + name)) << name << " differs";
    }
}

} // namespace
