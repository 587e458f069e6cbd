#include "core/command_line.h"
#include "core/core.h"
#include "core/game_folder.h"
#include "port/demo_player.h"
#include "port/demo_recorder.h"
#include "port/demo_run.h"
#include "sound/sound_manager.h"

#include <cstdio>
#include <cstdlib>

namespace {

int play() {
    if (!enterGameFolder()) return 1;
    Core core;
    return core.run();
}

int record(const char* file) {
    DemoRecorder recorder;
    if (!recorder.open(file)) {
        std::perror(file);
        return 2;
    }
    if (!enterGameFolder()) return 1;
    Core core;
    return playRecorded(core, recorder);
}

int playDemo(const char* file) {
    DemoPlayer player;
    if (!player.open(file)) {
        std::printf("%s\n", player.verdict().c_str());
        return DemoPlayer::kRefused;
    }
    if (!enterGameFolder()) return 1;
    Core core;
    return playBack(core, player);
}

// A frozen sound server still holds a helper thread inside the sound library, whose own
// clean-up at exit would wait on it again: the process ends here, with the same code.
int leave(int code) {
    if (soundLeftBehind()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

} // namespace

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once; --version and --help start nothing. A
// demo's file is opened first, in the folder the game was started from.
int main(int argc, char** argv) {
    const Arguments arguments = readCommandLine(argc, argv);
    switch (arguments.command) {
    case Command::kPlay:
        return leave(play());
    case Command::kRecord:
        return leave(record(arguments.demo));
    case Command::kPlayDemo:
        return leave(playDemo(arguments.demo));
    default:
        return answerCommand(arguments.command, argc, argv);
    }
}
