#include "game/effect_pool.h"

#include <new>

namespace {
constexpr std::size_t kFirstChunk = 256;
}

Effect* EffectPool::acquire(const Effect& values) {
    if (freeList == nullptr && !grow()) return nullptr;
    Effect* node = freeList;
    freeList = node->next;
    *node = values;
    node->next = nullptr;
    ++used;
    return node;
}

void EffectPool::release(Effect* node) {
    node->next = freeList;
    freeList = node;
    --used;
}

void EffectPool::prefetch() const {
    constexpr std::size_t kLine = 64;
    for (int chunk = 0; chunk < chunkCount; ++chunk) {
        const char* first = reinterpret_cast<const char*>(chunks[chunk].get());
        for (std::size_t at = 0; at < chunkSizes[chunk] * sizeof(Effect); at += kLine)
            __builtin_prefetch(first + at);
    }
}

bool EffectPool::grow() {
    // Each chunk doubles the pool, so a burst of any size costs few allocations.
    std::size_t size = allocated == 0 ? kFirstChunk : allocated;
    if (chunkCount == kMaxChunks) return false;
    std::unique_ptr<Effect[]> chunk(new (std::nothrow) Effect[size]);
    if (!chunk) return false;
    for (std::size_t i = 0; i < size; ++i) {
        chunk[i].next = freeList;
        freeList = &chunk[i];
    }
    chunkSizes[chunkCount] = size;
    chunks[chunkCount++] = std::move(chunk);
    allocated += size;
    return true;
}
