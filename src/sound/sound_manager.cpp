#include "sound/sound_manager.h"

#include "platform/log.h"
#include "sound/wav_memory_local.h"

#include <AL/al.h>
#include <AL/alut.h>

namespace {

SoundManager manager;

std::string libraryString(ALenum name) {
    const ALchar* text = alGetString(name);
    return text != nullptr ? std::string(text) : std::string();
}

// The record that a call may touch, or null for a handle outside the table or no device.
const SoundRecord* playable(int handle) {
    if (!manager.deviceOpen || handle < 0 || handle >= manager.count) return nullptr;
    return &manager.sounds[static_cast<std::size_t>(handle)];
}

void fillRecord(SoundRecord& record) {
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    // An unreadable file leaves the buffer empty: its source plays silence, the handle works.
    WavMemory(record.path.c_str()).fill(buffer);
    ALuint source = 0;
    alGenSources(1, &source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(source, AL_LOOPING, AL_FALSE);
    record.buffer = buffer;
    record.source = source;
}

} // namespace

void initSound() {
    if (manager.deviceOpen) shutdownSound();
    manager = SoundManager{};
    manager.description = "Sound Manager System Layer (SMSL)";
    // Without a device the game still runs, silently; this line tells the player why.
    if (alutInit(nullptr, nullptr) == AL_FALSE) {
        logError("Sound Manager: no sound device, the game runs silent (%s)",
                 alutGetErrorString(alutGetError()));
        return;
    }
    manager.deviceOpen = true;
    manager.vendor = libraryString(AL_VENDOR);
    manager.version = libraryString(AL_VERSION);
    manager.extensions = libraryString(AL_EXTENSIONS);
}

int loadSound(const char* fileName) {
    const int handle = manager.count;
    SoundRecord record;
    record.path = fileName != nullptr ? fileName : "";
    if (manager.deviceOpen) fillRecord(record);
    manager.sounds.push_back(std::move(record));
    manager.count = static_cast<int>(manager.sounds.size());
    return handle;
}

void playSound(int handle) {
    if (const SoundRecord* record = playable(handle)) alSourcePlay(record->source);
}

void stopSound(int handle) {
    if (const SoundRecord* record = playable(handle)) alSourceStop(record->source);
}

void setSoundLoop(int handle, int on) {
    const SoundRecord* record = playable(handle);
    if (record == nullptr || (on != 0 && on != 1)) return;
    alSourcei(record->source, AL_LOOPING, on == 1 ? AL_TRUE : AL_FALSE);
}

void stopAllSounds() {
    for (int handle = 0; handle < manager.count; ++handle)
        stopSound(handle);
}

void shutdownSound() {
    stopAllSounds();
    if (manager.deviceOpen) {
        // A buffer still attached to a source cannot be deleted, so each source lets go first.
        for (const SoundRecord& record : manager.sounds) {
            alSourcei(record.source, AL_BUFFER, 0);
            alDeleteBuffers(1, &record.buffer);
        }
    }
    manager.sounds.clear();
    manager.sounds.shrink_to_fit();
    manager.count = 0;
    // The sources are not deleted one by one: they go with the context.
    if (manager.deviceOpen) alutExit();
    manager.deviceOpen = false;
}

bool soundPlaying(int handle) {
    const SoundRecord* record = playable(handle);
    if (record == nullptr) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(record->source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

const SoundManager& soundManager() {
    return manager;
}
