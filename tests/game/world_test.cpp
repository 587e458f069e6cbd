// The level build and the game pass on a real level: what the build places and in which
// order, the view and the arena edges, the taunt's timing, and the two early exits.
#include "game/world.h"

#include "../core/game_folder.h"
#include "../core/release_level.h"
#include "collision/obstacle_store.h"
#include "core/gui.h"
#include "game/assets.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/random.h"
#include "game_fixture.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/key_state.h"
#include "platform/platform.h"
#include "sound/sound_manager.h"

#include <memory>
#include <typeinfo>
#include <vector>

namespace {

struct Placed {
    float x, y;
    int width, height, kind;
    bool operator==(const Placed&) const = default;
};

class WorldTest : public GameFixture {
  protected:
    WorldTest() {
        initPlatform();
        setFramePacing(false);
        linkGameFolder("sounds");
        assets.meMarioSound = loadSound("./sounds/memario.wav");
        assets.outroSound = loadSound("./sounds/outro.wav");
        hero = &player;
        world = std::make_unique<World>(&player);
    }
    ~WorldTest() override {
        releaseLevel();
        hero = nullptr;
        shutdownPlatform();
    }

    int pass(double ms = 16) {
        step(ms);
        return world->update(&player);
    }

    // Moves the hero as any change of place outside movement is made: out of the store and in.
    void placeHero(float x, float y) {
        obstacles->remove(&player);
        player.x = x;
        player.y = y;
        obstacles->insert(&player);
    }

    static std::vector<Placed> storeContents() {
        std::vector<Placed> placed;
        for (int i = 0; i < obstacles->count; ++i) {
            const GameObject& o = *obstacles->entries[i];
            placed.push_back({o.x, o.y, o.width, o.height, o.kind});
        }
        return placed;
    }

    static bool inCell(int cx, int cy, const GameObject* object) {
        for (const CellNode* n = obstacles->cellList(cx, cy); n != nullptr; n = n->next) {
            if (n->object == object) return true;
        }
        return false;
    }

    static std::pair<int, int> viewCentre() {
        std::pair<int, int> centre;
        getViewCentre(centre.first, centre.second);
        return centre;
    }

