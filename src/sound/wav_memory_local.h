#pragma once
// A WAV file read into memory by freealut, freed when it goes out of scope.
#include <AL/alut.h>

#include <cstddef>

class WavMemory {
  public:
    // Reads the file and, when it passes the WAV check, has freealut decode it; loaded() is
    // false otherwise, and fault() says why. Needs freealut initialised.
    explicit WavMemory(const char* fileName);
    // As above, for a file's bytes already in memory.
    WavMemory(const unsigned char* image, std::size_t length);
    ~WavMemory();
    WavMemory(const WavMemory&) = delete;
    WavMemory& operator=(const WavMemory&) = delete;

    bool loaded() const { return data != nullptr; }

    // Why nothing was loaded, a fixed text; null when loaded.
    const char* fault() const { return problem; }

    // Copies the samples into an OpenAL buffer; does nothing when nothing was loaded.
    void fill(ALuint buffer) const;

  private:
    void decode(const unsigned char* image, std::size_t length);

    ALvoid* data = nullptr;
    ALenum format = 0;
    ALsizei size = 0;
    ALfloat frequency = 0;
    const char* problem = nullptr;
};
