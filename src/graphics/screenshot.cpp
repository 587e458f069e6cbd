#include "graphics/screenshot.h"

#include "graphics/display.h"
#include "platform/log.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::filesystem::path picturesFolder() {
    if (const char* pictures = std::getenv("XDG_PICTURES_DIR"); pictures && *pictures)
        return pictures;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / "Pictures";
}

std::string fileName() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char name[64];
    std::strftime(name, sizeof name, "quorvish-blemp-%Y%m%d-%H%M%S.png", &local);
    return name;
}

} // namespace

void saveScreenshot() {
    const std::filesystem::path folder = picturesFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / fileName()).string();
    if (saveBackBufferPng(path.c_str()))
        logMessage("Screenshot saved: %s", path.c_str());
    else
        logMessage("Screenshot not saved: cannot write %s", path.c_str());
}
