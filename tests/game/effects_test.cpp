#include "game/effects.h"

#include <vector>

#include "game/assets.h"
#include "game/random.h"
#include "game_fixture.h"

namespace {

class EffectsTest : public GameFixture {
  protected:
    // The next n results of the generator, which is then put back where it was.
    static std::vector<int> peekRandom(int n, std::uint32_t seed) {
        seedRandom(seed);
        std::vector<int> values;
        for (int i = 0; i < n; ++i)
            values.push_back(nextRandom());
        seedRandom(seed);
        return values;
    }

    // The list's nodes from the oldest to the newest, that is in spawning order.
    static std::vector<Effect*> inSpawnOrder(Effect* head) {
        std::vector<Effect*> nodes;
        for (; head != nullptr; head = head->next)
            nodes.insert(nodes.begin(), head);
        return nodes;
    }

    Effect* makeTop(float life) {
        Effect* node = effectLists.newEffect(Effect(assets.smoke1, 0, 0, 0, 0, 0, life));
        effectLists.addTop(node);
        return node;
    }
};

TEST_F(EffectsTest, BloodDrawsLifeSpeedDirectionsThenOffsetsPerNode) {
    std::vector<int> r = peekRandom(13, 777);
    effectLists.spawnBlood(100, 200);
    std::vector<Effect*> nodes = inSpawnOrder(effectLists.top);
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[0]->sprite, assets.blood1);
    EXPECT_EQ(nodes[1]->sprite, assets.blood2);
    for (int i = 0; i < 2; ++i) {
        const Effect& e = *nodes[i];
        const int* d = &r[6 * i];
        EXPECT_FLOAT_EQ(e.life, static_cast<float>((d[0] % 100) / 500.0 + 0.05));
        EXPECT_EQ(e.speed, d[1] % 200);
        EXPECT_FLOAT_EQ(e.dirY, static_cast<float>((d[2] % 100) / 100.0 - 0.5));
        EXPECT_FLOAT_EQ(e.dirX, static_cast<float>((d[3] % 100) / 100.0 - 0.5));
        EXPECT_EQ(e.y, static_cast<float>(200 - 10 + d[4] % 20));
        EXPECT_EQ(e.x, static_cast<float>(100 - 10 + d[5] % 20));
    }
    EXPECT_EQ(nextRandom(), r[12]) << "two nodes take six draws each";
    EXPECT_EQ(effectLists.ground, nullptr);
}

TEST_F(EffectsTest, SparksStayAtThePointWithTheirSpeedAndLifeRanges) {
    std::vector<int> r = peekRandom(21, 9);
    effectLists.spawnImpact(30, 40);
    std::vector<Effect*> nodes = inSpawnOrder(effectLists.top);
    ASSERT_EQ(nodes.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const Effect& e = *nodes[i];
        EXPECT_EQ(e.sprite, assets.explosion1);
        EXPECT_EQ(e.x, 30.0f);
        EXPECT_EQ(e.y, 40.0f);
        EXPECT_EQ(e.speed, 200 + r[4 * i + 1] % 600);
        EXPECT_FLOAT_EQ(e.life, static_cast<float>((r[4 * i] % 100) / 500.0 + 0.3));
    }
    EXPECT_EQ(nextRandom(), r[20]);
}

TEST_F(EffectsTest, TrailSmokeDriftIsShiftedByTheRocketDirection) {
    std::vector<int> r = peekRandom(18, 5);
    effectLists.spawnTrail(500, 600, 1, 0);
    std::vector<Effect*> nodes = inSpawnOrder(effectLists.top);
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0]->sprite, assets.smoke1);
    EXPECT_EQ(nodes[1]->sprite, assets.smoke2);
    EXPECT_EQ(nodes[2]->sprite, assets.smoke2);
    for (int i = 0; i < 3; ++i) {
        const Effect& e = *nodes[i];
        const int* d = &r[6 * i];
        EXPECT_FLOAT_EQ(e.life, static_cast<float>((d[0] % 500) / 500.0 + 0.15));
        EXPECT_EQ(e.speed, d[1] % 50);
        EXPECT_FLOAT_EQ(e.dirY, static_cast<float>((d[2] % 100) / 100.0 - 0.5));
        EXPECT_FLOAT_EQ(e.dirX, static_cast<float>((d[3] % 100) / 100.0 + 0.5));
        EXPECT_EQ(e.y, static_cast<float>(600 - 5 + d[4] % 10));
        EXPECT_EQ(e.x, static_cast<float>(500 - 5 + d[5] % 10));
    }
    // Over many trails the shifted drift covers exactly its documented range.
    for (int i = 0; i < 300; ++i)
        effectLists.spawnTrail(0, 0, 1, 0);
    for (Effect* e = effectLists.top; e != nullptr; e = e->next) {
        ASSERT_GE(e->dirX, 0.5f);
        ASSERT_LE(e->dirX, 1.49f + 1e-6f);
        ASSERT_GE(e->dirY, -0.5f);
        ASSERT_LE(e->dirY, 0.49f + 1e-6f);
    }
}

