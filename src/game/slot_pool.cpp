#include "game/slot_pool.h"

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstddef>
#include <new>

namespace {
constexpr std::size_t kFirstChunk = 64;
constexpr std::size_t kAlignment = alignof(std::max_align_t);
} // namespace

SlotPool::SlotPool(std::size_t slotSize)
    : slotSize((std::max(slotSize, sizeof(FreeSlot)) + kAlignment - 1) / kAlignment * kAlignment) {
    grow();
}

// A free slot is poisoned whole in sanitizer builds, so a use of a freed projectile is still
// caught there although its memory never goes back to the heap.
void* SlotPool::acquire() {
    if (freeList == nullptr && !grow()) return nullptr;
    FreeSlot* slot = freeList;
    ASAN_UNPOISON_MEMORY_REGION(slot, slotSize);
    freeList = slot->next;
    ++used;
    return slot;
}

void SlotPool::release(void* slot) {
    freeList = ::new (slot) FreeSlot{freeList};
    ASAN_POISON_MEMORY_REGION(slot, slotSize);
    --used;
}

bool SlotPool::grow() {
    // Each chunk doubles the pool, so a burst of any size costs few allocations.
    const std::size_t count = allocated == 0 ? kFirstChunk : allocated;
    if (chunkCount == kMaxChunks) return false;
    // operator new[] aligns for any object of the default alignment, and every slot's size
    // is a multiple of it.
    std::unique_ptr<std::byte[]> chunk(new (std::nothrow) std::byte[count * slotSize]);
    if (!chunk) return false;
    for (std::size_t i = count; i-- > 0;) {
        freeList = ::new (chunk.get() + i * slotSize) FreeSlot{freeList};
        ASAN_POISON_MEMORY_REGION(freeList, slotSize);
    }
    chunks[chunkCount++] = std::move(chunk);
    allocated += count;
    return true;
}
