#include "sound/wav_memory_local.h"

#include <cstdlib>

WavMemory::WavMemory(const char* fileName) {
    if (fileName != nullptr) data = alutLoadMemoryFromFile(fileName, &format, &size, &frequency);
}

// freealut hands out memory from malloc and leaves freeing it to us.
WavMemory::~WavMemory() {
    std::free(data);
}

void WavMemory::fill(ALuint buffer) const {
    if (data == nullptr) return;
    alBufferData(buffer, format, data, size, static_cast<ALsizei>(frequency));
}
