#include "core/core.h"
#include "port/command_line.h"
#include "port/game_folder.h"
#include "port/play_options.h"
#include "port/port_session.h"

#include <filesystem>
#include <system_error>

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once; --version and --help start nothing.
int main(int argc, char** argv) {
    const Command command = readCommandLine(argc, argv);
    if (command != Command::kPlay) return answerCommand(command, argc, argv);
    std::string bad;
    const std::optional<PlayOptions> options = readPlayOptions(argc, argv, bad);
    if (!options) return reportBadArgument(bad.c_str());
    // --config names its file from where the game was started, not from its game folder.
    std::error_code ec;
    const std::filesystem::path startFolder = std::filesystem::current_path(ec);
    if (!enterGameFolder()) return 1;
    preparePort(*options, settingsPathFor(*options, startFolder));
    Core core;
    return core.run();
}
