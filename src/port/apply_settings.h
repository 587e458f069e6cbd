#pragma once
// Puts the settings into effect: the volume of music and effects, the key and pad tables, the
// pad's dead zone and the picture's scaling. Called at start and after every change.
#include "port/settings.h"

// What the command line changes for this run only.
struct RunOverrides {
    bool noMusic = false; // music at 0 whatever the settings say
};

void applySettings(const Settings& settings, const RunOverrides& overrides);

// The window the game starts in, set before the window is made.
void applyStartWindow(const Settings& settings);
