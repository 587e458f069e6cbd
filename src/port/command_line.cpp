#include "port/command_line.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: quorvish-blemp [--help | --version] [--window | --fullscreen] [--nosound] "
    "[--nomusic] [--config FILE] [--reset-settings] [--record FILE | --playdemo FILE]";

constexpr const char* kHelp =
    "A top-down action game: one hero, sixty enemies, a walled arena. Run with no argument\n"
    "to play, full-screen.\n"
    "\n"
    "  --window          play in a window, this time and from now on\n"
    "  --fullscreen      play full-screen, this time and from now on\n"
    "  --nosound         open no sound device: the game runs silent\n"
    "  --nomusic         no music this time (the effects play on)\n"
    "  --config FILE     read and write the settings in FILE\n"
    "  --reset-settings  write every setting back to its default\n"
    "  --record FILE     play as usual and record the game as a demo into FILE\n"
    "  --playdemo FILE   play a demo back in the window (Escape ends it) and say whether it\n"
    "                    played exactly as recorded: exit code 0 if so, 1 if not, 2 for a\n"
    "                    file that is not a demo of this version\n"
    "\n"
    "Controls: Up/Down walk (menu: choose), Left/Right turn, Space fire,\n"
    "1/2 handgun/rocket launcher, Enter take a menu entry, Escape start the game from the\n"
    "intro or quit; F1 the settings screen, Alt+Enter or F11 full-screen or a window, F12 a\n"
    "screenshot in $XDG_PICTURES_DIR or ~/Pictures. A gamepad: d-pad or left stick to walk\n"
    "and turn, A fire, X/Y or the shoulders the weapons, Start take a menu entry, Back quit,\n"
    "the guide button the settings screen. The game pauses while its window is minimised or\n"
    "another window has the focus.\n"
    "\n"
    "The settings (volume, window, keys, pad) are kept in\n"
    "$XDG_CONFIG_HOME/quorvish-blemp/settings.ini (by default\n"
    "~/.config/quorvish-blemp/settings.ini), a plain file that may be edited.\n"
    "\n"
    "Its images/ and sounds/ are read from the working folder, the binary's folder or\n"
    "the install's " QUORVISH_DATA_FROM_BINARY " beside the binary, the first that holds\n"
    "them. The log, sys_debug.log, is written in the working folder when that is the game's\n"
    "folder, and otherwise in $XDG_STATE_HOME/quorvish-blemp/ (by default\n"
    "~/.local/state/quorvish-blemp/).\n";

} // namespace

Command readCommandLine(int argc, const char* const* argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return Command::kVersion;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return Command::kHelp;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--help") == 0)
            return Command::kUsage;
    return Command::kPlay;
}

int answerCommand(Command command, int argc, const char* const* argv) {
    switch (command) {
    case Command::kVersion:
        std::printf("%s\n", versionLine());
        return 0;
    case Command::kHelp:
        std::printf("%s\n%s\n\n%s", versionLine(), kUsage, kHelp);
        return 0;
    case Command::kPlay:
    case Command::kUsage:
        break;
    }
    return reportBadArgument(argc > 1 ? argv[1] : "");
}

int reportBadArgument(const char* what) {
    std::fprintf(stderr, "quorvish-blemp: unexpected argument '%s'; %s\n", what, kUsage);
    return 2;
}

const char* versionLine() {
    return "quorvish-blemp " QUORVISH_VERSION;
}

const char* gameVersion() {
    return QUORVISH_VERSION;
}
