#include "platform/sdl_memory_local.h"

#include <SDL.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <mutex>

namespace {

constexpr std::size_t kLargeBlock = std::size_t{1} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr int kMaxMappings = 64;

struct Mapping {
    void* start = nullptr; // what mmap gave
    std::size_t length = 0;
    void* block = nullptr; // the huge-page aligned part handed to SDL
    std::size_t size = 0;  // the size SDL asked for
};

struct LargeBlocks {
    SDL_malloc_func malloc = nullptr; // the allocator in place before, for everything else
    SDL_calloc_func calloc = nullptr;
    SDL_realloc_func realloc = nullptr;
    SDL_free_func free = nullptr;
    std::mutex lock;
    Mapping mappings[kMaxMappings];
};

LargeBlocks& blocks() {
    static LargeBlocks* const instance = new LargeBlocks();
    return *instance;
}

// A huge-page aligned block of the size, or null when no mapping or no table slot is left.
void* mapLarge(std::size_t size) {
    std::lock_guard<std::mutex> guard(blocks().lock);
    Mapping* slot = nullptr;
    for (Mapping& mapping : blocks().mappings)
        if (mapping.block == nullptr && slot == nullptr) slot = &mapping;
    if (slot == nullptr) return nullptr;
    const std::size_t length = size + kHugePage;
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return nullptr;
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    void* block = reinterpret_cast<void*>((address + kHugePage - 1) & ~(kHugePage - 1));
    madvise(block, size, MADV_HUGEPAGE);
    *slot = Mapping{start, length, block, size};
    return block;
}

// The mapping of a block handed out by mapLarge, taken out of the table; false for others.
bool unmapLarge(void* block, Mapping& taken) {
    std::lock_guard<std::mutex> guard(blocks().lock);
    for (Mapping& mapping : blocks().mappings) {
        if (block == nullptr || mapping.block != block) continue;
        taken = mapping;
        mapping = Mapping{};
        return true;
    }
    return false;
}

void* largeMalloc(std::size_t size) {
    void* block = size >= kLargeBlock ? mapLarge(size) : nullptr;
    return block != nullptr ? block : blocks().malloc(size);
}

// Fresh anonymous mappings are zero already.
void* largeCalloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    void* block = count * size >= kLargeBlock ? mapLarge(count * size) : nullptr;
    return block != nullptr ? block : blocks().calloc(count, size);
}

void largeFree(void* block) {
    Mapping mapping;
    if (unmapLarge(block, mapping))
        munmap(mapping.start, mapping.length);
    else
        blocks().free(block);
}

void* largeRealloc(void* block, std::size_t size) {
    Mapping mapping;
    if (!unmapLarge(block, mapping)) return blocks().realloc(block, size);
    void* moved = largeMalloc(size);
    if (moved != nullptr) std::memcpy(moved, block, mapping.size < size ? mapping.size : size);
    munmap(mapping.start, mapping.length);
    return moved;
}

} // namespace

void useLargePagesForSdl() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    LargeBlocks& table = blocks();
    SDL_GetMemoryFunctions(&table.malloc, &table.calloc, &table.realloc, &table.free);
    SDL_SetMemoryFunctions(largeMalloc, largeCalloc, largeRealloc, largeFree);
}
