#include "sound/sound_manager.h"

#include "platform/log.h"
#include "sound/prepared_sound_local.h"
#include "sound/wav_memory_local.h"

#include <AL/al.h>
#include <AL/alut.h>

#include <cstdio>

namespace {

// Made on first use and never destroyed: the game starts while globals are being built and
// shuts down while they are being destroyed, and must find the table both times.
SoundManager& table() {
    static SoundManager* const manager = new SoundManager();
    return *manager;
}

// The volume of each category, which outlives the table: the settings are made before the
// device is opened.
struct Mixing {
    std::vector<std::string> musicFiles;
    float gains[2] = {1.0f, 1.0f}; // effects, music
    bool deviceWanted = true;
};

Mixing& mixing() {
    static Mixing* const state = new Mixing();
    return *state;
}

float gainOf(const SoundRecord& record) {
    return mixing().gains[record.music ? 1 : 0];
}

std::string libraryString(ALenum name) {
    const ALchar* text = alGetString(name);
    return text != nullptr ? std::string(text) : std::string();
}

// The record that a call may touch, or null for a handle outside the table or no device.
const SoundRecord* playable(int handle) {
    if (!table().deviceOpen || handle < 0 || handle >= table().count) return nullptr;
    return &table().sounds[static_cast<std::size_t>(handle)];
}

// True when the file opens; without a device nothing else reads it, but a missing file is
// still worth a line.
bool fileOpens(const char* fileName) {
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// Why the file gave no samples (it failed the WAV check or freealut's reader), or null.
const char* fillRecord(SoundRecord& record) {
    // A sound read ahead comes with its buffer filled.
    ALuint buffer = takePrepared(record.path.c_str());
    const char* fault = nullptr;
    if (buffer == 0) {
        alGenBuffers(1, &buffer);
        // An unreadable file leaves the buffer empty: its source plays silence, the handle works.
        const WavMemory wav(record.path.c_str());
        wav.fill(buffer);
        fault = wav.fault();
    }
    ALuint source = 0;
    alGenSources(1, &source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(source, AL_LOOPING, AL_FALSE);
    if (gainOf(record) != 1.0f) alSourcef(source, AL_GAIN, gainOf(record));
    record.buffer = buffer;
    record.source = source;
    return fault;
}

ALint sourceState(int handle) {
    ALint state = AL_STOPPED;
    if (const SoundRecord* record = playable(handle))
        alGetSourcei(record->source, AL_SOURCE_STATE, &state);
    return state;
}

} // namespace

void initSound() {
    if (table().deviceOpen) shutdownSound();
    table() = SoundManager{};
    table().description = "Sound Manager System Layer (SMSL)";
    if (!mixing().deviceWanted) {
        logMessage("Sound Manager: sound is off for this run, no device is opened");
        return;
    }
    // Without a device the game still runs, silently; this line tells the player why.
    if (alutInit(nullptr, nullptr) == AL_FALSE) {
        logError("Sound Manager: no sound device, the game runs silent (%s)",
                 alutGetErrorString(alutGetError()));
        return;
    }
    table().deviceOpen = true;
    table().vendor = libraryString(AL_VENDOR);
    table().version = libraryString(AL_VERSION);
    table().extensions = libraryString(AL_EXTENSIONS);
}

int loadSound(const char* fileName) {
    const int handle = table().count;
    SoundRecord record;
    record.path = fileName != nullptr ? fileName : "";
    for (const std::string& music : mixing().musicFiles)
        record.music = record.music || music == record.path;
    // A record with a device always gets its source, readable file or not.
    const char* fault = table().deviceOpen               ? fillRecord(record)
                        : fileOpens(record.path.c_str()) ? nullptr
                                                         : "cannot be read";
    if (fault != nullptr) logError("Cannot read the sound %s (%s)", record.path.c_str(), fault);
    table().sounds.push_back(std::move(record));
    table().count = static_cast<int>(table().sounds.size());
    return handle;
}

void prepareSounds(const std::vector<std::string>& fileNames) {
    if (table().deviceOpen) startPreparing(fileNames);
}

void awaitPreparedSounds() {
    finishPreparing();
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
    for (int handle = 0; handle < table().count; ++handle)
        stopSound(handle);
}

void shutdownSound() {
    stopAllSounds();
    if (table().deviceOpen) {
        dropPrepared();
        // A buffer still attached to a source cannot be deleted, so each source lets go first.
        for (const SoundRecord& record : table().sounds) {
            alSourcei(record.source, AL_BUFFER, 0);
            alDeleteBuffers(1, &record.buffer);
        }
    }
    table().sounds.clear();
    table().sounds.shrink_to_fit();
    table().count = 0;
    // The sources are not deleted one by one: they go with the context.
    if (table().deviceOpen) alutExit();
    table().deviceOpen = false;
}

bool soundPlaying(int handle) {
    return sourceState(handle) == AL_PLAYING;
}

void pauseAllSounds() {
    for (int handle = 0; handle < table().count; ++handle)
        if (sourceState(handle) == AL_PLAYING) alSourcePause(table().sounds[handle].source);
}

void resumeAllSounds() {
    // The game itself never pauses a sound, so every paused source was paused above.
    for (int handle = 0; handle < table().count; ++handle)
        if (sourceState(handle) == AL_PAUSED) alSourcePlay(table().sounds[handle].source);
}

const SoundManager& soundManager() {
    return table();
}

void setMusicFiles(const std::vector<std::string>& fileNames) {
    mixing().musicFiles = fileNames;
}

void setCategoryGain(SoundCategory category, float gain) {
    const bool music = category == SoundCategory::kMusic;
    mixing().gains[music ? 1 : 0] = gain < 0.0f ? 0.0f : gain > 1.0f ? 1.0f : gain;
    for (int handle = 0; handle < table().count; ++handle)
        if (const SoundRecord* record = playable(handle); record && record->music == music)
            alSourcef(record->source, AL_GAIN, gainOf(*record));
}

void setSoundDeviceWanted(bool wanted) {
    mixing().deviceWanted = wanted;
}
