#include "platform/log.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string logText() {
    return readFile(kLogFileName);
}

TEST(DebugLog, LinesCarryTheirSuffixesAndKeepOrder) {
    ScopedWorkDir dir;
    clearLog();
    logMessage(nullptr);
    logMessage("Init. Direct Draw");
    logMessage("Core Initializing...\n");
    logError("CreateWindowEx: Unable to create window");
    appendLog("raw %d text");
    logMessage("file %s", "./images/100%.bmp");
    EXPECT_EQ(logText(), "Init. Direct Draw\n"
                         "Core Initializing...\n\n"
                         "CreateWindowEx: Unable to create window      *ERROR*\n"
                         "raw %d textfile ./images/100%.bmp\n");
}

TEST(DebugLog, ClearEmptiesAnEarlierRunsLog) {
    ScopedWorkDir dir;
    writeFile(kLogFileName, "old run\n");
    clearLog();
    logMessage("new");
    EXPECT_EQ(logText(), "new\n");
}

TEST(DebugLog, LongLinesAreCutToFitWithTheirSuffix) {
    ScopedWorkDir dir;
    clearLog();
    const std::string longText(400, 'x');
    logMessage("%s", longText.c_str());
    logError("%s", longText.c_str());
    const std::string text = logText();
    const std::string expected =
        std::string(254, 'x') + "\n" + std::string(241, 'x') + "      *ERROR*\n";
    EXPECT_EQ(text, expected);
}

TEST(DebugLog, AnUnwritableLogLosesLinesQuietly) {
    ScopedWorkDir dir;
    std::filesystem::create_directory(kLogFileName); // a directory cannot be opened as a file
    clearLog();
    logMessage("lost");
    logError("lost too");
    EXPECT_TRUE(std::filesystem::is_directory(kLogFileName));
}

} // namespace
