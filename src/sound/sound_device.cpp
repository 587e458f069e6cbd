#include "sound/sound_device_local.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr std::chrono::seconds kRetry{1};

struct Helpers {
    std::mutex lock;
    std::condition_variable changed;
    bool wanted = false;  // a device is wanted: the opener keeps trying
    bool opening = false; // the opener thread is running
    int closing = 0;      // closer threads still running
    long attempts = 0;    // opening attempts finished, successful or not
    SoundDevice opened;   // waiting to be taken
};

// Made on first use and never destroyed: a helper stuck in the library may outlive main.
Helpers& helpers() {
    static Helpers* const instance = new Helpers();
    return *instance;
}

SoundDevice openDefault() {
    SoundDevice sound;
    sound.device = alcOpenDevice(nullptr);
    if (sound.device == nullptr) return sound;
    sound.context = alcCreateContext(sound.device, nullptr);
    if (sound.context != nullptr) return sound;
    alcCloseDevice(sound.device);
    return SoundDevice{};
}

void closeNow(SoundDevice sound) {
    if (sound.context != nullptr) alcDestroyContext(sound.context);
    if (sound.device != nullptr) alcCloseDevice(sound.device);
}

void openUntilWanted() {
    Helpers& h = helpers();
    std::unique_lock<std::mutex> guard(h.lock);
    while (h.wanted && h.opened.device == nullptr) {
        guard.unlock();
        const SoundDevice sound = openDefault();
        guard.lock();
        ++h.attempts;
        h.changed.notify_all();
        if (sound.device == nullptr) {
            h.changed.wait_for(guard, kRetry, [&h] { return !h.wanted; });
        } else if (h.wanted) {
            h.opened = sound;
        } else {
            // Opened after the game stopped wanting it; the loop asks again after the close.
            guard.unlock();
            closeNow(sound);
            guard.lock();
        }
    }
    h.opening = false;
    h.changed.notify_all();
}

} // namespace

void startOpeningDevice() {
    Helpers& h = helpers();
    std::lock_guard<std::mutex> guard(h.lock);
    h.wanted = true;
    if (h.opening) return;
    h.opening = true;
    std::thread(openUntilWanted).detach();
}

SoundDevice takeOpenedDevice() {
    Helpers& h = helpers();
    std::lock_guard<std::mutex> guard(h.lock);
    const SoundDevice sound = h.opened;
    h.opened = SoundDevice{};
    return sound;
}

SoundDevice awaitOpenedDevice(std::chrono::milliseconds limit) {
    Helpers& h = helpers();
    std::unique_lock<std::mutex> guard(h.lock);
    const long before = h.attempts;
    h.changed.wait_for(guard, limit, [&h, before] {
        return h.opened.device != nullptr || h.attempts > before || !h.opening;
    });
    const SoundDevice sound = h.opened;
    h.opened = SoundDevice{};
    return sound;
}

void stopOpeningDevice() {
    Helpers& h = helpers();
    SoundDevice unused;
    {
        std::lock_guard<std::mutex> guard(h.lock);
        h.wanted = false;
        unused = h.opened;
        h.opened = SoundDevice{};
    }
    h.changed.notify_all();
    closeDeviceInBackground(unused);
}

void closeDeviceInBackground(SoundDevice sound) {
    if (sound.device == nullptr) return;
    Helpers& h = helpers();
    {
        std::lock_guard<std::mutex> guard(h.lock);
        ++h.closing;
    }
    std::thread([sound] {
        closeNow(sound);
        Helpers& h = helpers();
        std::lock_guard<std::mutex> guard(h.lock);
        --h.closing;
        h.changed.notify_all();
    }).detach();
}

bool awaitDeviceHelpers(std::chrono::milliseconds limit) {
    Helpers& h = helpers();
    std::unique_lock<std::mutex> guard(h.lock);
    return h.changed.wait_for(guard, limit, [&h] { return h.closing == 0 && !h.opening; });
}
