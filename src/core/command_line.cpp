#include "core/command_line.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: quorvish-blemp [--record FILE | --playdemo FILE | --help | --version]";

constexpr const char* kHelp =
    "A top-down action game: one hero, sixty enemies, a walled arena. Run with no argument\n"
    "to play, full-screen.\n"
    "\n"
    "Controls: Up/Down walk (menu: choose), Left/Right turn, Space fire,\n"
    "1/2 handgun/rocket launcher, Enter take a menu entry, Escape start the game from the\n"
    "intro or quit; Alt+Enter or F11 full-screen or a window, F12 a screenshot in\n"
    "$XDG_PICTURES_DIR or ~/Pictures. A gamepad: d-pad or left stick to walk and turn, A fire,\n"
    "X/Y or the shoulders the weapons, Start take a menu entry, Back quit. The game pauses\n"
    "while its window is minimised or another window has the focus.\n"
    "\n"
    "--record FILE plays as usual and records the game as a demo into FILE; --playdemo FILE\n"
    "plays a demo back in the window (Escape ends it) and prints whether it played exactly as\n"
    "recorded: exit code 0 if so, 1 if not, 2 for a file that is not a demo of this version.\n"
    "\n"
    "Its images/ and sounds/ are read from the working folder, the binary's folder or\n"
    "the install's " QUORVISH_DATA_FROM_BINARY " beside the binary, the first that holds\n"
    "them. The log, sys_debug.log, is written in the working folder when that is the game's\n"
    "folder, and otherwise in $XDG_STATE_HOME/quorvish-blemp/ (by default\n"
    "~/.local/state/quorvish-blemp/).\n";

} // namespace

Arguments readCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) return {};
    const char* first = argv[1];
    if (argc == 2 && std::strcmp(first, "--version") == 0) return {Command::kVersion};
    if (argc == 2 && std::strcmp(first, "--help") == 0) return {Command::kHelp};
    if (argc == 3 && std::strcmp(first, "--record") == 0) return {Command::kRecord, argv[2]};
    if (argc == 3 && std::strcmp(first, "--playdemo") == 0) return {Command::kPlayDemo, argv[2]};
    return {Command::kUsage};
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
    case Command::kRecord:
    case Command::kPlayDemo:
    case Command::kUsage:
        break;
    }
    const char* first = argc > 1 ? argv[1] : "";
    std::fprintf(stderr, "quorvish-blemp: unexpected argument '%s'; %s\n", first, kUsage);
    return 2;
}

const char* versionLine() {
    return "quorvish-blemp " QUORVISH_VERSION;
}

const char* gameVersion() {
    return QUORVISH_VERSION;
}
