#pragma once
// Recycled storage for nodes of one type that come and go in steady play: cell list nodes,
// effects, projectiles. A node given back goes on a free list, not to the heap, and is the
// next one handed out, so nothing allocates once the pool has grown to the busiest moment
// seen so far. The pool only grows: its first chunk is made at once, each later chunk
// doubles it, and the chunks are freed with the pool, whatever nodes are still out.
//
// In sanitizer builds a free node is poisoned whole, so a use of a node given back is still
// caught although its memory never goes back to the heap.
#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template <typename T>
class Pool {
    static_assert(std::is_trivially_destructible_v<T>,
                  "the chunks are freed without destroying the nodes still out");

  public:
    // The first chunk, of firstChunk nodes (above 0), is made at once, so the first node
    // taken does not allocate either; when it cannot be made, the first acquire tries again.
    explicit Pool(std::size_t firstChunk) : firstChunk(firstChunk) { grow(); }
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    // A node made from args in a free slot (braced, so aggregates take their fields in
    // order; without args default-initialised, so raw storage is left as it is), or null
    // when no memory is left. It belongs to the pool: give it back with release, never
    // delete it.
    template <typename... Args>
    T* acquire(Args&&... args) {
        if (freeList == nullptr && !grow()) return nullptr;
        FreeSlot* slot = freeList;
        ASAN_UNPOISON_MEMORY_REGION(slot, sizeof(T));
        freeList = slot->next;
        ++used;
        if constexpr (sizeof...(Args) == 0)
            return ::new (static_cast<void*>(slot)) T;
        else
            return ::new (static_cast<void*>(slot)) T{std::forward<Args>(args)...};
    }

    // Puts a node taken from this pool back on the free list.
    void release(T* node) {
        freeList = ::new (static_cast<void*>(node)) FreeSlot{freeList};
        ASAN_POISON_MEMORY_REGION(node, sizeof(T));
        --used;
    }

    // Starts fetching the whole storage into cache. Lists' nodes lie wherever the pool had
    // room, so a walk over a long list would otherwise wait for memory at every node.
    void prefetch() const {
        constexpr std::size_t kLine = 64;
        for (int chunk = 0; chunk < chunkCount; ++chunk) {
            const auto* first = reinterpret_cast<const char*>(chunks[chunk].get());
            for (std::size_t at = 0; at < chunkSizes[chunk] * sizeof(T); at += kLine)
                __builtin_prefetch(first + at);
        }
    }

    // Nodes allocated so far, in use or free.
    std::size_t capacity() const { return allocated; }

    // Nodes handed out and not yet given back.
    std::size_t inUse() const { return used; }

  private:
    // What a free slot holds instead of a node.
    struct FreeSlot {
        FreeSlot* next;
    };
    static_assert(sizeof(T) >= sizeof(FreeSlot) && alignof(T) >= alignof(FreeSlot),
                  "a free slot holds the free list's link");

    struct Slot {
        alignas(T) std::byte bytes[sizeof(T)];
    };

    bool grow() {
        // Each chunk doubles the pool, so a burst of any size costs few allocations.
        const std::size_t size = allocated == 0 ? firstChunk : allocated;
        if (chunkCount == kMaxChunks) return false;
        std::unique_ptr<Slot[]> chunk(new (std::nothrow) Slot[size]);
        if (!chunk) return false;
        // Threaded first to last, so a fresh chunk hands out its last slot first.
        for (std::size_t i = 0; i < size; ++i) {
            freeList = ::new (static_cast<void*>(&chunk[i])) FreeSlot{freeList};
            ASAN_POISON_MEMORY_REGION(&chunk[i], sizeof(T));
        }
        chunkSizes[chunkCount] = size;
        chunks[chunkCount++] = std::move(chunk);
        allocated += size;
        return true;
    }

    // Doubling from the first chunk, 40 chunks are more than any memory could hold.
    static constexpr int kMaxChunks = 40;
    std::unique_ptr<Slot[]> chunks[kMaxChunks];
    std::size_t chunkSizes[kMaxChunks] = {};
    std::size_t firstChunk;
    int chunkCount = 0;
    FreeSlot* freeList = nullptr;
    std::size_t allocated = 0;
    std::size_t used = 0;
};
