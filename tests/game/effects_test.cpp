#include "game/effects.h"

#include <vector>

#include "base/random.h"
#include "game/assets.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "support/sprite_files.h"
#include "support/test_level.h"

#include <filesystem>

namespace {

// A list's nodes, newest first.
std::vector<Effect*> nodesOf(Effect* head) {
    std::vector<Effect*> nodes;
    for (; head != nullptr; head = head->next)
        nodes.push_back(head);
    return nodes;
}

// How a spawner fills each node from the generator: life, speed, dirY, dirX, then y and x
// when it scatters the nodes.
struct Scatter {
    const char* name;
    void (*spawn)(EffectLists&);
    int nodes, lifeModulus;
    double lifeBase;
    int speedBase, speedModulus; // modulus 0: several bursts, speeds not checked here
    int spread;
    double dirXShift;
};

class EffectsTest : public LevelTest {
  protected:
    Effect* makeTop(float life) {
        Effect* node = effectLists.newEffect(Effect(assets.smoke1, 10, 20, 0.5f, -0.25f, 40, life));
        effectLists.addTop(node);
        return node;
    }
};

TEST_F(EffectsTest, SpawnersDrawEachNodesValuesInTheirFixedOrder) {
    const Scatter cases[] = {
        {"blood", [](EffectLists& l) { l.spawnBlood(100, 200); }, 2, 100, 0.05, 0, 200, 20, 0},
        {"sparks", [](EffectLists& l) { l.spawnImpact(100, 200); }, 5, 100, 0.3, 200, 600, 0, 0},
        {"trail", [](EffectLists& l) { l.spawnTrail(100, 200, 1, 0); }, 3, 500, 0.15, 0, 50, 10, 1},
        {"explosion", [](EffectLists& l) { l.spawnExplosion(100, 200); }, 154, 100, 0.3, 0, 0, 0,
         0},
    };
    for (const Scatter& c : cases) {
        SCOPED_TRACE(c.name);
        const int perNode = c.spread != 0 ? 6 : 4;
        seedRandom(7);
        std::vector<int> r(c.nodes * perNode + 1);
        for (int& value : r)
            value = nextRandom();
        seedRandom(7);
        EffectLists lists;
        c.spawn(lists);
        std::vector<Effect*> nodes = nodesOf(lists.top);
        ASSERT_EQ(nodes.size(), static_cast<size_t>(c.nodes));
        for (int i = 0; i < c.nodes; ++i) {
            const Effect& e = *nodes[c.nodes - 1 - i];
            const int* d = &r[perNode * i];
            ASSERT_FLOAT_EQ(e.life,
                            static_cast<float>((d[0] % c.lifeModulus) / 500.0 + c.lifeBase));
            if (c.speedModulus != 0) {
                ASSERT_EQ(e.speed, c.speedBase + d[1] % c.speedModulus);
            }
            ASSERT_FLOAT_EQ(e.dirY, static_cast<float>((d[2] % 100) / 100.0 - 0.5));
            ASSERT_FLOAT_EQ(e.dirX, static_cast<float>((d[3] % 100) / 100.0 - 0.5 + c.dirXShift));
            const int half = c.spread / 2;
            ASSERT_EQ(e.y, c.spread != 0 ? 200 - half + d[4] % c.spread : 200) << i;
            ASSERT_EQ(e.x, c.spread != 0 ? 100 - half + d[5] % c.spread : 100) << i;
        }
        EXPECT_EQ(nextRandom(), r.back()) << "no draw beyond the nodes'";
    }
}

TEST_F(EffectsTest, CraterTakesNoDrawAndLifeExactlyZeroStaysOneMoreFrame) {
    effectLists.spawnCrater(12, 34);
    EXPECT_EQ(nextRandom(), 41) << "the generator was not touched";
    ASSERT_NE(effectLists.ground, nullptr);
    EXPECT_EQ(effectLists.ground->sprite, assets.crater);
    effectLists.updateGround(0);
    EXPECT_EQ(effectLists.ground->life, 20.0f);
    effectLists.updateGround(10000);
    effectLists.updateGround(10000);
    ASSERT_NE(effectLists.ground, nullptr);
    EXPECT_EQ(effectLists.ground->life, 0.0f);
    effectLists.updateGround(1);
    EXPECT_EQ(effectLists.ground, nullptr);
}

TEST_F(EffectsTest, ExpiryAndRemovalAtEveryPlaceKeepTheRestInOrderAndAZeroFrameAgesNothing) {
    Effect* a = makeTop(0.5f);
    makeTop(0.01f);
    Effect* c = makeTop(0.5f);
    Effect* d = makeTop(0.5f);
    makeTop(0.001f); // the newest expires too
    effectLists.updateTop(0);
    EXPECT_EQ(countList(effectLists.top), 5);
    EXPECT_EQ(a->life, 0.5f);
    EXPECT_EQ(a->x, 10.0f);
    effectLists.updateTop(16);
    EXPECT_EQ(nodesOf(effectLists.top), (std::vector<Effect*>{d, c, a}));
    Effect* f = makeTop(0.5f);
    effectLists.removeTop(f);
    EXPECT_EQ(nodesOf(effectLists.top), (std::vector<Effect*>{d, c, a}));
    effectLists.removeTop(c);
    EXPECT_EQ(nodesOf(effectLists.top), (std::vector<Effect*>{d, a}));
    effectLists.removeTop(a);
    EXPECT_EQ(nodesOf(effectLists.top), (std::vector<Effect*>{d}));
}

// Drawn through the real sprite registry under the dummy video driver, the crater and the
// first explosion a grid sprite each.
class DrawingTest : public LevelTest {
  protected:
    DrawingTest() : LevelTest(TestLevel::kEmpty, writeSprites) {}
    static void writeSprites() {
        std::filesystem::create_directory("images");
        writeGridSprite("images/crater", 4, 4, 2, 2);
        writeGridSprite("images/explosion1", 4, 4, 2, 2);
    }
};

TEST_F(DrawingTest, EffectsAreDrawnOnceMoreInTheFrameTheirLifeRunsOut) {
    setFramePacing(false);
    setViewCentre(400, 300); // world and screen coordinates agree
    clearScreen(0);
    effectLists.addTop(effectLists.newEffect(Effect(assets.explosion1, 10, 10, 0, 0, 0, 0.01f)));
    effectLists.spawnCrater(50, 10);
    effectLists.ground->life = 0.01f;
    effectLists.updateTop(16);
    effectLists.updateGround(16);
    const auto drawn = displayColour(cellColour(1, 0));
    EXPECT_EQ(pixelAt(10, 10), drawn);
    EXPECT_EQ(pixelAt(50, 10), drawn);
    EXPECT_EQ(effectLists.top, nullptr);
    EXPECT_EQ(effectLists.ground, nullptr);
    clearScreen(0);
    effectLists.updateTop(16);
    EXPECT_EQ(pixelAt(10, 10), 0);
}

} // namespace
