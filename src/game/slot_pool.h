#pragma once
// Recycled blocks of raw memory, all of one size. A block given back goes on a free list, not
// to the heap, so steady play allocates nothing once the pool has grown to the busiest moment
// seen so far. Projectiles are made from one: firing is part of ordinary play.
#include <cstddef>
#include <memory>

class SlotPool {
  public:
    // Blocks of at least slotSize bytes, aligned for any object. The first chunk is made at
    // once, so the first block taken in play does not allocate either.
    explicit SlotPool(std::size_t slotSize);
    SlotPool(const SlotPool&) = delete;
    SlotPool& operator=(const SlotPool&) = delete;

    // A free block, or null when no memory is left.
    void* acquire();

    // Puts a block taken from this pool back on the free list.
    void release(void* slot);

    // Blocks allocated so far, in use or free.
    std::size_t capacity() const { return allocated; }

    // Blocks handed out and not yet given back.
    std::size_t inUse() const { return used; }

  private:
    struct FreeSlot {
        FreeSlot* next;
    };

    bool grow();

    // Doubling from the first chunk, 40 chunks are more than any memory could hold.
    static constexpr int kMaxChunks = 40;
    std::size_t slotSize;
    std::unique_ptr<std::byte[]> chunks[kMaxChunks];
    int chunkCount = 0;
    FreeSlot* freeList = nullptr;
    std::size_t allocated = 0;
    std::size_t used = 0;
};
