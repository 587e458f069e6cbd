// The recycled storage behind the cell lists, the effects and the projectiles.
#include "base/pool.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace {

// Shaped as the pool's users: a list node of two pointers, a node with values and a
// constructor, and raw room for objects of several kinds.
struct ListNode {
    ListNode* next = nullptr;
    void* item = nullptr;
};
struct Particle {
    Particle(int sprite, float life) : sprite(sprite), life(life) {}
    int sprite;
    float life;
    char trail[19] = {};
    Particle* next = nullptr;
};
struct RawRoom {
    alignas(std::max_align_t) std::byte bytes[40];
};

template <typename T>
T* take(Pool<T>& pool) {
    if constexpr (std::is_same_v<T, Particle>)
        return pool.acquire(7, 1.5f);
    else
        return pool.acquire();
}

template <typename T>
class PoolTest : public testing::Test {};
using NodeKinds = testing::Types<ListNode, Particle, RawRoom>;
TYPED_TEST_SUITE(PoolTest, NodeKinds);

TYPED_TEST(PoolTest, FirstChunkIsThereAtOnceAndEachLaterOneDoublesThePoolWhenAllAreTaken) {
    Pool<TypeParam> pool(8);
    EXPECT_EQ(pool.capacity(), 8u);
    // Taken one by one, with the capacity the pool must have after each.
    std::vector<TypeParam*> taken;
    for (std::size_t n = 1; n <= 17; ++n) {
        taken.push_back(take(pool));
        ASSERT_NE(taken.back(), nullptr);
        EXPECT_EQ(pool.capacity(), n <= 8 ? 8u : n <= 16 ? 16u : 32u) << n;
        EXPECT_EQ(pool.inUse(), n);
    }
    // Every node aligned, and each filled whole leaves all others as they were.
    for (std::size_t i = 0; i < taken.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(taken[i]) % alignof(TypeParam), 0u);
        std::memset(static_cast<void*>(taken[i]), int(i + 1), sizeof(TypeParam));
    }
    for (std::size_t i = 0; i < taken.size(); ++i) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(taken[i]);
        for (std::size_t b = 0; b < sizeof(TypeParam); ++b)
            ASSERT_EQ(bytes[b], i + 1) << "node " << i << " overwritten";
    }
    for (TypeParam* node : taken)
        pool.release(node);
    EXPECT_EQ(pool.inUse(), 0u);
    EXPECT_EQ(pool.capacity(), 32u); // it never shrinks
    pool.prefetch();                 // reads free, poisoned storage without a sanitizer report
}

TYPED_TEST(PoolTest, NodesGivenBackAreHandedOutAgainLastFirstWithoutGrowing) {
    Pool<TypeParam> pool(4);
    TypeParam* nodes[4];
    for (TypeParam*& node : nodes)
        node = take(pool);
    for (TypeParam* node : nodes)
        pool.release(node);
    for (int i = 3; i >= 0; --i)
        EXPECT_EQ(take(pool), nodes[i]);
    EXPECT_EQ(pool.capacity(), 4u);
}

TEST(Pool, NodesAreMadeFromTheGivenValues) {
    int item = 0;
    Pool<ListNode> links(2);
    ListNode* link = links.acquire(nullptr, &item);
    EXPECT_EQ(link->next, nullptr);
    EXPECT_EQ(link->item, &item);
    ListNode* blank = links.acquire();
    EXPECT_EQ(blank->next, nullptr); // default member values still apply
    EXPECT_EQ(blank->item, nullptr);

    Pool<Particle> particles(1);
    const Particle* copy = particles.acquire(Particle(3, 0.25f));
    EXPECT_EQ(copy->sprite, 3);
    EXPECT_EQ(copy->life, 0.25f);
    EXPECT_EQ(copy->next, nullptr);
}

#if defined(__SANITIZE_ADDRESS__)
TEST(Pool, ANodeReadAfterItWasGivenBackIsReported) {
    Pool<ListNode> pool(2);
    ListNode* node = pool.acquire();
    pool.release(node);
    EXPECT_DEATH(
        {
            volatile void* item = node->item;
            (void)item;
        },
        "use-after-poison");
}
#endif

} // namespace
