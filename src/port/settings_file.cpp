#include "port/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kGameName = "quorvish-blemp";

std::string systemError() {
    return std::strerror(errno);
}

// Writes every byte, through short writes and interruptions.
bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

} // namespace

fs::path defaultSettingsPath(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute())
        return fs::path(xdgConfigHome) / kGameName / "settings.ini";
    if (home != nullptr && fs::path(home).is_absolute())
        return fs::path(home) / ".config" / kGameName / "settings.ini";
    return {};
}

SettingsText readSettingsText(const fs::path& path) {
    SettingsText result;
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(path, ec);
    if (link.type() == fs::file_type::not_found) return result;
    result.status = SettingsText::kUnreadable;
    const fs::file_status target = fs::status(path, ec);
    if (target.type() == fs::file_type::not_found) {
        result.reason = "a link to nowhere";
        return result;
    }
    if (target.type() != fs::file_type::regular) {
        result.reason = "not a plain file";
        return result;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        result.reason = systemError();
        return result;
    }
    result.text.resize(kSettingsFileCap + 1);
    const std::size_t got = std::fread(result.text.data(), 1, result.text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        result.text.clear();
        result.reason = "read error";
        return result;
    }
    result.cut = got > kSettingsFileCap;
    result.text.resize(std::min(got, kSettingsFileCap));
    result.status = SettingsText::kRead;
    return result;
}

bool writeFileAtomically(const fs::path& path, const std::string& text, std::string& reason) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    if (ec) {
        reason = "cannot make the folder: " + ec.message();
        return false;
    }
    // Named for this process, so that two games started at once never write into one file.
    const fs::path temporary = path.string() + ".new-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = systemError();
        return false;
    }
    const bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    if (!written) reason = systemError();
    const bool closed = ::close(fd) == 0;
    if (written && !closed) reason = systemError();
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (reason.empty()) reason = systemError();
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
