// The enemies in a small level: who looks, who moves, who hurts, who is removed and counted.
#include "game/enemy.h"
#include "game/enemy_list.h"

#include "collision/obstacle.h"
#include "game/assets.h"
#include "game/player.h"
#include "game_fixture.h"

#include <memory>
#include <vector>

namespace {

constexpr float kHeroX = 1000.0f;
constexpr float kHeroY = 1000.0f;

// A level with the hero at (1000, 1000), the view centred on it, and an empty enemy list.
class EnemyTest : public GameFixture {
  protected:
    EnemyTest() {
        assets.mario = 1;
        assets.marioBig = 2;
        assets.fireMario = 3;
        player.x = kHeroX;
        player.y = kHeroY;
        player.enemiesLeft = 60;
        store.insert(&player);
        hero = &player;
        enemies = &list;
    }
    ~EnemyTest() override {
        enemies = nullptr;
        hero = nullptr;
    }

    template <class Kind>
    Kind* spawn(float x, float y) {
        Kind* e = new Kind(x, y);
        EXPECT_TRUE(list.add(e));
        return e;
    }

    Obstacle* wall(int x, int y, int w, int h) {
        walls.push_back(std::make_unique<Obstacle>(x, y, w, h, -1));
        store.insert(walls.back().get());
        return walls.back().get();
    }

    // One enemy update of ms of game time, as the game pass gives it.
    void pass(double ms = 100.0) {
        step(ms);
        list.update(player.x, player.y, kHeroX, kHeroY);
    }

    int listed() const {
        int n = 0;
        for (const Enemy* e = list.head; e != nullptr; e = e->next)
            ++n;
        return n;
    }

    bool stored(const GameObject* o) const {
        for (int i = 0; i < store.count; ++i) {
            if (store.entries[i] == o) return true;
        }
        return false;
    }

