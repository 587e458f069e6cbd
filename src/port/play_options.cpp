#include "port/play_options.h"

#include <string_view>

namespace {

// The field of an option that takes a file, or null.
std::string* fileOption(PlayOptions& options, std::string_view option) {
    if (option == "--config") return &options.config;
    if (option == "--record") return &options.record;
    if (option == "--playdemo") return &options.playDemo;
    return nullptr;
}

} // namespace

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
        } else if (std::string* file = fileOption(options, option);
                   file && i + 1 < argc && argv[i + 1][0] != '\0') {
            *file = argv[++i];
        } else {
            bad = fileOption(options, option) ? std::string(option) + " needs a file"
                                              : std::string(option);
            return std::nullopt;
        }
    }
    if (options.window && options.fullscreen) {
        bad = "--window with --fullscreen";
        return std::nullopt;
    }
    if (!options.record.empty() && !options.playDemo.empty()) {
        bad = "--record with --playdemo";
        return std::nullopt;
    }
    return options;
}
