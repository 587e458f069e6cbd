// The level build and the game pass on a real level: what the build places and in which
// order, the view and the arena edges, the taunt's timing, and the two early exits.
#include "game/world.h"

#include "base/random.h"
#include "core/game_screen.h"
#include "core/gui.h"
#include "core/loop_state.h"
#include "game/assets.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/key_state.h"
#include "sound/sound_manager.h"
#include "support/game_folder.h"
#include "support/test_level.h"

#include <algorithm>
#include <typeinfo>
#include <vector>

namespace {

// The whole level of the start-up, with the game's sounds.
class WorldTest : public LevelTest {
  protected:
    WorldTest() : LevelTest(TestLevel::kWorld, [] { linkGameFolder("sounds"); }) {
        setFramePacing(false);
    }

    World* world() const { return level.world(); }

    int pass(double ms = 16) {
        step(ms);
        return world()->update(&player);
    }

    // Every stored object's place, in store order.
    static std::vector<std::pair<float, float>> places() {
        std::vector<std::pair<float, float>> placed;
        for (int i = 0; i < obstacles->count; ++i)
            placed.emplace_back(obstacles->entries[i]->x, obstacles->entries[i]->y);
        return placed;
    }
};

TEST_F(WorldTest, TheLevelHoldsSixtyEnemiesTwentyWallsTwentyBlocksAndTheHeroLast) {
    ASSERT_EQ(obstacles->count, 101);
    const std::type_info* kinds[] = {&typeid(Mario), &typeid(MarioBig), &typeid(FireMario)};
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE(i);
        const GameObject& o = *obstacles->entries[i];
        if (i < 60) {
            EXPECT_EQ(typeid(o), *kinds[i % 3]);
            EXPECT_TRUE(o.x >= 0 && o.x < 2300 && o.x == static_cast<int>(o.x)) << o.x;
            continue;
        }
        const bool block = i >= 80;
        const bool tall = !block && i % 2 == 0;
        EXPECT_EQ(o.kind, kKindWall);
        EXPECT_EQ(o.width, block ? 48 : tall ? 64 : 256);
        EXPECT_EQ(o.height, block ? 48 : tall ? 256 : 64);
        EXPECT_EQ(o.sprite, block ? assets.block : tall ? assets.wall2 : assets.wall1);
    }
    EXPECT_EQ(obstacles->entries[100], &player);
    EXPECT_EQ(player.enemiesLeft, 60);
    EXPECT_EQ(countList(enemies->head), 60);
}

TEST_F(WorldTest, EveryBuildFromTheGeneratorsStartGivesTheSameLevel) {
    const auto first = places();
    level.rebuildWorld();
    EXPECT_EQ(places(), first);
    // The build seeds the generator with its own first result, then draws y before x.
    seedRandom(1);
    seedRandom(static_cast<unsigned>(nextRandom()));
    const float y = static_cast<float>(nextRandom() % 2300);
    EXPECT_EQ(first[0], std::make_pair(static_cast<float>(nextRandom() % 2300), y));
}

TEST_F(WorldTest, TheViewFollowsTheHerosCornerAndAHeroPastTheEdgesIsPutBackAndReindexed) {
    const struct {
        float x, y;
        int cx, cy;
    } cases[] = {{100, 100, 400, 300},       {1000.9f, 1200.6f, 1000, 1200},
                 {401.5f, 301.9f, 401, 301}, {1999.9f, 2099.9f, 1999, 2099},
                 {2300, 2340, 2000, 2100},   {2001, 250, 2000, 300},
                 {-30, 2450, 400, 2100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        obstacles->remove(&player); // as any move outside movement: out of the store and in
        player.x = c.x;
        player.y = c.y;
        obstacles->insert(&player);
        EXPECT_EQ(pass(), 1);
        std::pair<int, int> centre;
        getViewCentre(centre.first, centre.second);
        EXPECT_EQ(centre, std::make_pair(c.cx, c.cy));
    }
    EXPECT_EQ(std::make_pair(player.x, player.y), std::make_pair(0.0f, 2354.0f));
    bool inCell = false;
    for (const CellNode* n = obstacles->cellList(0, 23); n != nullptr; n = n->next)
        inCell = inCell || n->object == &player;
    EXPECT_TRUE(inCell);
    EXPECT_EQ(std::count(obstacles->entries, obstacles->entries + obstacles->count, &player), 1);
}

TEST_F(WorldTest, TheLevelMusicStartsOnceAndTheTauntPlaysAfterTenSecondsOfPasses) {
    EXPECT_EQ(pass(250), 1);
    EXPECT_TRUE(soundPlaying(world()->levelMusic));
    const int sounds = soundManager().count;
    for (int i = 2; i < 40; ++i) {
        pass(250);
        ASSERT_FALSE(soundPlaying(assets.meMarioSound)) << i * 250 << " ms";
    }
    pass(250);
    EXPECT_TRUE(soundPlaying(assets.meMarioSound));
    EXPECT_EQ(soundManager().count, sounds);
}

TEST_F(WorldTest, WithNoEnemyLeftThePassOnlyStartsTheEndScreen) {
    for (int left : {0, -2}) {
        gui.screen = kScreenMenu;
        player.enemiesLeft = left;
        pressKey(kUpKey);
        step(16);
        EXPECT_EQ(gameScreen.updateGame(), kLoopTitles);
        EXPECT_EQ(gui.screen, kScreenEnd);
        EXPECT_TRUE(soundPlaying(assets.outroSound));
        EXPECT_EQ(world()->levelMusic, -1);
        EXPECT_EQ(player.x, 100.0f);
    }
}

TEST_F(WorldTest, EscapeEndsThePassAfterTheEnemiesMovedAndBeforeTheHero) {
    const auto before = places();
    pressKey(kEscapeKey);
    pressKey(kUpKey);
    pressKey(kKeyTwo);
    EXPECT_EQ(pass(100), -1);
    const auto after = places();
    EXPECT_FALSE(std::equal(before.begin(), before.begin() + 60, after.begin()));
    EXPECT_EQ(player.x, 100.0f);
    EXPECT_EQ(player.weaponIndex, 0);
}

} // namespace
