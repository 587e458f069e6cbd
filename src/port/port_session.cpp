#include "port/port_session.h"

#include "core/services.h"
#include "platform/window.h"
#include "port/apply_settings.h"
#include "port/settings_file.h"
#include "port/settings_screen.h"
#include "port/settings_store.h"
#include "sound/sound_manager.h"

#include <cstdlib>

namespace {

struct Session {
    PlayOptions options;
    std::filesystem::path path;
};

Session& session() {
    static Session* const instance = new Session();
    return *instance;
}

void settingsChanged(const Settings& settings) {
    applySettings(settings, RunOverrides{session().options.noMusic});
}

// The player switched the window mode, resized or moved the window: remembered.
void placementChanged(const WindowPlacement& placement) {
    Settings next = currentSettings();
    // Full-screen keeps the window mode's size and place for the next switch; the monitor
    // stays the one the player chose to start on.
    if (placement.fullscreen) {
        next.window.fullscreen = true;
    } else {
        const int display = next.window.display;
        next.window = placement;
        next.window.display = display;
    }
    changeSettings(next);
}

void startPort() {
    const PlayOptions& options = session().options;
    loadSettings(session().path, options.resetSettings);
    if (options.window || options.fullscreen) {
        Settings next = currentSettings();
        next.window.fullscreen = options.fullscreen;
        changeSettings(next);
    }
    settingsChanged(currentSettings());
    applyStartWindow(currentSettings());
    setSoundDeviceWanted(!options.noSound);
    setSettingsListener(settingsChanged);
    setPlacementListener(placementChanged);
}

} // namespace

void preparePort(const PlayOptions& options, const std::filesystem::path& settingsPath) {
    session() = Session{options, settingsPath};
    setPortHooks(startPort, runSettingsScreen);
}

std::filesystem::path settingsPathFor(const PlayOptions& options,
                                      const std::filesystem::path& startFolder) {
    if (!options.config.empty()) return startFolder / options.config;
    return defaultSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}
