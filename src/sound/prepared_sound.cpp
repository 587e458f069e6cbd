#include "sound/prepared_sound_local.h"

#include "sound/wav_memory_local.h"

#include <string>
#include <thread>

namespace {

struct PreparedSound {
    std::string path;
    ALuint buffer = 0;
    bool filled = false; // written by the reader, read after joining it
    std::thread reader;
};

// Made on first use and never destroyed, like the sound table, which outlives the globals.
PreparedSound& prepared() {
    static PreparedSound* const sound = new PreparedSound();
    return *sound;
}

void finishReading() {
    if (prepared().reader.joinable()) prepared().reader.join();
}

} // namespace

void startPreparing(const char* fileName) {
    dropPrepared();
    PreparedSound& sound = prepared();
    sound.path = fileName;
    alGenBuffers(1, &sound.buffer);
    // OpenAL Soft takes buffer data from any thread; the reader touches nothing else.
    sound.reader = std::thread([&sound] {
        const WavMemory wav(sound.path.c_str());
        wav.fill(sound.buffer);
        sound.filled = wav.loaded();
    });
}

ALuint takePrepared(const char* fileName) {
    PreparedSound& sound = prepared();
    if (sound.buffer == 0 || sound.path != fileName) return 0;
    finishReading();
    if (!sound.filled) {
        dropPrepared();
        return 0;
    }
    const ALuint buffer = sound.buffer;
    sound = PreparedSound{};
    return buffer;
}

void dropPrepared() {
    finishReading();
    if (prepared().buffer != 0) alDeleteBuffers(1, &prepared().buffer);
    prepared() = PreparedSound{};
}
