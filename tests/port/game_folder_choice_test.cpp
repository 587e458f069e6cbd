// Where the game finds its files and writes its log when it is started from anywhere.
#include "platform/log.h"
#include "port/game_folder.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

TEST(GameFolder, CandidatesAreTheWorkingTheBinarysAndTheInstallsFolderWithoutRepeats) {
    struct Case {
        const char* working;
        const char* binary;
        const char* data; // seen from the binary's folder
        std::vector<fs::path> expected;
    };
    const char* share = "../share/quorvish-blemp";
    const char* games = "../share/games/quorvish-blemp";
    const Case cases[] = {
        {"/h", "/opt/qb/bin/", share, {"/h", "/opt/qb/bin", "/opt/qb/share/quorvish-blemp"}},
        {"/opt/qb/bin", "/opt/qb/bin/", share, {"/opt/qb/bin", "/opt/qb/share/quorvish-blemp"}},
        {"/usr/share/quorvish-blemp",
         "/usr/bin/",
         share,
         {"/usr/share/quorvish-blemp", "/usr/bin"}},
        {"/h", "/usr/games/../bin/", share, {"/h", "/usr/bin", "/usr/share/quorvish-blemp"}},
        {"/h", "/usr/games/", games, {"/h", "/usr/games", "/usr/share/games/quorvish-blemp"}},
        {"/h", "/opt/qb/", "data", {"/h", "/opt/qb", "/opt/qb/data"}},
        {"/h", "/opt/qb/", ".", {"/h", "/opt/qb"}}, // the data beside the binary
        {"/h", "", games, {"/h"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameFolderCandidates(c.working, c.binary, c.data), c.expected)
            << c.binary << " " << c.data;
}

TEST(GameFolder, TheStateFolderFollowsXdgAndFallsBackToHome) {
    struct Case {
        const char* stateHome;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/s", "/h", "/s/quorvish-blemp"},
        {nullptr, "/h", "/h/.local/state/quorvish-blemp"},
        {"", "/h", "/h/.local/state/quorvish-blemp"},
        {"relative", "/h", "/h/.local/state/quorvish-blemp"}, // only absolute paths count
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stateLogFolder(c.stateHome, c.home), c.expected)
            << (c.stateHome ? c.stateHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

// The unit tests' binary has no game data beside it, so only the working folder can be chosen.
class GameFolderChoice : public ::testing::Test {
  protected:
    GameFolderChoice() { setenv("XDG_STATE_HOME", (dir.path() / "state").c_str(), 1); }
    ~GameFolderChoice() override { setLogFile(kLogFileName); }
    ScopedWorkDir dir;
};

// An install's data folder as the working folder: chosen, but the log goes elsewhere.
TEST_F(GameFolderChoice, AWorkingFolderWithoutTheBinaryIsKeptButItsLogGoesToTheStateFolder) {
    fs::create_directories("sounds");
    writeFile("sounds/b1.wav", "");
    ASSERT_TRUE(enterGameFolder());
    EXPECT_EQ(fs::current_path(), dir.path());
    logMessage("here");
    EXPECT_EQ(readFile("state/quorvish-blemp/sys_debug.log"), "here\n");
    EXPECT_FALSE(fs::exists(kLogFileName));
}

TEST_F(GameFolderChoice, WithoutAStateFolderOneLineSaysThereIsNoLog) {
    fs::create_directories("sounds");
    writeFile("sounds/b1.wav", "");
    unsetenv("XDG_STATE_HOME");
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    unsetenv("HOME");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(enterGameFolder());
    const std::string stderrText = testing::internal::GetCapturedStderr();
    if (!home.empty()) setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(stderrText, "quorvish-blemp: neither $XDG_STATE_HOME nor $HOME is set, so the "
                          "game keeps no log\n");
    logMessage("lost");
    EXPECT_FALSE(fs::exists(kLogFileName));
}

TEST_F(GameFolderChoice, NoGameFolderIsOneLineNamingWhereItLookedInTheStateLog) {
    fs::create_directories("images"); // empty folders hold no game
    fs::create_directories("sounds");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(enterGameFolder());
    const std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_EQ(stderrText.find("quorvish-blemp: no game folder"), 0u);
    EXPECT_NE(stderrText.find(dir.path().string() + ","), std::string::npos);
    EXPECT_NE(stderrText.find("share/quorvish-blemp\n"), std::string::npos);
    EXPECT_EQ(stderrText.find('\n'), stderrText.size() - 1) << "more than one line";
    EXPECT_EQ(readFile("state/quorvish-blemp/sys_debug.log"), stderrText);
    EXPECT_FALSE(fs::exists(kLogFileName));
}

} // namespace
