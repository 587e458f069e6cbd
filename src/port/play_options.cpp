#include "port/play_options.h"

#include <string_view>

std::optional<PlayOptions> readPlayOptions(int argc, const char* const* argv, std::string& bad) {
    PlayOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--window") {
            options.window = true;
        } else if (option == "--fullscreen") {
            options.fullscreen = true;
        } else if (option == "--nosound") {
            options.noSound = true;
        } else if (option == "--nomusic") {
            options.noMusic = true;
        } else if (option == "--reset-settings") {
            options.resetSettings = true;
        } else if (option == "--config" && i + 1 < argc && argv[i + 1][0] != '\0') {
            options.config = argv[++i];
        } else {
            bad = option == "--config" ? "--config needs a file" : std::string(option);
            return std::nullopt;
        }
    }
    if (options.window && options.fullscreen) {
        bad = "--window with --fullscreen";
        return std::nullopt;
    }
    return options;
}
