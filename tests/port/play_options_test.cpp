// The options of a run that plays, and where they put the settings file.
#include "port/play_options.h"
#include "port/port_session.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::optional<PlayOptions> read(std::vector<const char*> args, std::string& bad) {
    args.insert(args.begin(), "quorvish-blemp");
    return readPlayOptions(static_cast<int>(args.size()), args.data(), bad);
}

TEST(PlayOptions, EachOptionAndEachMistake) {
    std::string bad;
    const std::optional<PlayOptions> all =
        read({"--window", "--nosound", "--nomusic", "--config", "my.ini", "--reset-settings"}, bad);
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->window && all->noSound && all->noMusic && all->resetSettings);
    EXPECT_FALSE(all->fullscreen);
    EXPECT_EQ(all->config, "my.ini");
    EXPECT_TRUE(read({}, bad));
    EXPECT_TRUE(read({"--fullscreen"}, bad)->fullscreen);
    const struct {
        std::vector<const char*> args;
        const char* bad;
    } mistakes[] = {
        {{"--config"}, "--config needs a file"},
        {{"--config", ""}, "--config needs a file"},
        {{"--window", "--fullscreen"}, "--window with --fullscreen"},
        {{"-window"}, "-window"},
        {{"--nosound", "extra"}, "extra"},
    };
    for (const auto& m : mistakes) {
        bad.clear();
        EXPECT_FALSE(read(m.args, bad)) << m.bad;
        EXPECT_EQ(bad, m.bad);
    }
}

TEST(PlayOptions, ConfigIsReadFromTheFolderTheGameWasStartedIn) {
    PlayOptions options;
    options.config = "mine.ini";
    EXPECT_EQ(settingsPathFor(options, "/home/p/games"), "/home/p/games/mine.ini");
    options.config = "/etc/q.ini";
    EXPECT_EQ(settingsPathFor(options, "/home/p/games"), "/etc/q.ini");
}

} // namespace
