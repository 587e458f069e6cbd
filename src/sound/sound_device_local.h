#pragma once
// The sound device and its context, opened and closed on helper threads: a sound server that
// has frozen answers neither, and must never hold the game.
#include <AL/alc.h>

#include <chrono>

struct SoundDevice {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr; // made on device, not yet current
};

// Starts opening the default device in the background, trying again about once a second
// until one opens; a device that opens is kept for takeOpenedDevice.
void startOpeningDevice();

// The device opened in the background, handed over once; none while nothing has opened.
SoundDevice takeOpenedDevice();

// As takeOpenedDevice, waiting up to limit for the attempt under way to end.
SoundDevice awaitOpenedDevice(std::chrono::milliseconds limit);

// Stops the background opening; a device that opens after this is closed again.
void stopOpeningDevice();

// Destroys the context and closes the device on a helper thread, without waiting for it.
void closeDeviceInBackground(SoundDevice sound);

// Waits up to limit for every helper thread to leave the sound library. False when one is
// still inside (a frozen server): the library must then not be unloaded under it.
bool awaitDeviceHelpers(std::chrono::milliseconds limit);
