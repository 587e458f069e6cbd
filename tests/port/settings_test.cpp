// The settings file: every key and its default, values the reader must refuse, unknown keys
// kept across a rewrite, a write that fails half way, files that are not files at all.
#include "platform/log.h"
#include "platform/scancode_table.h"
#include "port/settings_file.h"
#include "port/settings_store.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { clearLog(); }
    fs::path file() const { return work.path() / "config" / "settings.ini"; }
    std::string log() const { return readFile(work.path() / kLogFileName); }
    // Loads the settings from the text, written to the file first.
    const Settings& loadFrom(const std::string& text) {
        fs::create_directories(file().parent_path());
        writeFile(file(), text);
        loadSettings(file(), false);
        return currentSettings();
    }
    ScopedWorkDir work;
};

TEST_F(SettingsFileTest, FirstRunWritesEveryDefaultWithItsComment) {
    loadSettings(file(), false);
    const std::string text = readFile(file());
    EXPECT_EQ(currentSettings(), defaultSettings());
    const char* lines[] = {"[sound]",
                           "music = 100",
                           "effects = 100",
                           "mute = no",
                           "[video]",
                           "fullscreen = yes",
                           "window = auto",
                           "position = auto",
                           "display = 0",
                           "scaling = sharp",
                           "[keys]",
                           "up = Up, Keypad 8",
                           "down = Down, Keypad 2",
                           "left = Left, Keypad 4",
                           "right = Right, Keypad 6",
                           "fire = Space",
                           "handgun = 1",
                           "launcher = 2",
                           "enter = Return, Keypad Enter",
                           "escape = Escape",
                           "[pad]",
                           "up = dpup, lefty-",
                           "down = dpdown, lefty+",
                           "left = dpleft, leftx-",
                           "right = dpright, leftx+",
                           "fire = a",
                           "handgun = x, leftshoulder",
                           "launcher = y, rightshoulder",
                           "enter = start",
                           "escape = back",
                           "deadzone = 25"};
    for (const char* line : lines)
        EXPECT_NE(text.find(std::string("\n") + line + "\n"), std::string::npos) << line;
    // A comment line above each of the 27 keys, and the heading's second line.
    EXPECT_EQ(countOf(text, "\n# "), 28);
    // Read again, the file gives the defaults and is not rewritten.
    const fs::file_time_type written = fs::last_write_time(file());
    loadSettings(file(), false);
    EXPECT_EQ(currentSettings(), defaultSettings());
    EXPECT_EQ(fs::last_write_time(file()), written);
    EXPECT_EQ(readFile(file()), text);
    EXPECT_EQ(log(), "");
}

TEST_F(SettingsFileTest, ReadsGoodValuesAndKeepsDefaultsForBadOnes) {
    struct Case {
        const char* line;
        bool good;
    };
    const Case cases[] = {
        {"[sound]\nmusic = 0", true},
        {"[sound]\nmusic = 100", true},
        {"[sound]\nmusic = 101", false},
        {"[sound]\nmusic = -1", false},
        {"[sound]\nmusic = 5O", false},
        {"[sound]\nmusic =", false},
        {"[sound]\neffects = 37", true},
        {"[sound]\nmute = yes", true},
        {"[sound]\nmute = maybe", false},
        {"[video]\nfullscreen = no", true},
        {"[video]\nwindow = 1024x768", true},
        {"[video]\nwindow = 1024*768", false},
        {"[video]\nwindow = 0x10", false},
        {"[video]\nposition = 20,40", true},
        {"[video]\nposition = 20", false},
        {"[video]\nscaling = integer", true},
        {"[video]\nscaling = smooth", true},
        {"[video]\nscaling = blurry", false},
        {"[video]\ndisplay = 1", true},
        {"[video]\ndisplay = x", false},
        {"[keys]\nfire = Left Ctrl", true},
        {"[keys]\nfire = left ctrl", true},
        {"[keys]\nfire = Lefty Ctrl", false},
        {"[keys]\nfire =", false},
        {"[keys]\nfire = Space,", false},
        {"[keys]\nfire = Up", false}, // taken by up
        {"[keys]\nfire = Q, Q", false},
        {"[pad]\nfire = b, lefty-", false},
        {"[pad]\nfire = B", true},
        {"[pad]\nfire = z", false},
        {"[pad]\ndeadzone = 90", true},
        {"[pad]\ndeadzone = 91", false},
    };
    for (const Case& c : cases) {
        clearLog();
        const std::string text = std::string("# mine\n") + c.line + "\n";
        const Settings& read = loadFrom(text);
        EXPECT_EQ(read != defaultSettings() || std::string(c.line).ends_with("100"), c.good)
            << c.line;
        const std::string logged = log();
        if (c.good) {
            EXPECT_EQ(logged, "") << c.line;
        } else {
            EXPECT_EQ(countOf(logged, "\n"), 1) << c.line << ": " << logged;
            EXPECT_NE(logged.find("settings.ini line 3"), std::string::npos) << logged;
            EXPECT_NE(logged.find("default"), std::string::npos) << logged;
        }
        EXPECT_EQ(readFile(file()), text) << "rewritten without a change: " << c.line;
    }
    EXPECT_EQ(loadFrom("[keys]\nfire = left ctrl\n").keys[4],
              std::vector<int>{scancodeFromName("Left Ctrl")});
}

