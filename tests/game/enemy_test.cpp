// The enemies in a small level: who looks, who moves, who hurts, who is removed and counted.
#include "game/enemy.h"
#include "game/enemy_list.h"

#include "collision/obstacle.h"
#include "game/player.h"
#include "support/test_level.h"

#include <cmath>

namespace {

constexpr float kHero = 1000.0f;

// A level with the hero at (1000, 1000), the view centred on it, and an empty enemy list.
class EnemyTest : public LevelTest {
  protected:
    EnemyTest() {
        player.x = player.y = kHero;
        player.enemiesLeft = 60;
        store.insert(&player);
    }

    template <class Kind>
    Kind* spawn(float x, float y) {
        Kind* e = new Kind(x, y);
        EXPECT_TRUE(enemyList.add(e));
        return e;
    }

    // A wall of the level's own, freed with it.
    void wall(int x, int y, int w, int h) { store.insert(new Obstacle(x, y, w, h, -1)); }

    // One enemy update of ms of game time, as the game pass gives it.
    void pass(double ms = 100.0) {
        step(ms);
        enemyList.update(player.x, player.y, kHero, kHero);
    }
};

TEST_F(EnemyTest, ListRunsNewestFirstAndEnemiesPassThroughEachOther) {
    Mario* oldest = spawn<Mario>(1100, 1000);
    FireMario* older = spawn<FireMario>(1095, 1000);
    FireMario* newest = spawn<FireMario>(1000, 1100);
    ASSERT_EQ(enemyList.head, newest);
    EXPECT_EQ(newest->next, older);
    EXPECT_EQ(older->next, oldest);
    pass();
    EXPECT_FLOAT_EQ(oldest->x, 1092.0f);
    EXPECT_FLOAT_EQ(older->x, 1087.0f);
    // Each fire-thrower shoots in its turn; the projectile list also runs newest first, so
    // the older enemy's fireball, thrown second, leads it.
    ASSERT_EQ(countProjectiles(), 2);
    EXPECT_FLOAT_EQ(projectileList.head->x, older->x);
    EXPECT_FLOAT_EQ(projectileList.head->next->y, newest->y);
}

TEST_F(EnemyTest, FarEnemiesDoNothingButAreStillRemovedAndScoredWhenDead) {
    Mario* edge = spawn<Mario>(1500, 1000); // the window's edge is inside
    Mario* farRight = spawn<Mario>(1500.5f, 1000);
    Mario* farUp = spawn<Mario>(1000, 499);
    farRight->seesTarget = true;
    pass();
    EXPECT_LT(edge->x, 1500.0f);
    EXPECT_FLOAT_EQ(farRight->x, 1500.5f);
    EXPECT_FLOAT_EQ(farUp->y, 499.0f);
    EXPECT_TRUE(farRight->seesTarget); // keeps its last look

    farRight->health = 0;
    farUp->health = -5;
    pass();
    EXPECT_EQ(enemyList.head, edge);
    EXPECT_EQ(edge->next, nullptr);
    EXPECT_EQ(store.count, 2);
    EXPECT_EQ(player.score, 270);
    EXPECT_EQ(player.enemiesLeft, 58);
}

TEST_F(EnemyTest, EnemyShotByTheHeroMovesAndActsOnceMoreBeforeRemoval) {
    FireMario* fire = spawn<FireMario>(1100, 1000);
    Bullet bullet(kKindPlayer, 0, 0, 1, 0);
    fire->collide(&bullet, 0, 1);
    ASSERT_EQ(fire->health, 0);
    pass();
    // It walked 8 px toward the hero and threw from where it then stood.
    ASSERT_EQ(countProjectiles(), 1);
    EXPECT_FLOAT_EQ(projectileList.head->x, 1092.0f);
    EXPECT_FLOAT_EQ(projectileList.head->moveX, -400.0f);
    EXPECT_EQ(enemyList.head, nullptr);
    EXPECT_EQ(store.count, 2); // the hero and the fireball
}

TEST_F(EnemyTest, TouchHurtsTheHeroOncePerPassOfContact) {
    // Three passes of e running into the hero from the right; returns health and armour lost.
    auto runInto = [this](Enemy* e) {
        player.health = player.armour = 100;
        for (int i = 0; i < 3; ++i)
            pass();
        EXPECT_TRUE(e->x > 1046.0f && e->x < 1050.0f); // stopped at the hero each time
        enemyList.remove(e);
        return std::make_pair(100 - player.health, 100 - player.armour);
    };
    EXPECT_EQ(runInto(spawn<Mario>(1050, 1000)), std::make_pair(30, 0));
    EXPECT_EQ(runInto(spawn<MarioBig>(1050, 1000)), std::make_pair(60, 30));
    EXPECT_EQ(runInto(spawn<FireMario>(1050, 1000)).first, 0);
    EXPECT_EQ(player.score, 0) << "touching scores nothing";
}

TEST_F(EnemyTest, EnemyOnItsWaypointFacesRightAndStandsStillAndSoDoesItsFireball) {
    FireMario* fire = spawn<FireMario>(kHero, kHero);
    pass();
    EXPECT_EQ(fire->column, 2);
    EXPECT_EQ(fire->moveX, 0.0f);
    EXPECT_EQ(fire->moveY, 0.0f);
    ASSERT_EQ(countProjectiles(), 1);
    Projectile* shot = projectileList.head;
    projectileList.update(kHero, kHero);
    EXPECT_FLOAT_EQ(shot->x, kHero);
    EXPECT_FLOAT_EQ(shot->y, kHero);
}

TEST_F(EnemyTest, DetouringEnemyIgnoresAVisibleHeroUntilItArrives) {
    Mario* m = spawn<Mario>(1100, 1000);
    m->detouring = true;
    m->pathX[0] = 1100;
    m->pathY[0] = 1200;
    int passes = 0;
    for (; m->detouring && passes < 40; ++passes) {
        pass();
        EXPECT_TRUE(m->seesTarget);
        EXPECT_TRUE(!m->detouring || m->pathY[0] == 1200);
    }
    EXPECT_EQ(passes, 25); // 200 px at 8 px a pass
    pass();
    EXPECT_EQ(m->pathX[0], 1000);
    EXPECT_EQ(m->pathY[0], 1000);
}

TEST_F(EnemyTest, EnemyBehindAWallChainWalksRoundItsEndAndReachesTheHero) {
    wall(1200, 800, 64, 256);
    wall(1200, 1056, 64, 256);
    Mario* m = spawn<Mario>(1400, 1000);
    bool detoured = false;
    for (int passes = 1; player.health == 100 && passes <= 600; ++passes) {
        pass(50.0);
        detoured = detoured || m->detouring;
        ASSERT_TRUE(m->x > 1264.0f || m->x + 15 < 1200.0f || m->y + 16 < 800.0f || m->y > 1312.0f)
            << "walked into the wall at pass " << passes;
    }
    EXPECT_TRUE(detoured);
    EXPECT_LT(player.health, 100);
    EXPECT_LT(m->x, 1200.0f); // reached the hero's side of the chain
}

// True when one of the cells under the object's top-left corner lists it.
bool inCornerCell(const ObstacleStore& store, const GameObject& object) {
    const int cx = static_cast<int>(object.x) / kCellSize;
    const int cy = static_cast<int>(object.y) / kCellSize;
    for (const CellNode* node = store.cellList(cx, cy); node != nullptr; node = node->next)
        if (node->object == &object) return true;
    return false;
}

TEST_F(EnemyTest, EnemyPushedPastAnEdgeIsBackInsideAndInItsCellsAfterItsNextMove) {
    struct Edge {
        const char* name;
        float x, y;         // the enemy's start, 10 px inside the edge
        float pushX, pushY; // px/s, enough to carry it 30 px past the edge in one pass
    };
    const Edge edges[] = {
        {"left", 10, 1200, -400, 0},
        {"top", 1200, 10, 0, -400},
        {"right", 2400 - 15 - 10, 1200, 400, 0},
        {"bottom", 1200, 2400 - 16 - 10, 0, 400},
    };
    for (const Edge& edge : edges) {
        SCOPED_TRACE(edge.name);
        Mario* m = spawn<Mario>(edge.x, edge.y);
        // It stands on its waypoint, so only the push moves it.
        m->pathX[0] = static_cast<int>(edge.x);
        m->pathY[0] = static_cast<int>(edge.y);
        m->detouring = true;
        m->pushX = edge.pushX;
        m->pushY = edge.pushY;
        step(100.0);
        enemyList.update(player.x, player.y, edge.x, edge.y);
        EXPECT_GE(m->x, 0.0f);
        EXPECT_GE(m->y, 0.0f);
        EXPECT_LE(m->x + m->width, 2400.0f);
        EXPECT_LE(m->y + m->height, 2400.0f);
        // Pressed against the edge it was pushed past, not put back where it started.
        EXPECT_EQ(std::fabs(m->x - edge.x) + std::fabs(m->y - edge.y), 10.0f);
        EXPECT_TRUE(inCornerCell(store, *m));
        enemyList.remove(m);
    }
}

} // namespace
