#include "options.h"

#include <charconv>
#include <climits>
#include <cstring>

namespace {

bool parseInt(const std::string& text, int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

bool parseDouble(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// "PASS:FILE" into the map; false when either part is missing or the pass is not a number.
bool parsePassFile(const std::string& text, std::multimap<int, std::string>& into) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon + 1 == text.size()) return false;
    int pass = 0;
    if (!parseInt(text.substr(0, colon), pass) || pass < 1) return false;
    into.emplace(pass, text.substr(colon + 1));
    return true;
}

} // namespace

std::optional<SimOptions> parseOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--stats") {
            options.stats = true;
            continue;
        }
        if (flag == "--no-present") {
            options.present = false;
            continue;
        }
        if (i + 1 >= argc) {
            error = flag + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        bool ok = true;
        if (flag == "--dir") {
            options.dir = value;
        } else if (flag == "--passes") {
            ok = parseInt(value, options.passes) && options.passes >= 0;
        } else if (flag == "--frame-ms") {
            ok = parseDouble(value, options.frameMs) && options.frameMs > 0;
        } else if (flag == "--config") {
            options.config = value;
        } else if (flag == "--keys") {
            options.keysFile = value;
        } else if (flag == "--dump") {
            ok = parsePassFile(value, options.dumps);
        } else if (flag == "--shot") {
            ok = parsePassFile(value, options.shots);
        } else if (flag == "--blit-log") {
            ok = parsePassFile(value, options.blitLogs);
        } else if (flag == "--stats-from") {
            ok = parseInt(value, options.statsFrom) && options.statsFrom >= 1;
        } else if (flag == "--soak") {
            int seed = 0;
            ok = parseInt(value, seed) && seed >= 0;
            options.soakSeed = static_cast<unsigned>(seed);
        } else if (flag == "--replay") {
            options.replayFile = value;
        } else if (flag == "--record") {
            options.recordFile = value;
        } else if (flag == "--kill-enemies") {
            int pass = 0;
            ok = parseInt(value, pass) && pass >= 1;
            options.killPasses.push_back(pass);
        } else {
            error = "unknown option " + flag;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + flag + ": " + value;
            return std::nullopt;
        }
    }
    // A demo's playback runs to its end unless told to stop sooner.
    if (!options.replayFile.empty() && options.passes == 0) options.passes = INT_MAX;
    if (options.dir.empty() || options.passes <= 0) {
        error = "--dir and --passes are required";
        return std::nullopt;
    }
    const bool ownInput = !options.keysFile.empty() || options.soakSeed.has_value();
    if (!options.replayFile.empty() && (ownInput || !options.recordFile.empty())) {
        error = "--replay takes its keys and clock from the demo alone";
        return std::nullopt;
    }
    if (!options.recordFile.empty() && !options.killPasses.empty()) {
        error = "--kill-enemies is no input a demo can record";
        return std::nullopt;
    }
    return options;
}
