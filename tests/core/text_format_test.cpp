#include "core/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string formatted(std::size_t size, const char* format, ...) {
    char text[300] = {};
    std::va_list args;
    va_start(args, format);
    formatLine(text, size, format, args);
    va_end(args);
    return text;
}

std::string printed(std::size_t size, const char* format, int value) {
    char text[300] = {};
    std::snprintf(text, size, format, value);
    return text;
}

TEST(FormatLine, WritesWhatPrintfWritesForEveryLineAndValue) {
    const std::string longLine = std::string(260, 'A') + " %i";
    for (const char* format : {"%i", "SCORE %i", "ENEMIES %d", "%i LEFT", "TRY NOT TO DIE SO MUCH",
                               "%5i", "%x", "%%i", "100%", longLine.c_str()}) {
        for (const int value : {0, 7, -5, 1080, INT_MIN, INT_MAX}) {
            for (const std::size_t size : {256, 4, 1}) {
                SCOPED_TRACE(std::string(format).substr(0, 20) + " " + std::to_string(value) +
                             " in " + std::to_string(size));
                EXPECT_EQ(formatted(size, format, value), printed(size, format, value));
            }
        }
    }
}

TEST(FormatLine, FillsSeveralDirectivesInOrder) {
    EXPECT_EQ(formatted(256, "%i-%d-%i", 1, -2, 30), "1--2-30");
}

} // namespace
