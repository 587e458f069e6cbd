#include "core/command_line.h"
#include "core/core.h"
#include "core/game_folder.h"
#include "sound/sound_manager.h"

#include <cstdio>
#include <cstdlib>

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once; --version and --help start nothing.
int main(int argc, char** argv) {
    const Command command = readCommandLine(argc, argv);
    if (command != Command::kPlay) return answerCommand(command, argc, argv);
    if (!enterGameFolder()) return 1;
    int code = 0;
    {
        Core core;
        code = core.run();
    }
    // A frozen sound server still holds a helper thread inside the sound library, whose own
    // clean-up at exit would wait on it again: the process ends here, with the same code.
    if (soundLeftBehind()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
