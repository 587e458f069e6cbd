#include "platform/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kLineBuffer = 256;
constexpr const char* kErrorSuffix = "      *ERROR*\n";
constexpr std::size_t kMaxLogPath = 4096;

// Plain characters: in place before main() runs, with nothing to destroy.
constinit char logPath[kMaxLogPath] = "sys_debug.log";

// An unwritable log loses its lines: nothing in the game reads it, so the game runs on.
void writeLine(const char* suffix, const char* format, va_list args) {
    if (format == nullptr) return;
    char line[kLineBuffer];
    const std::size_t room = kLineBuffer - std::strlen(suffix);
    const int written = std::vsnprintf(line, room, format, args);
    if (written < 0) return;
    // A line longer than its buffer is cut to fit, its suffix kept.
    const std::size_t length = std::strlen(line);
    std::memcpy(line + length, suffix, std::strlen(suffix) + 1);
    appendLog(line);
}

} // namespace

void appendLog(const char* text) {
    if (text == nullptr) return;
    std::FILE* file = std::fopen(logPath, "a");
    if (file == nullptr) return;
    std::fputs(text, file);
    std::fclose(file);
}

void logMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    writeLine("\n", format, args);
    va_end(args);
}

void logError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    writeLine(kErrorSuffix, format, args);
    va_end(args);
}

void clearLog() {
    std::FILE* file = std::fopen(logPath, "w");
    if (file != nullptr) std::fclose(file);
}

void setLogFile(const char* path) {
    const int length = path != nullptr ? std::snprintf(logPath, kMaxLogPath, "%s", path) : -1;
    // An empty name opens nothing, so the lines are lost instead of written elsewhere.
    if (length < 0 || static_cast<std::size_t>(length) >= kMaxLogPath) logPath[0] = '\0';
}
