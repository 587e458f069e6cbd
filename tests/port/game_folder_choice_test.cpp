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
        std::vector<fs::path> expected;
    };
    const Case cases[] = {
        {"/home/ann", "/opt/qb/bin/", {"/home/ann", "/opt/qb/bin", "/opt/qb/share/quorvish-blemp"}},
        {"/opt/qb/bin", "/opt/qb/bin/", {"/opt/qb/bin", "/opt/qb/share/quorvish-blemp"}},
        {"/usr/share/quorvish-blemp", "/usr/bin/", {"/usr/share/quorvish-blemp", "/usr/bin"}},
        {"/home/ann", "/usr/games/../bin/", {"/home/ann", "/usr/bin", "/usr/share/quorvish-blemp"}},
        {"/home/ann", "", {"/home/ann"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameFolderCandidates(c.working, c.binary), c.expected) << c.binary;
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

TEST_F(GameFolderChoice, AWorkingFolderWithOneAssetFileIsKeptWithItsLog) {
    fs::create_directories("sounds");
    writeFile("sounds/b1.wav", "");
    ASSERT_TRUE(enterGameFolder());
    EXPECT_EQ(fs::current_path(), dir.path());
    logMessage("here");
    EXPECT_EQ(readFile(kLogFileName), "here\n");
    EXPECT_FALSE(fs::exists("state"));
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
