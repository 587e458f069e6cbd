#pragma once
// Recycled effect nodes. An explosion makes 154 nodes at once and a flying rocket three a
// frame; taking them from a free list keeps the frame free of allocations once the pool has
// grown to the busiest moment seen so far.
#include <cstddef>
#include <memory>

#include "game/effect.h"

class EffectPool {
  public:
    // The first chunk is made at once, so the first effect of the level does not allocate.
    EffectPool() { grow(); }
    EffectPool(const EffectPool&) = delete;
    EffectPool& operator=(const EffectPool&) = delete;

    // A node holding the given values with next empty, or null when no memory is left. The
    // node belongs to the pool's storage: hand it back with release, never delete it.
    Effect* acquire(const Effect& values);

    // Puts a node taken from this pool back on the free list.
    void release(Effect* node);

    // Starts fetching the whole storage into cache. The lists' nodes lie wherever the pool
    // had room, so a walk over a list would otherwise wait for memory at every node.
    void prefetch() const;

    // Nodes allocated so far, in use or free.
    std::size_t capacity() const { return allocated; }

    // Nodes handed out and not yet taken back.
    std::size_t inUse() const { return used; }

  private:
    bool grow();

    // Doubling from 256 nodes, 40 chunks are more than any memory could hold.
    static constexpr int kMaxChunks = 40;
    std::unique_ptr<Effect[]> chunks[kMaxChunks];
    std::size_t chunkSizes[kMaxChunks] = {};
    int chunkCount = 0;
    Effect* freeList = nullptr;
    std::size_t allocated = 0;
    std::size_t used = 0;
};
