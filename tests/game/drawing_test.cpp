// What the effects, projectiles and the hero put on screen, through the real sprite
// registry under the dummy video driver.
#include <gtest/gtest.h>

#include "collision/obstacle.h"
#include "game/assets.h"
#include "game/player.h"
#include "game_fixture.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/platform.h"
#include "sprite_files.h"

namespace {

class DrawingTest : public GameFixture {
  protected:
    DrawingTest() {
        initPlatform();
        setFramePacing(false);
        setViewCentre(400, 300); // world and screen coordinates agree
        writeGridSprite("cells", 4, 4, 2, 2);
        int cells = loadImage("cells", 2);
        assets.explosion1 = assets.crater = assets.bullet = assets.player = cells;
        step(16);
        clearScreen(0);
    }
    ~DrawingTest() override { shutdownPlatform(); }

    static bool drawnAt(int x, int y, int frame, int column) {
        return pixelAt(x, y) == displayColour(cellColour(frame, column));
    }
};

TEST_F(DrawingTest, EffectsAreDrawnOnceMoreInTheFrameTheirLifeRunsOut) {
    effectLists.addTop(effectLists.newEffect(Effect(assets.explosion1, 10, 10, 0, 0, 0, 0.01f)));
    effectLists.spawnCrater(50, 10);
    effectLists.ground->life = 0.01f;
    effectLists.updateTop(16);
    effectLists.updateGround(16);
    EXPECT_TRUE(drawnAt(10, 10, 1, 0));
    EXPECT_TRUE(drawnAt(50, 10, 1, 0));
    EXPECT_EQ(effectLists.top, nullptr);
    EXPECT_EQ(effectLists.ground, nullptr);
    clearScreen(0);
    effectLists.updateTop(16);
    EXPECT_EQ(pixelAt(10, 10), 0);
}

TEST_F(DrawingTest, ProjectileIsDrawnWhereItStoppedInTheFrameItStruck) {
    Obstacle block(130, 80, 48, 48, -1);
    store.insert(&block);
    projectileList.add(new Bullet(KindPlayer, 100, 100, 2, 0));
    projectileList.update(400, 300);
    EXPECT_EQ(countProjectiles(), 0);
    // Stopped 1 px before the block's grown left side: x = 126 - 1 - 4.
    EXPECT_TRUE(drawnAt(121, 100, 1, 1));
    EXPECT_EQ(pixelAt(100, 100), 0);
    store.remove(&block);
}

TEST_F(DrawingTest, HeroIsDrawnEveryFrameWithItsWalkingStepAsColumn) {
    Player player;
    store.insert(&player);
    player.frame = 1;
    player.update(&store);
    // Facing +x (angle 90) is the first of the sixteen direction rows; no key, so step 0.
    EXPECT_TRUE(drawnAt(100, 100, 0, 0));
    store.remove(&player);
}

} // namespace
