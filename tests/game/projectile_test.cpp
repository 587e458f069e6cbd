#include "game/projectile.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "collision/movement.h"
#include "collision/obstacle.h"
#include "game/assets.h"
#include "game/player.h"
#include "support/test_level.h"

namespace {

class ProjectileTest : public LevelTest {
  protected:
    ProjectileTest() { step(16); }
    // What the test made leaves the store before the level is freed.
    ~ProjectileTest() override {
        for (const auto& o : owned)
            store.remove(o.get());
    }

    template <typename Kind>
    Kind* fire(int ownerKind, float x, float y, float dirX, float dirY) {
        auto* p = new Kind(ownerKind, x, y, dirX, dirY);
        EXPECT_TRUE(projectileList.add(p));
        return p;
    }

    // Puts o in the store for the test's lifetime.
    template <typename Kind>
    Kind* keep(std::unique_ptr<Kind> o) {
        store.insert(o.get());
        owned.push_back(std::move(o));
        return static_cast<Kind*>(owned.back().get());
    }
    TestEnemy* enemy(float x, float y) { return keep(std::make_unique<TestEnemy>(x, y)); }
    // A wall or block of the level's own, freed with it.
    void wall(int x, int y) { store.insert(new Obstacle(x, y, 48, 48, 0)); }

    static int countSprite(const Effect* head, int sprite) {
        int n = 0;
        for (; head != nullptr; head = head->next)
            n += head->sprite == sprite;
        return n;
    }

    std::vector<std::unique_ptr<GameObject>> owned;
};

TEST_F(ProjectileTest, WindowAroundTheViewKeepsItsEdgesAndDropsBeyond) {
    const float c = 1000; // still projectiles, so only the window decides
    const std::pair<int, int> sides[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [sx, sy] : sides) {
        for (float d : {500.0f, 500.5f}) {
            SCOPED_TRACE(testing::Message() << sx << "," << sy << " at " << d);
            Fireball* f = fire<Fireball>(kKindEnemy, c + sx * d, c + sy * d, 0, 0);
            projectileList.update(c, c);
            EXPECT_EQ(countProjectiles(), d == 500.0f ? 1 : 0);
            if (countProjectiles() == 1) projectileList.remove(f);
            EXPECT_EQ(store.count, 0);
        }
    }
}

TEST_F(ProjectileTest, BulletsStopWithSparksAndKillEnemiesOnlyWhenTheHeroFiredThem) {
    wall(130, 80);
    TestEnemy* target = enemy(130, 296);
    fire<Bullet>(kKindPlayer, 100, 100, 2, 0); // into the wall
    fire<Bullet>(kKindNone, 100, 300, 2, 0);   // into the enemy: nobody's, so only sparks
    projectileList.update(400, 300);
    EXPECT_EQ(target->health, 10);
    EXPECT_EQ(countSprite(effectLists.top, assets.explosion1), 10);
    EXPECT_EQ(countList(effectLists.top), 10) << "no blood";
    EXPECT_EQ(effectLists.top->x, 100.0f) << "sparks where the bullet began the frame";

    fire<Bullet>(kKindPlayer, 100, 300, 2, 0);
    projectileList.update(400, 300);
    EXPECT_EQ(target->health, 0);
    EXPECT_EQ(countSprite(effectLists.top, assets.blood1), 1);
    EXPECT_EQ(countSprite(effectLists.top, assets.blood2), 1);
    EXPECT_EQ(store.count, 2) << "only the wall and the enemy are left in the store";
}

TEST_F(ProjectileTest, FireballPassesThroughEnemiesAndHurtsTheHeroByTwenty) {
    player.x = 135;
    player.y = 90;
    store.insert(&player);
    TestEnemy* between = enemy(115, 96);
    fire<Fireball>(kKindEnemy, 100, 100, 80 * 5, 0); // 2000 px/s, over the enemy in one frame
    projectileList.update(400, 300);
    EXPECT_EQ(between->health, 10);
    EXPECT_EQ(player.health, 80);
    EXPECT_EQ(countProjectiles(), 0);
    EXPECT_EQ(effectLists.top, nullptr) << "a fireball leaves no mark";
}

TEST_F(ProjectileTest, RocketKillsWhatTheAreaQueryListsWithACraterPerListing) {
    wall(140, 300);
    // The rocket strikes the wall from (100, 300); around its centre (116, 316) the query
    // scans cells 0 and 1 across and 2 and 3 down.
    TestEnemy* straddling = enemy(90, 250); // its edges lie in cells (0, 2) and (1, 2)
    TestEnemy* near = enemy(60, 340);
    TestEnemy* far = enemy(100, 500);
    Rocket* r = fire<Rocket>(kKindPlayer, 100, 300, 2, 0);

    GameObject* listed[1001];
    int count = 0;
    objectsInRadius(r, 100, listed, 1001, count, &store);
    int enemyListings = 0;
    for (int i = 0; i < count; ++i)
        enemyListings += listed[i]->kind == kKindEnemy;
    ASSERT_EQ(std::count(listed, listed + count, straddling), 2) << "a repeated listing";

    projectileList.update(400, 300);
    EXPECT_EQ(straddling->health, 0);
    EXPECT_EQ(near->health, 0);
    EXPECT_EQ(far->health, 10);
    EXPECT_EQ(countSprite(effectLists.ground, assets.crater), enemyListings);
}

TEST_F(ProjectileTest, ProjectileTheFullStoreRefusesIsDroppedAtOnce) {
    for (int i = 0; i < ObstacleStore::kMaxEntries; ++i)
        wall(2000, 2000);
    ASSERT_EQ(store.count, ObstacleStore::kMaxEntries);
    EXPECT_FALSE(projectileList.add(new Bullet(kKindPlayer, 10, 10, 1, 0)));
    EXPECT_EQ(projectileList.head, nullptr);
    projectileList.update(400, 300); // nothing listed, nothing moved
}

TEST(ProjectileSlots, AShotGivenBackIsTheNextMadeWhateverTheKind) {
    // Every kind fits one slot of the shots' pool, so steady firing reuses the same few.
    auto* bullet = new Bullet(kKindPlayer, 10, 10, 1, 0);
    void* slot = bullet;
    delete bullet;
    auto* rocket = new Rocket(kKindPlayer, 10, 10, 1, 0);
    EXPECT_EQ(static_cast<void*>(rocket), slot);
    delete rocket;
    auto* fireball = new (std::nothrow) Fireball(kKindEnemy, 10, 10, 0, 1);
    EXPECT_EQ(static_cast<void*>(fireball), slot);
    delete fireball;
}

} // namespace
