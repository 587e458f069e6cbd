#pragma once
// The settings of this run and their file: read once at start, written the first time and
// whenever a setting changes, never otherwise.
#include "port/settings.h"

#include <filesystem>

// Reads the file at path (empty: no file, defaults). A missing file is written with every
// default; reset writes the defaults over whatever is there, unknown keys kept. Every fault
// is one log line, and the game goes on with what it has.
void loadSettings(const std::filesystem::path& path, bool reset);

// The settings as the file holds them (or would, had it been written).
const Settings& currentSettings();

// Takes the new settings; when they differ, writes the file (one log line when that fails)
// and tells the listener. True when anything changed.
bool changeSettings(const Settings& next);

// Called with the settings after every change; one listener, null for none.
void setSettingsListener(void (*listener)(const Settings&));
