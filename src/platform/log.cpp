#include "platform/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kLineBuffer = 256;
constexpr const char* kErrorSuffix = "      *ERROR*\n";

// An unwritable log loses its lines: nothing in the game reads it, so the game runs on.
void formatLine(const char* suffix, const char* format, va_list args) {
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
    std::FILE* file = std::fopen(kLogFileName, "a");
    if (file == nullptr) return;
    std::fputs(text, file);
    std::fclose(file);
}

void logMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    formatLine("\n", format, args);
    va_end(args);
}

void logError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    formatLine(kErrorSuffix, format, args);
    va_end(args);
}

void clearLog() {
    std::FILE* file = std::fopen(kLogFileName, "w");
    if (file != nullptr) std::fclose(file);
}
