#pragma once
// The port's part of a run: the settings read when the platform starts, kept up to date as
// the player changes them, and the settings screen behind F1.
#include "port/play_options.h"

#include <filesystem>

// Hooks the port into the services before the Core is built. settingsPath is the file to
// read and write; empty for none (the defaults, nothing written).
void preparePort(const PlayOptions& options, const std::filesystem::path& settingsPath);

// The settings file of a run: --config's file (relative to the folder the game was started
// from), or the one in the XDG folders.
std::filesystem::path settingsPathFor(const PlayOptions& options,
                                      const std::filesystem::path& startFolder);
