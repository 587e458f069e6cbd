#include "game/projectile.h"

#include <memory>
#include <vector>

#include "collision/movement.h"
#include "collision/obstacle.h"
#include "game/assets.h"
#include "game/player.h"
#include "game_fixture.h"
#include "test_enemy.h"

namespace {

class ProjectileTest : public GameFixture {
  protected:
    ProjectileTest() { step(16); }

    template <typename Kind>
    Kind* fire(int ownerKind, float x, float y, float dirX, float dirY) {
        auto* p = new Kind(ownerKind, x, y, dirX, dirY);
        EXPECT_TRUE(projectileList.add(p));
        return p;
    }

    Obstacle* wall(int x, int y, int w, int h) {
        walls.push_back(std::make_unique<Obstacle>(x, y, w, h, 0));
        store.insert(walls.back().get());
        return walls.back().get();
    }

    TestEnemy* enemy(float x, float y) {
        enemies.push_back(std::make_unique<TestEnemy>(x, y));
        store.insert(enemies.back().get());
        return enemies.back().get();
    }

    static int countSprite(const Effect* head, int sprite) {
        int n = 0;
        for (; head != nullptr; head = head->next)
            n += head->sprite == sprite;
        return n;
    }

    std::vector<std::unique_ptr<Obstacle>> walls;
    std::vector<std::unique_ptr<TestEnemy>> enemies;
};

TEST_F(ProjectileTest, KindsHaveTheirSizesSpeedsAndOwners) {
    Bullet* b = fire<Bullet>(KindPlayer, 10, 20, 2, 0);
    Rocket* r = fire<Rocket>(KindPlayer, 10, 20, 0, -2);
    Fireball* f = fire<Fireball>(KindEnemy, 10, 20, 80, 0);
    EXPECT_EQ(b->width, 8);
    EXPECT_EQ(b->sprite, assets.bullet);
    EXPECT_EQ(b->moveX, 1600.0f);
    EXPECT_EQ(r->width, 32);
    EXPECT_EQ(r->sprite, assets.rocket);
    EXPECT_EQ(r->moveY, -600.0f);
    EXPECT_EQ(f->height, 14);
    EXPECT_EQ(f->moveX, 400.0f);
    for (Projectile* p : {static_cast<Projectile*>(b), static_cast<Projectile*>(r)}) {
        EXPECT_EQ(p->kind, KindProjectile);
        EXPECT_EQ(p->ignoreKind, KindPlayer);
        EXPECT_EQ(p->life, 100.0f);
    }
    EXPECT_EQ(f->ignoreKind, KindEnemy);
    EXPECT_EQ(projectileList.head, f) << "newest first";
    EXPECT_EQ(store.count, 3);
}

TEST_F(ProjectileTest, WindowAroundTheViewKeepsItsEdgesAndDropsBeyond) {
    const float cx = 1000, cy = 1000;
    // Still projectiles, so only the window decides.
    struct Case {
        float x, y;
        bool stays;
    };
    const Case cases[] = {{cx + 500, cy, true}, {cx + 500.5f, cy, false},
                          {cx - 500, cy, true}, {cx - 500.5f, cy, false},
                          {cx, cy + 500, true}, {cx, cy + 500.5f, false},
                          {cx, cy - 500, true}, {cx, cy - 500.5f, false}};
    for (const Case& c : cases) {
        Fireball* f = fire<Fireball>(KindEnemy, c.x, c.y, 0, 0);
        projectileList.update(cx, cy);
        EXPECT_EQ(countProjectiles(), c.stays ? 1 : 0) << c.x << "," << c.y;
        if (c.stays) {
            EXPECT_FLOAT_EQ(f->life, 100.0f - 0.016f);
            projectileList.remove(f);
        }
        EXPECT_EQ(store.count, 0);
    }
}

TEST_F(ProjectileTest, OnlyProjectilesInsideTheWindowMove) {
    Bullet* inside = fire<Bullet>(KindPlayer, 1000, 1000, 1, 0);
    fire<Bullet>(KindPlayer, 1600, 1000, 1, 0);
    projectileList.update(1000, 1000);
    EXPECT_EQ(countProjectiles(), 1);
    EXPECT_FLOAT_EQ(inside->x, 1000 + 800 * 0.016f);
}

TEST_F(ProjectileTest, BulletStopsOnWallWithSparksAndNoBlood) {
    wall(130, 80, 48, 48);
    fire<Bullet>(KindPlayer, 100, 100, 2, 0);
    projectileList.update(400, 300);
    EXPECT_EQ(countProjectiles(), 0);
    EXPECT_EQ(store.count, 1) << "only the wall is left in the store";
    EXPECT_EQ(countNodes(effectLists.top), 5);
    EXPECT_EQ(countSprite(effectLists.top, assets.explosion1), 5);
    EXPECT_EQ(effectLists.top->x, 100.0f) << "sparks where the bullet began the frame";
}

TEST_F(ProjectileTest, BulletKillsAnEnemyOnlyWhenTheHeroFiredIt) {
    TestEnemy* target = enemy(130, 96);
    fire<Bullet>(KindNone, 100, 100, 2, 0);
    projectileList.update(400, 300);
    EXPECT_EQ(target->health, 10) << "a bullet of nobody's only ricochets";
    EXPECT_EQ(countNodes(effectLists.top), 5);

    fire<Bullet>(KindPlayer, 100, 100, 2, 0);
    projectileList.update(400, 300);
    EXPECT_EQ(target->health, 0);
    EXPECT_EQ(countNodes(effectLists.top), 5 + 5 + 2);
    EXPECT_EQ(countSprite(effectLists.top, assets.blood1), 1);
    EXPECT_EQ(countSprite(effectLists.top, assets.blood2), 1);
    EXPECT_EQ(countProjectiles(), 0);
}

TEST_F(ProjectileTest, FireballPassesThroughEnemiesAndHurtsTheHeroByTwenty) {
    Player player;
    player.x = 135;
    player.y = 90;
    store.insert(&player);
    TestEnemy* between = enemy(115, 96);
    fire<Fireball>(KindEnemy, 100, 100, 80 * 5, 0); // 2000 px/s, over the enemy in one frame
    projectileList.update(400, 300);
    EXPECT_EQ(between->health, 10);
    EXPECT_EQ(player.health, 80);
    EXPECT_EQ(countProjectiles(), 0);
    EXPECT_EQ(effectLists.top, nullptr) << "a fireball leaves no mark";
    store.remove(&player);
}

TEST_F(ProjectileTest, HeroProjectilesNeverStrikeTheHero) {
    Player player;
    player.x = 130;
    player.y = 80;
    store.insert(&player);
    Bullet* b = fire<Bullet>(KindPlayer, 100, 100, 2, 0);
    projectileList.update(400, 300);
    ASSERT_EQ(countProjectiles(), 1);
    EXPECT_FLOAT_EQ(b->x, 100 + 1600 * 0.016f);
    EXPECT_EQ(player.health, 100);
    store.remove(&player);
}

TEST_F(ProjectileTest, RocketKillsWhatTheAreaQueryListsWithACraterPerListing) {
    wall(140, 300, 48, 48);
    // The rocket strikes the wall from (100, 300); around its centre (116, 316) the query
    // scans cells 0 and 1 across and 2 and 3 down.
    TestEnemy* straddling = enemy(90, 250); // its edges lie in cells (0, 2) and (1, 2)
    TestEnemy* near = enemy(60, 340);
    TestEnemy* far = enemy(100, 500);
    Rocket* r = fire<Rocket>(KindPlayer, 100, 300, 2, 0);

    GameObject* listed[1001];
    int count = 0;
    objectsInRadius(r, 100, listed, 1001, count, &store);
    int enemyListings = 0;
    int straddlingListings = 0;
    for (int i = 0; i < count; ++i) {
        enemyListings += listed[i]->kind == KindEnemy;
        straddlingListings += listed[i] == straddling;
    }
    ASSERT_EQ(straddlingListings, 2) << "the scene must exercise a repeated listing";

    projectileList.update(400, 300);
    EXPECT_EQ(straddling->health, 0);
    EXPECT_EQ(near->health, 0);
    EXPECT_EQ(far->health, 10);
    EXPECT_EQ(countNodes(effectLists.ground), enemyListings);
    EXPECT_EQ(countSprite(effectLists.ground, assets.crater), enemyListings);
    int craterAtStraddling = 0;
    for (const Effect* e = effectLists.ground; e != nullptr; e = e->next)
        craterAtStraddling += e->x == 90.0f && e->y == 250.0f;
    EXPECT_EQ(craterAtStraddling, 2);
    // One explosion, and the trail of the frame in which it struck.
    EXPECT_EQ(countNodes(effectLists.top), 154 + 3);
    EXPECT_EQ(countProjectiles(), 0);
}

TEST_F(ProjectileTest, FlyingRocketLeavesSmokeAlongItsCourse) {
    fire<Rocket>(KindPlayer, 1000, 1000, -2, 1);
    projectileList.update(1000, 1000);
    projectileList.update(1000, 1000);
    ASSERT_EQ(countNodes(effectLists.top), 6);
    for (const Effect* e = effectLists.top; e != nullptr; e = e->next) {
        EXPECT_GE(e->dirX, -2.5f);
        EXPECT_LE(e->dirX, -1.5f);
        EXPECT_GE(e->dirY, 0.5f);
        EXPECT_LE(e->dirY, 1.5f);
    }
}

TEST_F(ProjectileTest, RemovalAtEveryPlaceKeepsTheRestLinked) {
    Bullet* c = fire<Bullet>(KindPlayer, 10, 10, 0, 0);
    Bullet* b = fire<Bullet>(KindPlayer, 20, 10, 0, 0);
    Bullet* a = fire<Bullet>(KindPlayer, 30, 10, 0, 0);
    projectileList.remove(c);
    ASSERT_EQ(projectileList.head, a);
    ASSERT_EQ(a->next, b);
    EXPECT_EQ(b->next, nullptr);
    EXPECT_EQ(store.count, 2);
    Bullet* d = fire<Bullet>(KindPlayer, 40, 10, 0, 0);
    projectileList.remove(a);
    ASSERT_EQ(d->next, b);
    projectileList.remove(d);
    ASSERT_EQ(projectileList.head, b);
    projectileList.remove(b);
    EXPECT_EQ(projectileList.head, nullptr);
    EXPECT_EQ(store.count, 0);
}

TEST_F(ProjectileTest, ProjectileTheFullStoreRefusesIsDroppedAtOnce) {
    std::vector<std::unique_ptr<Obstacle>> filler;
    for (int i = 0; i < ObstacleStore::kMaxEntries; ++i) {
        filler.push_back(std::make_unique<Obstacle>(2000, 2000, 48, 48, 0));
        ASSERT_TRUE(store.insert(filler.back().get()));
    }
    EXPECT_FALSE(projectileList.add(new Bullet(KindPlayer, 10, 10, 1, 0)));
    EXPECT_EQ(projectileList.head, nullptr);
    EXPECT_EQ(store.count, ObstacleStore::kMaxEntries);
    projectileList.update(400, 300); // nothing listed, nothing moved
    for (auto& o : filler)
        store.remove(o.get());
}

TEST_F(ProjectileTest, ProjectileEndsAfterAHundredSecondsOfFrames) {
    Fireball* f = fire<Fireball>(KindEnemy, 500, 500, 0, 0);
    f->life = 0.02f;
    projectileList.update(500, 500);
    EXPECT_EQ(countProjectiles(), 1);
    projectileList.update(500, 500);
    EXPECT_EQ(countProjectiles(), 0);
}

} // namespace
