#include "game/slot_pool.h"

#include "game/projectile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

TEST(SlotPool, BlocksAreDistinctAlignedWholeAndDoubleThePoolOnlyWhenAllAreTaken) {
    SlotPool pool(40);
    EXPECT_EQ(pool.capacity(), 64u); // the first chunk is there before the first block
    std::vector<void*> taken;
    for (int i = 0; i < 65; ++i)
        taken.push_back(pool.acquire());
    EXPECT_EQ(pool.capacity(), 128u);
    EXPECT_EQ(pool.inUse(), 65u);
    std::set<std::uintptr_t> starts;
    for (void* block : taken) {
        ASSERT_NE(block, nullptr);
        const auto at = reinterpret_cast<std::uintptr_t>(block);
        EXPECT_EQ(at % alignof(std::max_align_t), 0u);
        // Filling every block whole must not touch another: they lie 40 bytes or more apart.
        std::memset(block, 0xAB, 40);
        starts.insert(at);
    }
    EXPECT_EQ(starts.size(), taken.size());
    auto previous = starts.begin();
    for (auto at = std::next(previous); at != starts.end(); previous = at++)
        EXPECT_GE(*at - *previous, 40u);
    for (void* block : taken)
        pool.release(block);
    EXPECT_EQ(pool.inUse(), 0u);
}

TEST(SlotPool, ShotsFiredAndDroppedInPlayReuseTheirSlotsWithoutGrowing) {
    // A block given back is the next one handed out, whatever the kind made in it.
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
