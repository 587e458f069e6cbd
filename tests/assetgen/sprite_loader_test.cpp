// Every generated sprite read back through the game's own loader: each one usable and cut
// into the cells the drawing code takes from it.
#include "graphics/sprite_registry.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr int kAny = 1 << 20;

// Accepted ranges of a sprite's cell size and frame count.
struct Cells {
    const char* name;
    int minWidth, maxWidth;
    int minHeight, maxHeight;
    int minFrames, maxFrames;
};

constexpr Cells exactly(const char* name, int width, int height, int frames = 0) {
    return {
        name, width, width, height, height, frames > 0 ? frames : 1, frames > 0 ? frames : kAny};
}
// Icons need only be about 32 px square: they sit beside their numbers.
constexpr Cells icon(const char* name) {
    return {name, 24, 40, 24, 40, 1, kAny};
}
constexpr Cells freeSize(const char* name) {
    return {name, 1, kAny, 1, kAny, 1, kAny};
}

constexpr Cells kSprites[] = {
    exactly("player", 46, 46, 16),
    exactly("mario", 15, 16),
    exactly("mario_big", 16, 27),
    exactly("fire_mario", 10, 10),
    exactly("bullet", 8, 8),
    exactly("rocket", 32, 32),
    exactly("fireball", 14, 14),
    exactly("wall1", 256, 64),
    exactly("wall2", 64, 256),
    exactly("block", 48, 48),
    icon("handgun"),
    icon("rifle"),
    icon("bomb"),
    icon("health"),
    icon("armor"),
    {"fontaz_v", 1, 20, 1, kAny, 26, 26},
    {"font09_v", 1, 20, 1, kAny, 10, 10},
    {"rocket_animated", 1, kAny, 1, kAny, 2, kAny},
    exactly("GUI", 800, 600),
    {"intro_screen", 800, 800, 600, kAny, 1, kAny},
    {"end_screen", 800, 800, 1300, kAny, 1, kAny},
    freeSize("crater"),
    freeSize("blood1"),
    freeSize("blood2"),
    freeSize("smoke1"),
    freeSize("smoke2"),
    freeSize("explosion1"),
    freeSize("explosion2"),
    // Loaded and never drawn, yet still whole sprites.
    freeSize("arrow"),
    freeSize("speedup"),
    freeSize("extralife"),
    freeSize("launcher"),
    freeSize("bombs"),
    freeSize("pool"),
    freeSize("mark"),
};

TEST(GeneratedSprites, EveryOneLoadsWithTheCellsItsDrawingCodeReads) {
    const char* gameDir = std::getenv("QUORVISH_GAME_DIR");
    ASSERT_NE(gameDir, nullptr);
    const std::filesystem::path images = std::filesystem::path(gameDir) / "images";
    initPlatform();
    std::set<std::string> checked;
    for (const Cells& want : kSprites) {
        const std::string base = (images / want.name).string();
        const SpriteInfo info = spriteInfo(loadImage(base.c_str(), 2));
        EXPECT_TRUE(info.loaded) << want.name;
        EXPECT_GE(info.spriteWidth, want.minWidth) << want.name;
        EXPECT_LE(info.spriteWidth, want.maxWidth) << want.name;
        EXPECT_GE(info.spriteHeight, want.minHeight) << want.name;
        EXPECT_LE(info.spriteHeight, want.maxHeight) << want.name;
        EXPECT_GE(info.totalFrames, want.minFrames) << want.name;
        EXPECT_LE(info.totalFrames, want.maxFrames) << want.name;
        checked.insert(want.name);
    }
    shutdownPlatform();
    // No sprite of the set escapes the table.
    for (const auto& entry : std::filesystem::directory_iterator(images)) {
        if (entry.path().extension() == ".ini") {
            EXPECT_TRUE(checked.contains(entry.path().stem().string())) << entry.path();
        }
    }
}

} // namespace
