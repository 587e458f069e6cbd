#include "core/command_line.h"
#include "core/core.h"
#include "core/game_folder.h"

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once; --version and --help start nothing.
int main(int argc, char** argv) {
    const Command command = readCommandLine(argc, argv);
    if (command != Command::kPlay) return answerCommand(command, argc, argv);
    if (!enterGameFolder()) return 1;
    Core core;
    return core.run();
}
