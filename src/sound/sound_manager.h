#pragma once
// The sound table: every sound is one WAV file held by its own buffer and played by its own
// source, named by a handle. No positioning or mixing of our own; the one volume control is a
// gain per category, music or effects, which the player's settings choose.
#include <cstdint>
#include <string>
#include <vector>

// One loaded sound. The names are the sound library's; 0 means none was made (no device).
struct SoundRecord {
    std::uint32_t source = 0;
    std::uint32_t buffer = 0;
    std::string path;     // as given to loadSound, for dumps and to read again
    bool looping = false; // as last set by setSoundLoop
    bool resume = false;  // to start again when a device comes back
    bool music = false;   // of the music category, by its path
};

struct SoundManager {
    std::string description; // "Sound Manager System Layer (SMSL)"
    std::string vendor;      // the sound library's identification, taken by initSound;
    std::string version;     // empty when no device could be opened
    std::string extensions;
    std::vector<SoundRecord> sounds; // in load order: sounds[handle]
    int count = 0;                   // number of sounds, also the next handle
    bool deviceOpen = false;         // false: every operation keeps the table but stays silent
};

// Opens the default sound device, waiting for it at most 2 s. Without one it logs one error
// line and the layer runs on silently: handles are still given out and every call is
// harmless, and updateSound picks a device up when one can be opened.
void initSound();

// Once a pass; about once a second it looks at the device, never waiting on it. A device
// that went away (the sound server stopped) logs "Sound Manager: the sound device is gone,
// the game runs silent" and is opened again in the background. When one is open again, every
// sound is read again from its file under its old handle, with its looping flag, what
// played then and every loop started since are started again, and "Sound Manager: the
// sound device is back" is logged.
void updateSound();

// Loads a WAV file into a new buffer with its own source, looping off. Always returns the
// next handle (0, 1, 2, ... in load order); a file that cannot be read gives a sound that
// plays silence.
int loadSound(const char* fileName);

// Reads WAV files into buffers in the background, one after another, so that a later
// loadSound of one of these paths takes its ready buffer instead of reading the file then.
// Gives out no handle and changes nothing in the table; without a device it does nothing.
void prepareSounds(const std::vector<std::string>& fileNames);

// Waits until every sound given to prepareSounds has been read into its buffer.
void awaitPreparedSounds();

// Starts the sound, or restarts it from the beginning when it is already playing.
// A handle outside 0 to count - 1 does nothing, as in the three calls below.
void playSound(int handle);

void stopSound(int handle);

// on = 1 loops, on = 0 plays once; any other value changes nothing. Takes effect at once,
// also on a sound that is playing.
void setSoundLoop(int handle, int on);

// Stops every loaded sound.
void stopAllSounds();

// Pauses every playing sound where it is, while the player is away from the game.
void pauseAllSounds();

// Plays on every paused sound from where it was paused.
void resumeAllSounds();

// Stops everything, frees the samples, forgets every handle and closes the device, waiting
// for the close at most 2 s.
void shutdownSound();

// True when a shutdown left a close or an open that did not return (a frozen sound server):
// the process must then end without running the library's own clean-up, which would wait on
// the server again.
bool soundLeftBehind();

// True while the sound's source is playing (false for a bad handle or without a device).
bool soundPlaying(int handle);

// The table as it stands, read-only, for dumps and tests.
const SoundManager& soundManager();

enum class SoundCategory { kEffects, kMusic };

// The paths, as given to loadSound, of the sounds that are music; every other sound is an
// effect. Takes effect for sounds loaded from now on.
void setMusicFiles(const std::vector<std::string>& fileNames);

// The gain of every sound of the category, 0 to 1; 1, the default, plays each file as it is.
// Heard at once, also on sounds already playing, and kept for sounds loaded later.
void setCategoryGain(SoundCategory category, float gain);

// Off: initSound opens no device at all, and the layer runs silent as without one.
void setSoundDeviceWanted(bool wanted);
