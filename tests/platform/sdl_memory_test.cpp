// SDL's heap with large blocks on huge pages: contents survive every move between the two
// kinds of block, and blocks SDL took before the switch are still given back to their own.
#include "platform/sdl_memory_local.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

void fill(void* block, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        static_cast<std::uint8_t*>(block)[i] = static_cast<std::uint8_t>(i * 7 + i / 4096);
}

bool holds(const void* block, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        if (static_cast<const std::uint8_t*>(block)[i] !=
            static_cast<std::uint8_t>(i * 7 + i / 4096))
            return false;
    return true;
}

TEST(SdlMemory, BlocksKeepTheirContentsAcrossEverySizeAndOlderBlocksGoBackToTheirOwnHeap) {
    void* older = SDL_malloc(3 * kMegabyte);
    ASSERT_NE(older, nullptr);
    fill(older, 3 * kMegabyte);
    useLargePagesForSdl();
    useLargePagesForSdl(); // a second call changes nothing
    const struct {
        std::size_t from, to;
    } moves[] = {{3 * kMegabyte, 5 * kMegabyte},
                 {3 * kMegabyte, 100},
                 {100, 2 * kMegabyte},
                 {2 * kMegabyte, 2 * kMegabyte + 1}};
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message() << move.from << " -> " << move.to);
        void* block = SDL_malloc(move.from);
        ASSERT_NE(block, nullptr);
        fill(block, move.from);
        block = SDL_realloc(block, move.to);
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(holds(block, std::min(move.from, move.to)));
        SDL_free(block);
    }
    auto* zeros = static_cast<std::uint8_t*>(SDL_calloc(2, kMegabyte));
    ASSERT_NE(zeros, nullptr);
    EXPECT_TRUE(zeros[0] == 0 && zeros[2 * kMegabyte - 1] == 0 &&
                std::memcmp(zeros, zeros + 1, 2 * kMegabyte - 1) == 0);
    SDL_free(zeros);
    older = SDL_realloc(older, 4 * kMegabyte);
    ASSERT_NE(older, nullptr);
    EXPECT_TRUE(holds(older, 3 * kMegabyte));
    SDL_free(older);
}

} // namespace