    Player player;
    std::unique_ptr<World> world;
};

TEST_F(WorldTest, TheLevelHoldsSixtyEnemiesTwentyWallsTwentyBlocksAndTheHeroLast) {
    ASSERT_EQ(obstacles->count, 101);
    const std::type_info* kinds[] = {&typeid(Mario), &typeid(MarioBig), &typeid(FireMario)};
    for (int i = 0; i < 60; ++i) {
        const GameObject* e = obstacles->entries[i];
        EXPECT_EQ(typeid(*e), *kinds[i % 3]) << i;
        EXPECT_GE(e->x, 0.0f);
        EXPECT_LT(e->x, 2300.0f);
        EXPECT_EQ(e->x, static_cast<float>(static_cast<int>(e->x)));
    }
    for (int i = 60; i < 80; ++i) {
        const GameObject* w = obstacles->entries[i];
        const bool tall = (i - 60) % 2 == 0;
        EXPECT_EQ(w->kind, KindWall);
        EXPECT_EQ(w->width, tall ? 64 : 256) << i;
        EXPECT_EQ(w->height, tall ? 256 : 64) << i;
        EXPECT_EQ(w->sprite, tall ? assets.wall2 : assets.wall1) << i;
    }
    for (int i = 80; i < 100; ++i) {
        const GameObject* b = obstacles->entries[i];
        EXPECT_EQ(b->kind, KindWall);
        EXPECT_EQ(b->width, 48);
        EXPECT_EQ(b->height, 48);
        EXPECT_EQ(b->sprite, assets.block);
    }
    EXPECT_EQ(obstacles->entries[100], &player);
    EXPECT_EQ(player.enemiesLeft, 60);
    int listed = 0;
    for (const Enemy* e = enemies->head; e != nullptr; e = e->next)
        ++listed;
    EXPECT_EQ(listed, 60);
}

TEST_F(WorldTest, EveryBuildFromTheGeneratorsStartGivesTheSameLevel) {
    const std::vector<Placed> first = storeContents();
    releaseLevel();
    seedRandom(1);
    world = std::make_unique<World>(&player);
    EXPECT_EQ(storeContents(), first);

    // The build seeds the generator with its own first result before placing anything.
    seedRandom(1);
    seedRandom(static_cast<unsigned>(nextRandom()));
    const float y = static_cast<float>(nextRandom() % 2300);
    const float x = static_cast<float>(nextRandom() % 2300);
    EXPECT_EQ(first[0].x, x);
    EXPECT_EQ(first[0].y, y);
}

TEST_F(WorldTest, TheViewFollowsTheHerosCornerAndStopsShortOfTheArenasEdges) {
    struct Case {
        float x, y;
        int cx, cy;
    };
    const Case cases[] = {{100, 100, 400, 300},       {1000.9f, 1200.6f, 1000, 1200},
                          {401.5f, 301.9f, 401, 301}, {1999.9f, 2099.9f, 1999, 2099},
                          {2300, 2340, 2000, 2100},   {2001, 250, 2000, 300}};
    for (const Case& c : cases) {
        placeHero(c.x, c.y);
        EXPECT_EQ(pass(), 1);
        EXPECT_EQ(viewCentre(), std::make_pair(c.cx, c.cy)) << c.x << ", " << c.y;
    }
}

TEST_F(WorldTest, AHeroPastTheEdgesIsPutBackAndReindexed) {
    placeHero(-30, 2450);
    ASSERT_FALSE(inCell(0, 23, &player));
    EXPECT_EQ(pass(), 1);
    EXPECT_EQ(player.x, 0.0f);
    EXPECT_EQ(player.y, 2354.0f);
    EXPECT_EQ(viewCentre(), std::make_pair(400, 2100));
    EXPECT_TRUE(inCell(0, 23, &player));
    int entries = 0;
    for (int i = 0; i < obstacles->count; ++i)
        entries += obstacles->entries[i] == &player ? 1 : 0;
    EXPECT_EQ(entries, 1);
}

TEST_F(WorldTest, TheLevelMusicStartsOnceAndTheTauntPlaysAfterTenSecondsOfPasses) {
    EXPECT_EQ(pass(500), 1);
    ASSERT_NE(world->levelMusic, -1);
    EXPECT_TRUE(soundPlaying(world->levelMusic));
    const int sounds = soundManager().count;
    for (int i = 2; i < 20; ++i) {
        pass(500);
        ASSERT_FALSE(soundPlaying(assets.meMarioSound)) << i * 500 << " ms";
    }
    pass(500);
    EXPECT_TRUE(soundPlaying(assets.meMarioSound));
    EXPECT_EQ(world->soundClock, 0.0f);
    EXPECT_EQ(soundManager().count, sounds);
}

TEST_F(WorldTest, WithNoEnemyLeftThePassOnlyStartsTheEndScreen) {
    for (int left : {0, -2}) {
        gui.screen = 0;
        player.enemiesLeft = left;
        pressKey(kUpKey);
        EXPECT_EQ(pass(), 0);
        EXPECT_EQ(gui.screen, 3);
        EXPECT_TRUE(soundPlaying(assets.outroSound));
        EXPECT_EQ(world->levelMusic, -1);
        EXPECT_EQ(world->soundClock, 0.0f);
        EXPECT_EQ(player.x, 100.0f);
        EXPECT_EQ(player.y, 100.0f);
    }
}

TEST_F(WorldTest, EscapeEndsThePassAfterTheEnemiesMovedAndBeforeTheHero) {
    const std::vector<Placed> before = storeContents();
    pressKey(kEscapeKey);
    pressKey(kUpKey);
    pressKey(kKeyTwo);
    EXPECT_EQ(pass(100), -1);
    const std::vector<Placed> after = storeContents();
    bool enemyMoved = false;
    for (int i = 0; i < 60; ++i)
        enemyMoved = enemyMoved || after[i].x != before[i].x || after[i].y != before[i].y;
    EXPECT_TRUE(enemyMoved);
    EXPECT_EQ(player.x, 100.0f);
    EXPECT_EQ(player.y, 100.0f);
    EXPECT_EQ(player.weaponIndex, 0);
}

} // namespace
