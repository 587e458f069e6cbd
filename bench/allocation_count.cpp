#include "allocation_count.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> counted{0};

void note() {
    if (counting.load(std::memory_order_relaxed)) counted.fetch_add(1, std::memory_order_relaxed);
}

// The functions in place before, which the counting ones hand every request to.
SDL_malloc_func previousMalloc = nullptr;
SDL_calloc_func previousCalloc = nullptr;
SDL_realloc_func previousRealloc = nullptr;
SDL_free_func previousFree = nullptr;

void* countedMalloc(std::size_t size) {
    note();
    return previousMalloc(size);
}

void* countedCalloc(std::size_t count, std::size_t size) {
    note();
    return previousCalloc(count, size);
}

void* countedRealloc(void* memory, std::size_t size) {
    note();
    return previousRealloc(memory, size);
}

} // namespace

void countSdlAllocations() {
    SDL_GetMemoryFunctions(&previousMalloc, &previousCalloc, &previousRealloc, &previousFree);
    SDL_SetMemoryFunctions(countedMalloc, countedCalloc, countedRealloc, previousFree);
}

void countAllocations(bool on) {
    counting = on;
}

long allocationCount() {
    return counted;
}

void* operator new(std::size_t size) {
    note();
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
