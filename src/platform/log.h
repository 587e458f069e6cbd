#pragma once
// The debug log: "sys_debug.log" in the working directory unless setLogFile points it
// elsewhere, one line per message.
// The file is opened and closed for every line, so a crash loses nothing already written.

// Appends the text unchanged (it is never used as a format).
void appendLog(const char* text);

// Formats one printf-style line, cut to fit 256 bytes with its "\n", and appends it.
// A null format writes nothing.
void logMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As logMessage, but the line ends with "      *ERROR*\n" (14 characters).
void logError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Empties the log: when the clock starts, and before the report that no game folder was found.
void clearLog();

// The log file's name, relative to the working directory.
inline constexpr const char* kLogFileName = "sys_debug.log";

// Writes the log to that file from now on. Null, or a name too long to hold, loses every
// later line rather than writing it anywhere else.
void setLogFile(const char* path);
