#include "sound/sound_manager.h"

#include "platform/log.h"
#include "sound/prepared_sound_local.h"
#include "sound/sound_device_local.h"
#include "sound/wav_memory_local.h"

#include <AL/al.h>
#include <AL/alext.h>
#include <AL/alut.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

// Opening or closing the device never holds the game longer than this.
constexpr std::chrono::milliseconds kDeviceWait{2000};
// How often a pass looks at the device: whether it is still there, or one is back.
constexpr std::chrono::seconds kDeviceCheck{1};

struct DeviceState {
    SoundDevice current;         // open and current while the table's deviceOpen
    bool alutReady = false;      // freealut set up for reading files, without a context
    bool leftBehind = false;     // a helper thread was still inside the library at shutdown
    Clock::time_point nextCheck; // of updateSound
};

DeviceState& deviceState() {
    static DeviceState* const state = new DeviceState();
    return *state;
}

// Made on first use and never destroyed: when the display goes away, exit() ends the game with
// the device still open, and a destructor would then reach into the sound library while it
// cleans up after itself.
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

// The record of a handle, or null outside the table.
SoundRecord* known(int handle) {
    if (handle < 0 || handle >= table().count) return nullptr;
    return &table().sounds[static_cast<std::size_t>(handle)];
}

// The record that a call may touch, or null for a handle outside the table or no device.
const SoundRecord* playable(int handle) {
    return table().deviceOpen ? known(handle) : nullptr;
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
    alSourcei(source, AL_LOOPING, record.looping ? AL_TRUE : AL_FALSE);
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

void useDevice(SoundDevice sound) {
    deviceState().current = sound;
    alcMakeContextCurrent(sound.context);
    table().deviceOpen = true;
    table().vendor = libraryString(AL_VENDOR);
    table().version = libraryString(AL_VERSION);
    table().extensions = libraryString(AL_EXTENSIONS);
}

bool deviceConnected() {
    ALCdevice* device = deviceState().current.device;
    if (!alcIsExtensionPresent(device, "ALC_EXT_disconnect")) return true;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    return connected != ALC_FALSE;
}

// What plays now is what comes back with a device after a loss.
void noteWhatPlays() {
    for (int handle = 0; handle < table().count; ++handle) {
        ALint state = AL_STOPPED;
        alGetSourcei(table().sounds[handle].source, AL_SOURCE_STATE, &state);
        table().sounds[handle].resume = state == AL_PLAYING || state == AL_PAUSED;
    }
}

// Lets go of the device and of every buffer and source made on it; the table keeps its
// records, looping flags and what played, to make them again on the next device.
void releaseDevice(bool wait) {
    dropPrepared();
    for (SoundRecord& record : table().sounds) {
        alDeleteSources(1, &record.source);
        alDeleteBuffers(1, &record.buffer);
        record.source = record.buffer = 0;
    }
    alcMakeContextCurrent(nullptr);
    closeDeviceInBackground(deviceState().current);
    deviceState().current = SoundDevice{};
    table().deviceOpen = false;
    if (wait && !awaitDeviceHelpers(kDeviceWait)) deviceState().leftBehind = true;
}

void loseDevice() {
    logError("Sound Manager: the sound device is gone, the game runs silent");
    releaseDevice(false);
    startOpeningDevice();
}

// Every sound made again from its file, under its old handle, and what played started again.
void recover(SoundDevice sound) {
    useDevice(sound);
    for (SoundRecord& record : table().sounds)
        if (const char* fault = fillRecord(record))
            logError("Cannot read the sound %s (%s)", record.path.c_str(), fault);
    for (const SoundRecord& record : table().sounds)
        if (record.resume) alSourcePlay(record.source);
    logMessage("Sound Manager: the sound device is back");
}

} // namespace

void initSound() {
    if (table().deviceOpen || deviceState().alutReady) shutdownSound();
    table() = SoundManager{};
    table().description = "Sound Manager System Layer (SMSL)";
    if (!mixing().deviceWanted) {
        logMessage("Sound Manager: sound is off for this run, no device is opened");
        return;
    }
    // freealut only reads the files; the device is ours, opened where a frozen server can
    // hold nothing but a helper thread.
    deviceState().alutReady = alutInitWithoutContext(nullptr, nullptr) == AL_TRUE;
    deviceState().nextCheck = Clock::now() + kDeviceCheck;
    startOpeningDevice();
    const SoundDevice sound = awaitOpenedDevice(kDeviceWait);
    // Without a device the game still runs, silently; this line tells the player why.
    if (sound.device == nullptr || !deviceState().alutReady) {
        closeDeviceInBackground(sound);
        logError("Sound Manager: no sound device, the game runs silent (%s)",
                 !deviceState().alutReady ? alutGetErrorString(alutGetError())
                                          : "none could be opened within 2 s");
        return;
    }
    useDevice(sound);
}

void updateSound() {
    if (!deviceState().alutReady || Clock::now() < deviceState().nextCheck) return;
    deviceState().nextCheck = Clock::now() + kDeviceCheck;
    if (!table().deviceOpen) {
        if (const SoundDevice sound = takeOpenedDevice(); sound.device != nullptr) recover(sound);
    } else if (deviceConnected()) {
        noteWhatPlays();
    } else {
        loseDevice();
    }
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
    SoundRecord* record = known(handle);
    if (record == nullptr) return;
    // Without a device only a loop would still be heard when one comes back.
    record->resume = table().deviceOpen || record->looping;
    if (table().deviceOpen) alSourcePlay(record->source);
}

void stopSound(int handle) {
    SoundRecord* record = known(handle);
    if (record == nullptr) return;
    record->resume = false;
    if (table().deviceOpen) alSourceStop(record->source);
}

void setSoundLoop(int handle, int on) {
    SoundRecord* record = known(handle);
    if (record == nullptr || (on != 0 && on != 1)) return;
    record->looping = on == 1;
    if (table().deviceOpen) alSourcei(record->source, AL_LOOPING, on == 1 ? AL_TRUE : AL_FALSE);
}

void stopAllSounds() {
    for (int handle = 0; handle < table().count; ++handle)
        stopSound(handle);
}

void shutdownSound() {
    stopAllSounds();
    stopOpeningDevice();
    if (table().deviceOpen)
        releaseDevice(true);
    else if (!awaitDeviceHelpers(kDeviceWait))
        deviceState().leftBehind = true;
    table().sounds.clear();
    table().sounds.shrink_to_fit();
    table().count = 0;
    if (deviceState().alutReady) alutExit();
    deviceState().alutReady = false;
}

bool soundLeftBehind() {
    return deviceState().leftBehind;
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