TEST_F(SettingsFileTest, AChangeKeepsUnknownKeysCommentsAndBadLines) {
    const std::string text = "; my own notes\n[sound]\nmusic = 100\nkazoo = 11\n"
                             "this line is nonsense\n[extra]\nmine = yes\n";
    loadFrom(text);
    EXPECT_EQ(countOf(log(), "\n"), 1);
    EXPECT_NE(log().find("line 5"), std::string::npos);
    EXPECT_EQ(readFile(file()), text);
    Settings next = currentSettings();
    next.music = 40;
    EXPECT_TRUE(changeSettings(next));
    EXPECT_FALSE(changeSettings(next));
    const std::string rewritten = readFile(file());
    for (const char* kept :
         {"; my own notes\n[sound]\nmusic = 40\nkazoo = 11\n", "this line is nonsense\n",
          "[extra]\nmine = yes\n", "[keys]\n", "fire = Space\n"})
        EXPECT_NE(rewritten.find(kept), std::string::npos) << kept << " in\n" << rewritten;
    loadSettings(file(), false);
    EXPECT_EQ(currentSettings(), next);
}

TEST_F(SettingsFileTest, ResetWritesTheDefaultsOverTheFile) {
    loadFrom("[sound]\nmusic = 3\n[extra]\nmine = yes\n");
    loadSettings(file(), true);
    EXPECT_EQ(currentSettings(), defaultSettings());
    const std::string text = readFile(file());
    EXPECT_NE(text.find("music = 100\n"), std::string::npos);
    EXPECT_NE(text.find("mine = yes\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
    loadFrom("[sound]\nmusic = 20\n");
    const std::string before = readFile(file());
    // The file system refuses every byte past 1 KB, as a full disk would.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string reason;
    const bool wrote = writeFileAtomically(file(), std::string(4096, '#'), reason);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(readFile(file()), before);
    for (const fs::directory_entry& entry : fs::directory_iterator(file().parent_path()))
        EXPECT_EQ(entry.path().filename(), "settings.ini");
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenGivesOneLineAndTheGameGoesOn) {
    writeFile(work.path() / "plain", "not a folder");
    for (const fs::path& place :
         {work.path() / "plain" / "settings.ini", fs::path("/proc/quorvish-blemp/settings.ini")}) {
        clearLog();
        loadSettings(place, false);
        EXPECT_EQ(currentSettings(), defaultSettings());
        Settings next = currentSettings();
        next.mute = true;
        EXPECT_TRUE(changeSettings(next));
        EXPECT_TRUE(currentSettings().mute);
        EXPECT_EQ(countOf(log(), "cannot write"), 2) << log();
    }
}

TEST_F(SettingsFileTest, FilesThatAreNotSettingsGiveDefaultsAndStayAsTheyWere) {
    fs::create_directories(file().parent_path());
    std::string binary;
    for (int i = 0; i < 3000; ++i)
        binary += static_cast<char>((i * 37) % 256);
    std::string huge = "[sound]\nmusic = 7\n" + std::string(100 * 1024, ';') + "\n";
    struct Case {
        const char* name;
        std::string text;
    };
    for (const Case& c : {Case{"empty", ""}, Case{"binary", binary}, Case{"huge", huge}}) {
        const Settings& read = loadFrom(c.text);
        EXPECT_EQ(read.music, c.name == std::string("huge") ? 7 : 100) << c.name;
        EXPECT_EQ(readFile(file()), c.text) << c.name;
    }
    EXPECT_NE(log().find("longer than 65536 bytes"), std::string::npos);
    fs::remove(file());
    fs::create_directory(file());
    clearLog();
    loadSettings(file(), false);
    EXPECT_EQ(countOf(log(), "\n"), 1) << log();
    EXPECT_TRUE(fs::is_directory(file()));
    fs::remove(file());
    fs::create_symlink(work.path() / "nowhere", file());
    clearLog();
    loadSettings(file(), false);
    EXPECT_NE(log().find("a link to nowhere"), std::string::npos) << log();
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(currentSettings(), defaultSettings());
}

TEST(SettingsPath, FollowsTheXdgRules) {
    EXPECT_EQ(defaultSettingsPath("/x/conf", "/home/p"), "/x/conf/quorvish-blemp/settings.ini");
    EXPECT_EQ(defaultSettingsPath("", "/home/p"), "/home/p/.config/quorvish-blemp/settings.ini");
    EXPECT_EQ(defaultSettingsPath("rel", "/home/p"), "/home/p/.config/quorvish-blemp/settings.ini");
    EXPECT_EQ(defaultSettingsPath(nullptr, "/home/p"),
              "/home/p/.config/quorvish-blemp/settings.ini");
    EXPECT_EQ(defaultSettingsPath(nullptr, nullptr), "");
    EXPECT_EQ(defaultSettingsPath(nullptr, "rel"), "");
}

} // namespace
