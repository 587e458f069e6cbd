// Text and the head-up display as they land in the back buffer: small fonts whose every
// glyph is a solid block of its own colour, 10 px wide so the 20 px cells show their gaps.
#include "core/game_screen.h"
#include "core/gui.h"
#include "core/text.h"
#include "game/assets.h"
#include "game/player.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"

#include "screen_fixture.h"
#include "sprite_files.h"

#include <string>

namespace {

constexpr int kGlyphWidth = 10;
constexpr int kGlyphHeight = 4;

// Red counts the frame (one 5-bit step each), green tells the fonts apart.
std::uint32_t letterColour(int frame) {
    return (8u * static_cast<std::uint32_t>(frame + 1)) << 16 | 0x2000u;
}
std::uint32_t digitColour(int frame) {
    return (8u * static_cast<std::uint32_t>(frame + 1)) << 16 | 0x8040u;
}

constexpr std::uint32_t kIconColour = 0x30C0C0;
constexpr std::uint32_t kOtherFrameColour = 0xC0C030;

class HudTest : public ScreenFixture {
  protected:
    HudTest() {
        writeColumnSprite("letters", kGlyphWidth, kGlyphHeight, 26, letterColour);
        writeColumnSprite("digits", kGlyphWidth, kGlyphHeight, 10, digitColour);
        writeColumnSprite("icon", 6, 6, 2,
                          [](int frame) { return frame == 0 ? kIconColour : kOtherFrameColour; });
        gui.letterFont = loadImage("letters", 2);
        gui.digitFont = loadImage("digits", 2);
        icon = loadImage("icon", 2);
        setViewCentre(400, 300);
        clearScreen(0);
    }
    ~HudTest() override { hero = nullptr; }

    // The whole glyph cell, both corners, shows the colour.
    static bool glyphAt(int x, int y, std::uint32_t rgb) {
        const std::uint16_t want = displayColour(rgb);
        return pixelAt(x, y) == want && pixelAt(x + kGlyphWidth - 1, y + kGlyphHeight - 1) == want;
    }
    static bool letterAt(int x, int y, char c) { return glyphAt(x, y, letterColour(c - 'A')); }
    static bool digitAt(int x, int y, int d) { return glyphAt(x, y, digitColour(d)); }

    // The colour the registry draws for a letter-font frame outside A to Z.
    std::uint16_t foldedLetter(int frame) {
        drawSprite(gui.letterFont, 700, 500, frame, 0);
        const std::uint16_t colour = pixelAt(700, 500);
        clearScreen(0);
        return colour;
    }

    int icon = -1;
};

TEST_F(HudTest, DigitsAndLettersTakeTheirFontsIn20PxCellsAndSpacesDrawNothing) {
    drawText(100, 40, "A9 Z0");
    EXPECT_TRUE(letterAt(100, 40, 'A'));
    EXPECT_TRUE(digitAt(120, 40, 9));
    EXPECT_EQ(pixelAt(140, 40), 0);
    EXPECT_TRUE(letterAt(160, 40, 'Z'));
    EXPECT_TRUE(digitAt(180, 40, 0));
    EXPECT_EQ(pixelAt(100 + kGlyphWidth, 40), 0);
    EXPECT_EQ(pixelAt(99, 40), 0);
}

TEST_F(HudTest, AMinusSignIsTheLetterFontsFrameFoldedByTheRegistry) {
    const std::uint16_t minus = foldedLetter('-' - 'A');
    ASSERT_NE(minus, 0);
    drawText(100, 40, "%i", -7);
    EXPECT_EQ(pixelAt(100, 40), minus);
    EXPECT_TRUE(digitAt(120, 40, 7));
}

TEST_F(HudTest, TextAndIconsLandOnTheScreenPointWhateverTheView) {
    setViewCentre(1733, 951);
    drawText(200, 100, "B");
    drawIcon(icon, 50, 60);
    EXPECT_TRUE(letterAt(200, 100, 'B'));
    EXPECT_EQ(pixelAt(50, 60), displayColour(kIconColour));
    EXPECT_EQ(pixelAt(55, 65), displayColour(kIconColour));
}

TEST_F(HudTest, TextIsCutAt255CharactersAndANullFormatDrawsNothing) {
    const std::string text(300, 'C');
    // Started 254 cells left of the screen: the last character kept lands at x = 0.
    drawText(-20 * 254, 0, "%s", text.c_str());
    EXPECT_TRUE(letterAt(0, 0, 'C'));
    EXPECT_EQ(pixelAt(20, 0), 0);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
    const char* none = nullptr; // a null format on purpose
    drawText(300, 300, none);
#pragma GCC diagnostic pop
    EXPECT_EQ(pixelAt(300, 300), 0);
}

class HeroHudTest : public HudTest {
  protected:
    HeroHudTest() {
        assets.armor = assets.health = icon;
        player.weapon->icon = icon;
        hero = &player;
    }
    static bool deathNoticeShown() {
        clearScreen(0);
        drawHud();
        return letterAt(200, 300, 'T') && letterAt(280, 300, 'N');
    }
    Player player;
};

TEST_F(HeroHudTest, CountersAndIconsSitAtTheirPlaces) {
    player.score = 135;
    player.enemiesLeft = 42;
    player.armour = -5;
    player.health = 87;
    player.weapon->ammo = 16;
    const std::uint16_t minus = foldedLetter('-' - 'A');
    drawHud();
    EXPECT_TRUE(letterAt(30, 10, 'L'));
    EXPECT_TRUE(digitAt(150, 10, 1));
    EXPECT_TRUE(letterAt(250, 10, 'S'));
    EXPECT_TRUE(digitAt(370, 10, 1));
    EXPECT_TRUE(digitAt(390, 10, 3));
    EXPECT_TRUE(digitAt(410, 10, 5));
    EXPECT_TRUE(digitAt(660, 10, 4));
    EXPECT_TRUE(digitAt(680, 10, 2));
    EXPECT_EQ(pixelAt(420, 550), displayColour(kIconColour));
    EXPECT_EQ(pixelAt(450, 550), minus);
    EXPECT_TRUE(digitAt(470, 550, 5));
    EXPECT_EQ(pixelAt(300, 550), displayColour(kIconColour));
    EXPECT_TRUE(digitAt(330, 550, 8));
    EXPECT_TRUE(digitAt(350, 550, 7));
    EXPECT_EQ(pixelAt(10, 550), displayColour(kIconColour));
    // The shots left: the weapon never spends its last unit.
    EXPECT_TRUE(digitAt(55, 550, 1));
    EXPECT_TRUE(digitAt(75, 550, 5));
}

TEST_F(HeroHudTest, TheDeathNoticeShowsForTwoSecondsAfterADeath) {
    pump(500);
    EXPECT_FALSE(deathNoticeShown()) << "no death yet";
    player.deathTime = now();
    EXPECT_TRUE(deathNoticeShown());
    pump(1999);
    EXPECT_TRUE(deathNoticeShown());
    pump(1);
    EXPECT_FALSE(deathNoticeShown()) << "gone at exactly 2000 ms";
}

} // namespace
