#pragma once
// The settings file on disk: found in the XDG folders, read with a size cap, and written
// whole to a new file that is then renamed over the old one, so that a crash or a full disk
// never leaves half a file behind.
#include <cstddef>
#include <filesystem>
#include <string>

// No settings file is read past this many bytes.
inline constexpr std::size_t kSettingsFileCap = 64 * 1024;

// $XDG_CONFIG_HOME/quorvish-blemp/settings.ini, or $HOME/.config/quorvish-blemp/settings.ini
// when that is unset, empty or relative. Empty when neither gives an absolute folder.
std::filesystem::path defaultSettingsPath(const char* xdgConfigHome, const char* home);

struct SettingsText {
    enum Status { kRead, kMissing, kUnreadable } status = kMissing;
    std::string text;   // what was read, at most kSettingsFileCap bytes
    std::string reason; // why it could not be read, for kUnreadable
    bool cut = false;   // the file was longer than the cap
};

// Reads the file: kMissing when nothing is there, kUnreadable for a folder, a link to
// nowhere, a device or a file that cannot be opened.
SettingsText readSettingsText(const std::filesystem::path& path);

// Writes the text to a new file beside path (named for this process), flushed to the disk, and
// renames it over path, making the folder when missing. False, with the reason set and path as it
// was, when any step fails.
bool writeFileAtomically(const std::filesystem::path& path, const std::string& text,
                         std::string& reason);
