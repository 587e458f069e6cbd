#include "core/core.h"
#include "port/command_line.h"
#include "port/demo_player.h"
#include "port/demo_recorder.h"
#include "port/demo_run.h"
#include "port/game_folder.h"
#include "port/play_options.h"
#include "port/port_session.h"
#include "sound/sound_manager.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once. A demo's file and --config's are
// named from the folder the game was started from, so they are opened or placed first.
int play(const PlayOptions& options) {
    std::error_code ec;
    const std::filesystem::path startFolder = std::filesystem::current_path(ec);
    DemoRecorder recorder;
    if (!options.record.empty() && !recorder.open(options.record.c_str())) {
        std::perror(options.record.c_str());
        return 2;
    }
    DemoPlayer player;
    if (!options.playDemo.empty() && !player.open(options.playDemo.c_str())) {
        std::printf("%s\n", player.verdict().c_str());
        return DemoPlayer::kRefused;
    }
    if (!enterGameFolder()) return 1;
    preparePort(options, settingsPathFor(options, startFolder));
    Core core;
    if (!options.record.empty()) return playRecorded(core, recorder);
    if (!options.playDemo.empty()) return playBack(core, player);
    return core.run();
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

// --version and --help start nothing.
int main(int argc, char** argv) {
    const Command command = readCommandLine(argc, argv);
    if (command != Command::kPlay) return answerCommand(command, argc, argv);
    std::string bad;
    const std::optional<PlayOptions> options = readPlayOptions(argc, argv, bad);
    if (!options) return reportBadArgument(bad.c_str());
    return leave(play(*options));
}
