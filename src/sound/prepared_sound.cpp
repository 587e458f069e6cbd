#include "sound/prepared_sound_local.h"

#include "sound/wav_memory_local.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

struct PreparedSound {
    std::string path;
    ALuint buffer = 0; // 0 once taken
    bool read = false; // the reader is done with it
    bool filled = false;
};

struct Preparation {
    std::vector<PreparedSound> sounds; // fixed while the reader runs
    std::mutex lock;                   // guards read and filled
    std::condition_variable progress;
    std::thread reader;
};

// Made on first use and never destroyed, like the sound table: an exit() while the reader
// runs would otherwise destroy a running thread, which aborts.
Preparation& preparation() {
    static Preparation* const instance = new Preparation();
    return *instance;
}

// OpenAL Soft takes buffer data from any thread; the reader touches nothing else.
void readAll() {
    Preparation& ahead = preparation();
    for (PreparedSound& sound : ahead.sounds) {
        const WavMemory wav(sound.path.c_str());
        wav.fill(sound.buffer);
        {
            std::lock_guard<std::mutex> guard(ahead.lock);
            sound.filled = wav.loaded();
            sound.read = true;
        }
        ahead.progress.notify_all();
    }
}

} // namespace

void startPreparing(const std::vector<std::string>& fileNames) {
    dropPrepared();
    Preparation& ahead = preparation();
    for (const std::string& name : fileNames) {
        PreparedSound sound;
        sound.path = name;
        alGenBuffers(1, &sound.buffer);
        ahead.sounds.push_back(sound);
    }
    ahead.reader = std::thread(readAll);
}

ALuint takePrepared(const char* fileName) {
    Preparation& ahead = preparation();
    for (PreparedSound& sound : ahead.sounds) {
        if (sound.buffer == 0 || sound.path != fileName) continue;
        std::unique_lock<std::mutex> guard(ahead.lock);
        ahead.progress.wait(guard, [&sound] { return sound.read; });
        ALuint buffer = sound.buffer;
        sound.buffer = 0;
        if (!sound.filled) {
            alDeleteBuffers(1, &buffer);
            buffer = 0;
        }
        return buffer;
    }
    return 0;
}

void finishPreparing() {
    if (preparation().reader.joinable()) preparation().reader.join();
}

void dropPrepared() {
    Preparation& ahead = preparation();
    finishPreparing();
    for (const PreparedSound& sound : ahead.sounds)
        if (sound.buffer != 0) alDeleteBuffers(1, &sound.buffer);
    ahead.sounds.clear();
}