TEST_F(EffectsTest, ExplosionMakesTwoSeriesOfFiveBursts) {
    effectLists.spawnExplosion(70, 80);
    std::vector<Effect*> nodes = inSpawnOrder(effectLists.top);
    ASSERT_EQ(nodes.size(), 154u);
    struct Burst {
        int count, sprite, low, high;
    };
    const Burst series[] = {{19, assets.explosion1, 200, 799},
                            {15, assets.explosion1, 100, 799},
                            {13, assets.explosion1, 50, 699},
                            {17, assets.explosion2, 50, 799},
                            {13, assets.explosion2, 0, 799}};
    size_t at = 0;
    for (int s = 0; s < 2; ++s) {
        for (const Burst& b : series) {
            for (int i = 0; i < b.count; ++i, ++at) {
                const Effect& e = *nodes[at];
                ASSERT_EQ(e.sprite, b.sprite) << "node " << at;
                ASSERT_GE(e.speed, b.low);
                ASSERT_LE(e.speed, b.high);
                ASSERT_GE(e.life, 0.3f);
                ASSERT_LE(e.life, 0.4981f);
                ASSERT_EQ(e.x, 70.0f);
                ASSERT_EQ(e.y, 80.0f);
            }
        }
    }
    // Four draws a node: life, speed and the two drift components.
    seedRandom(1);
    for (int i = 0; i < 154 * 4; ++i)
        nextRandom();
    int expectedNext = nextRandom();
    seedRandom(1);
    effectLists.spawnExplosion(0, 0);
    EXPECT_EQ(nextRandom(), expectedNext);
}

TEST_F(EffectsTest, CraterLastsTwentySecondsAndTakesNoRandomDraw) {
    effectLists.spawnCrater(12, 34);
    EXPECT_EQ(nextRandom(), 41) << "the generator was not touched";
    ASSERT_NE(effectLists.ground, nullptr);
    const Effect& c = *effectLists.ground;
    EXPECT_EQ(c.sprite, assets.crater);
    EXPECT_EQ(c.x, 12.0f);
    EXPECT_EQ(c.y, 34.0f);
    EXPECT_EQ(c.life, 20.0f);
    EXPECT_EQ(c.speed, 0);
    effectLists.updateGround(10000);
    effectLists.updateGround(10000);
    ASSERT_NE(effectLists.ground, nullptr) << "life exactly 0 stays one more frame";
    EXPECT_EQ(effectLists.ground->life, 0.0f);
    effectLists.updateGround(1);
    EXPECT_EQ(effectLists.ground, nullptr);
}

TEST_F(EffectsTest, ExpiryRemovesOnlyExpiredNodesAndKeepsTheOthersInOrder) {
    Effect* oldest = makeTop(0.5f);
    Effect* expiring = makeTop(0.01f);
    Effect* newest = makeTop(0.5f);
    Effect* alsoExpiring = makeTop(0.001f);
    effectLists.updateTop(16);
    ASSERT_EQ(effectLists.top, newest);
    ASSERT_EQ(newest->next, oldest);
    EXPECT_EQ(oldest->next, nullptr);
    (void)expiring;
    (void)alsoExpiring;
}

TEST_F(EffectsTest, RemovalAtEveryPlaceKeepsTheRestLinked) {
    Effect* c = makeTop(1);
    Effect* b = makeTop(1);
    Effect* a = makeTop(1);
    Effect* stranger = effectLists.newEffect(Effect());
    effectLists.removeTop(stranger); // not listed: nothing changes
    EXPECT_EQ(countNodes(effectLists.top), 3);
    effectLists.removeTop(b);
    ASSERT_EQ(effectLists.top, a);
    ASSERT_EQ(a->next, c);
    effectLists.removeTop(c);
    ASSERT_EQ(a->next, nullptr);
    effectLists.removeTop(a);
    EXPECT_EQ(effectLists.top, nullptr);

    effectLists.spawnCrater(0, 0);
    effectLists.spawnCrater(1, 1);
    Effect* first = effectLists.ground;
    effectLists.removeGround(first);
    ASSERT_NE(effectLists.ground, nullptr);
    EXPECT_EQ(effectLists.ground->x, 0.0f);
    EXPECT_EQ(effectLists.ground->next, nullptr);
}

TEST_F(EffectsTest, TopNodesDriftByTheirVelocityAndAZeroFrameChangesNothing) {
    Effect* node = effectLists.newEffect(Effect(assets.smoke1, 10, 20, 0.5f, -0.25f, 40, 1.0f));
    effectLists.addTop(node);
    effectLists.spawnCrater(5, 6);
    effectLists.updateTop(0);
    effectLists.updateGround(0);
    EXPECT_EQ(node->x, 10.0f);
    EXPECT_EQ(node->y, 20.0f);
    EXPECT_EQ(node->life, 1.0f);
    EXPECT_EQ(effectLists.ground->life, 20.0f);
    effectLists.updateTop(100);
    EXPECT_FLOAT_EQ(node->x, 12.0f);
    EXPECT_FLOAT_EQ(node->y, 19.0f);
    EXPECT_FLOAT_EQ(node->life, 0.9f);
    // Ground marks never drift.
    effectLists.updateGround(100);
    EXPECT_EQ(effectLists.ground->x, 5.0f);
}

TEST_F(EffectsTest, ExpiredNodesAreReusedWithoutGrowingThePool) {
    for (int i = 0; i < 3; ++i)
        effectLists.spawnExplosion(0, 0);
    effectLists.updateTop(1000); // every particle lives under half a second
    EXPECT_EQ(effectLists.top, nullptr);
    size_t capacity = effectLists.capacity();
    for (int i = 0; i < 3; ++i)
        effectLists.spawnExplosion(0, 0);
    EXPECT_EQ(countNodes(effectLists.top), 3 * 154);
    EXPECT_EQ(effectLists.capacity(), capacity);
}

} // namespace