    Player player;
    std::vector<std::unique_ptr<Obstacle>> walls;
    EnemyList list; // goes first: it takes its enemies out of the store beside the walls
};

TEST_F(EnemyTest, ListRunsNewestFirst) {
    Mario* oldest = spawn<Mario>(1100, 1000);
    MarioBig* middle = spawn<MarioBig>(1100, 1000);
    FireMario* older = spawn<FireMario>(1100, 1000);
    FireMario* newest = spawn<FireMario>(1000, 1100);
    ASSERT_EQ(list.head, newest);
    EXPECT_EQ(newest->next, older);
    EXPECT_EQ(older->next, middle);
    EXPECT_EQ(middle->next, oldest);
    EXPECT_EQ(store.count, 5);

    pass();
    // Each fire-thrower shoots in its turn; the projectile list also runs newest first, so
    // the older enemy's fireball, thrown second, leads it.
    ASSERT_EQ(countProjectiles(), 2);
    EXPECT_FLOAT_EQ(projectileList.head->x, older->x);
    EXPECT_FLOAT_EQ(projectileList.head->next->y, newest->y);
}

TEST_F(EnemyTest, FarEnemiesDoNothingButAreStillRemovedWhenDead) {
    Mario* edge = spawn<Mario>(1500, 1000); // the window's edge is inside
    Mario* farRight = spawn<Mario>(1500.5f, 1000);
    Mario* farUp = spawn<Mario>(1000, 499);
    farRight->seesTarget = true;

    pass();
    EXPECT_LT(edge->x, 1500.0f);
    EXPECT_GT(edge->animTime, 0.0f);
    EXPECT_FLOAT_EQ(farRight->x, 1500.5f);
    EXPECT_FLOAT_EQ(farUp->y, 499.0f);
    EXPECT_EQ(farRight->animTime, 0.0f);
    EXPECT_EQ(farRight->column, 1);
    EXPECT_TRUE(farRight->seesTarget); // keeps its last look

    farRight->health = 0;
    pass();
    EXPECT_EQ(listed(), 2);
    EXPECT_FALSE(stored(farRight));
    EXPECT_EQ(player.score, 135);
    EXPECT_EQ(player.enemiesLeft, 59);
}

TEST_F(EnemyTest, EnemyShotByTheHeroMovesAndActsOnceMoreBeforeRemoval) {
    FireMario* fire = spawn<FireMario>(1100, 1000);
    Bullet bullet(KindPlayer, 0, 0, 1, 0);
    fire->collide(&bullet, 0, 1);
    EXPECT_EQ(fire->health, 0);
    EXPECT_EQ(bullet.life, 0.0f);

    Bullet enemyShot(KindEnemy, 0, 0, 1, 0);
    Mario mario(0, 0);
    mario.collide(&enemyShot, 0, 1);
    EXPECT_EQ(mario.health, 10); // only the hero's shots kill

    pass();
    // It walked 8 px toward the hero and threw from where it then stood.
    ASSERT_EQ(countProjectiles(), 1);
    EXPECT_FLOAT_EQ(projectileList.head->x, 1092.0f);
    EXPECT_FLOAT_EQ(projectileList.head->moveX, -400.0f);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(store.count, 2); // the hero and the fireball
    EXPECT_EQ(player.score, 135);
}

// What the hero lost to an enemy's contact.
struct Losses {
    int health;
    int armour;
};
TEST_F(EnemyTest, TouchHurtsTheHeroOncePerPassOfContact) {
    // Three passes of e running into the hero from the right.
    auto runInto = [this](Enemy* e) {
        player.health = 100;
        player.armour = 100;
        for (int i = 0; i < 3; ++i)
            pass();
        EXPECT_LT(e->x, 1050.0f);
        EXPECT_GT(e->x, 1046.0f); // stopped at the hero each time
        Losses lost{100 - player.health, 100 - player.armour};
        list.remove(e);
        return lost;
    };
    Losses mario = runInto(spawn<Mario>(1050, 1000));
    EXPECT_EQ(mario.health, 30);
    EXPECT_EQ(mario.armour, 0);
    Losses big = runInto(spawn<MarioBig>(1050, 1000));
    EXPECT_EQ(big.health, 60);
    EXPECT_EQ(big.armour, 30);
    Losses fire = runInto(spawn<FireMario>(1050, 1000));
    EXPECT_EQ(fire.health, 0);
}

TEST_F(EnemyTest, EnemyOnItsWaypointFacesRightAndStandsStill) {
    FireMario* fire = spawn<FireMario>(kHeroX, kHeroY);
    pass();
    EXPECT_EQ(fire->column, 2);
    EXPECT_EQ(fire->moveX, 0.0f);
    EXPECT_EQ(fire->moveY, 0.0f);
    EXPECT_FLOAT_EQ(fire->x, kHeroX);

    ASSERT_EQ(countProjectiles(), 1);
    Projectile* shot = projectileList.head;
    EXPECT_EQ(shot->moveX, 0.0f);
    EXPECT_EQ(shot->moveY, 0.0f);
    projectileList.update(kHeroX, kHeroY);
    EXPECT_FLOAT_EQ(shot->x, kHeroX);
    EXPECT_FLOAT_EQ(shot->y, kHeroY);
}

TEST_F(EnemyTest, FacingColumnsGiveEqualPartsToTheSides) {
    Mario* m = spawn<Mario>(500, 500);
    struct Case {
        int dx, dy, column;
    } cases[] = {{0, 50, 0}, {0, -50, 1}, {50, 50, 2}, {-50, -50, 3}, {-50, 49, 3}, {3, -50, 1}};
    for (const Case& c : cases) {
        m->pathX[0] = static_cast<int>(m->x) + c.dx;
        m->pathY[0] = static_cast<int>(m->y) + c.dy;
        m->pathCount = 1;
        m->moveTowardTarget();
        EXPECT_EQ(m->column, c.column) << c.dx << "," << c.dy;
    }
}

TEST_F(EnemyTest, DetouringEnemyIgnoresAVisibleHeroUntilItArrives) {
    Mario* m = spawn<Mario>(1100, 1000);
    m->detouring = true;
    m->pathX[0] = 1100;
    m->pathY[0] = 1200;
    int passes = 0;
    while (m->detouring && passes < 40) {
        pass();
        ++passes;
        EXPECT_TRUE(m->seesTarget);
        if (m->detouring) {
            EXPECT_EQ(m->pathY[0], 1200);
            EXPECT_EQ(m->column, 0);
        }
    }
    ASSERT_FALSE(m->detouring);
    EXPECT_EQ(passes, 25); // 200 px at 8 px a pass
    EXPECT_EQ(m->pathCount, 0);
    pass();
    EXPECT_EQ(m->pathX[0], 1000);
    EXPECT_EQ(m->pathY[0], 1000);
}

TEST_F(EnemyTest, EnemiesPassThroughEachOther) {
    Mario* behind = spawn<Mario>(1100, 1000);
    MarioBig* ahead = spawn<MarioBig>(1095, 1000);
    pass();
    EXPECT_FLOAT_EQ(behind->x, 1092.0f);
    EXPECT_FLOAT_EQ(ahead->x, 1087.0f);
}

TEST_F(EnemyTest, ScoreRisesBy135PerRemovalAndNothingElse) {
    Mario* near = spawn<Mario>(1050, 1000);
    spawn<MarioBig>(1100, 1100)->health = 0;
    spawn<FireMario>(2000, 2000)->health = -5;
    pass();
    EXPECT_EQ(player.score, 270);
    EXPECT_EQ(player.enemiesLeft, 58);
    EXPECT_EQ(list.head, near);
    EXPECT_EQ(near->next, nullptr);
    for (int i = 0; i < 5; ++i)
        pass(); // touching the hero scores nothing
    EXPECT_LT(player.health, 100);
    EXPECT_EQ(player.score, 270);
}

TEST_F(EnemyTest, FireMarioChecksEvery3000msWhetherOrNotItShoots) {
    Obstacle* screen = wall(1050, 900, 64, 256);
    FireMario* fire = spawn<FireMario>(1200, 1000);
    pass(); // first check: the hero is hidden, no shot
    EXPECT_EQ(countProjectiles(), 0);
    store.remove(screen);
    int shotAt = 0;
    for (int i = 1; i <= 40 && shotAt == 0; ++i) {
        pass();
        ASSERT_TRUE(fire->seesTarget);
        if (countProjectiles() > 0) shotAt = i;
    }
    EXPECT_GE(shotAt, 30); // waits out the 3000 ms from the empty check
    EXPECT_LE(shotAt, 31);
}

TEST_F(EnemyTest, EnemyBehindAWallChainWalksRoundItsEndAndReachesTheHero) {
    wall(1200, 800, 64, 256);
    wall(1200, 1056, 64, 256);
    Mario* m = spawn<Mario>(1400, 1000);
    bool detoured = false;
    int passes = 0;
    while (player.health == 100 && passes < 600) {
        pass(50.0);
        detoured = detoured || m->detouring;
        ++passes;
        ASSERT_TRUE(m->x > 1264.0f || m->x + 15 < 1200.0f || m->y + 16 < 800.0f || m->y > 1312.0f)
            << "walked into the wall at pass " << passes;
    }
    EXPECT_TRUE(detoured);
    EXPECT_LT(player.health, 100);
    EXPECT_LT(m->x, 1200.0f); // reached the hero's side of the chain
}

} // namespace
