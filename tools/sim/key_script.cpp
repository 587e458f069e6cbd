#include "key_script.h"

#include <fstream>
#include <sstream>

std::optional<KeyScript> readKeyScript(const std::string& file, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read key script " + file;
        return std::nullopt;
    }
    KeyScript script;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        int pass = 0;
        std::string action;
        int code = 0;
        std::string extra;
        const bool parsed = static_cast<bool>(words >> pass >> action >> code) && !(words >> extra);
        if (!parsed || pass < 1 || (action != "down" && action != "up") || code < 1 || code > 255) {
            error = file + ":" + std::to_string(number) + ": expected 'PASS down|up CODE'";
            return std::nullopt;
        }
        script.emplace(pass, KeyEvent{action == "down", code});
    }
    return script;
}
