#include "graphics/screenshot.h"

#include "graphics/display.h"
#include "platform/log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kMaxSameSecond = 1000; // names tried for the shots of one second

// Empty when neither $XDG_PICTURES_DIR nor $HOME names one: the game folder is no place for
// the player's pictures.
std::filesystem::path picturesFolder() {
    if (const char* pictures = std::getenv("XDG_PICTURES_DIR"); pictures && *pictures)
        return pictures;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / "Pictures";
    return {};
}

// quorvish-blemp-YYYYMMDD-HHMMSS, local time; the shot's number and ".png" follow.
std::string baseName() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char name[64];
    std::strftime(name, sizeof name, "quorvish-blemp-%Y%m%d-%H%M%S", &local);
    return name;
}

// Makes a new file: the second shot of a second is "-2.png", the third "-3.png", and so on,
// so none overwrites another. -1, with errno set, when none could be made.
int createUnique(const std::filesystem::path& folder, std::string& path) {
    const std::string base = (folder / baseName()).string();
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        path = base;
        if (n > 1) path += '-' + std::to_string(n);
        path += ".png";
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST) return file;
    }
    return -1;
}

// Every byte written and the file closed without error; errno says why not.
bool writeAll(int file, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            const int saved = errno;
            ::close(file);
            errno = saved;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return ::close(file) == 0;
}

} // namespace

void saveScreenshot() {
    const std::filesystem::path folder = picturesFolder();
    if (folder.empty()) {
        logMessage("Screenshot not saved: no pictures folder ($XDG_PICTURES_DIR and $HOME unset)");
        return;
    }
    const std::vector<unsigned char> png = backBufferPng();
    if (png.empty()) {
        logMessage("Screenshot not saved: the frame could not be encoded");
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string path;
    const int file = createUnique(folder, path);
    if (file < 0) {
        logMessage("Screenshot not saved: cannot make %s (%s)", path.c_str(), std::strerror(errno));
        return;
    }
    if (writeAll(file, png)) {
        logMessage("Screenshot saved: %s", path.c_str());
        return;
    }
    const int fault = errno;
    // Half a picture is worse than none.
    ::unlink(path.c_str());
    logMessage("Screenshot not saved: cannot write %s (%s)", path.c_str(), std::strerror(fault));
}
