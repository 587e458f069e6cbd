// A sound file of any bytes, loaded as the game loads it: the WAV check, freealut's reader
// and an OpenAL buffer filled from it, on OpenAL Soft's null device.
#include "sound/sound_manager.h"
#include "sound/wav_memory_local.h"

#include <AL/al.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("ALSOFT_DRIVERS", "null", 1);
    initSound();
    if (!soundManager().deviceOpen) std::abort(); // the real load needs a device
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WavMemory wav(data, size);
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    wav.fill(buffer);
    alDeleteBuffers(1, &buffer);
    return 0;
}
