#pragma once
// A WAV file read into memory by freealut, freed when it goes out of scope.
#include <AL/alut.h>

class WavMemory {
  public:
    // Reads the file; loaded() is false when freealut cannot read it (missing, not a WAV,
    // cut short). Needs freealut initialised.
    explicit WavMemory(const char* fileName);
    ~WavMemory();
    WavMemory(const WavMemory&) = delete;
    WavMemory& operator=(const WavMemory&) = delete;

    bool loaded() const { return data != nullptr; }

    // Copies the samples into an OpenAL buffer; does nothing when nothing was loaded.
    void fill(ALuint buffer) const;

  private:
    ALvoid* data = nullptr;
    ALenum format = 0;
    ALsizei size = 0;
    ALfloat frequency = 0;
};
