// F12 through the real pump: the frame lands as a PNG in the pictures folder, pixel for pixel
// the back buffer.
#include "core/services.h"
#include "graphics/display.h"
#include "graphics/surface.h"
#include "platform/events.h"
#include "platform/log.h"
#include "platform/manual_clock.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr int kF12 = 0x58;

class ScreenshotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setClockSource(&clock);
        initPlatform();
        drawGradient();
    }
    void TearDown() override {
        shutdownPlatform();
        setClockSource(nullptr);
        unsetenv("XDG_PICTURES_DIR");
    }
    // A picture in which every channel varies, so a swapped or shifted channel shows.
    static void drawGradient() {
        writePicture("gradient.bmp", 256, 200,
                     [](int x, int y) { return std::uint32_t(x << 16 | y << 8 | (x ^ y)); });
        Surface* gradient = loadBitmapSurface("gradient.bmp");
        clearScreen(displayColour(0x2040A0));
        EXPECT_TRUE(blitClipped(300, 200, gradient, SourceRect{0, 0, 256, 200}, 0));
        releaseSurface(gradient);
    }
    static void pressF12() {
        queueKeyEvent(kF12, true);
        pumpMessages();
        queueKeyEvent(kF12, false);
        pumpMessages();
    }

    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(ScreenshotTest, F12SavesTheBackBufferAsAPngInThePicturesFolder) {
    const auto folder = dir.path() / "shots" / "new"; // made when missing
    setenv("XDG_PICTURES_DIR", folder.c_str(), 1);
    pressF12();
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    const auto file = std::filesystem::directory_iterator(folder)->path();
    EXPECT_TRUE(std::regex_match(file.filename().string(),
                                 std::regex(R"(quorvish-blemp-\d{8}-\d{6}\.png)")));
    EXPECT_NE(readFile(kLogFileName).find("Screenshot saved: " + file.string()), std::string::npos);

    SDL_Surface* png = IMG_Load(file.c_str());
    ASSERT_NE(png, nullptr) << IMG_GetError();
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(png, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(png);
    ASSERT_EQ(rgb->w, 800);
    ASSERT_EQ(rgb->h, 600);
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            differing += displayColour(static_cast<Uint32*>(rgb->pixels)[y * rgb->pitch / 4 + x] &
                                       0xFFFFFF) != pixelAt(x, y);
    SDL_FreeSurface(rgb);
    EXPECT_EQ(differing, 0);
}

// The files in a folder, by name.
std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder on a file system of its own that cannot take a screenshot: a tmpfs of one page, or
// one mounted read-only. Where nothing can be mounted (not root), the same real failures come
// from a file size limit and a folder without write permission.
class FailingFolder {
  public:
    FailingFolder(const std::filesystem::path& folder, bool readOnly) : path(folder) {
        std::filesystem::create_directories(folder);
        mounted =
            ::mount("tmpfs", folder.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, "size=4k") == 0;
        if (mounted) return;
        if (readOnly) {
            ::chmod(folder.c_str(), 0555);
            usable = ::access(folder.c_str(), W_OK) != 0; // root writes there all the same
        } else {
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit small{4096, limit.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
            limited = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
            usable = limited;
        }
    }
    ~FailingFolder() {
        if (mounted) ::umount2(path.c_str(), MNT_DETACH);
        if (limited) ::setrlimit(RLIMIT_FSIZE, &limit);
        ::chmod(path.c_str(), 0755);
    }
    std::filesystem::path path;
    bool mounted = false;
    bool usable = true;

  private:
    bool limited = false;
    rlimit limit{};
};

TEST_F(ScreenshotTest, AShotThatCannotBeWrittenWholeLeavesNoFileAndSaysWhy) {
    struct Case {
        const char* name;
        bool readOnly;
        const char* reason; // strerror's text, one per way the case can be made
        const char* otherReason;
    };
    const Case cases[] = {
        {"full", false, "No space left on device", "File too large"},
        {"read-only", true, "Read-only file system", "Permission denied"},
    };
    // Noise does not compress: the shot is many times the room the full folder has.
    writePicture("noise.bmp", 400, 300, [](int x, int y) {
        return std::uint32_t((x * 2654435761u) ^ (y * 40503u) ^ (x * y * 2246822519u));
    });
    Surface* noise = loadBitmapSurface("noise.bmp");
    EXPECT_TRUE(blitClipped(0, 0, noise, SourceRect{0, 0, 400, 300}, 0));
    releaseSurface(noise);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FailingFolder folder(dir.path() / c.name, c.readOnly);
        if (!folder.usable) {
            std::printf("the %s folder cannot be made here: neither a mount nor a limit works\n",
                        c.name);
            continue;
        }
        setenv("XDG_PICTURES_DIR", folder.path.c_str(), 1);
        clearLog();
        pressF12();
        const std::string log = readFile(kLogFileName);
        EXPECT_EQ(log.find("Screenshot saved"), std::string::npos) << log;
        EXPECT_EQ(log.find("Screenshot not saved: "), 0u) << log;
        EXPECT_TRUE(log.find(c.reason) != std::string::npos ||
                    log.find(c.otherReason) != std::string::npos)
            << log;
        EXPECT_TRUE(filesIn(folder.path).empty());
    }
}

TEST_F(ScreenshotTest, ShotsOfOneSecondGetNamesOfTheirOwn) {
    const auto folder = dir.path() / "shots";
    std::filesystem::create_directories(folder);
    setenv("XDG_PICTURES_DIR", folder.c_str(), 1);
    // Pictures already there for this second and the next two, so the shots below fall in a
    // second that already has one, however slow the machine.
    const std::time_t start = std::time(nullptr);
    std::vector<std::string> taken;
    for (std::time_t second = start; second < start + 3; ++second) {
        std::tm local{};
        localtime_r(&second, &local);
        char name[64];
        std::strftime(name, sizeof name, "quorvish-blemp-%Y%m%d-%H%M%S.png", &local);
        writeFile(folder / name, "earlier");
        taken.push_back(name);
    }
    pressF12();
    pressF12();
    const std::vector<std::string> files = filesIn(folder);
    ASSERT_EQ(files.size(), 5u);
    std::vector<std::string> shots;
    for (const std::string& name : files) {
        if (std::find(taken.begin(), taken.end(), name) != taken.end())
            EXPECT_EQ(readFile(folder / name), "earlier") << name << " was overwritten";
        else
            shots.push_back(name);
    }
    ASSERT_EQ(shots.size(), 2u);
    for (const std::string& shot : shots) {
        EXPECT_TRUE(std::regex_match(shot, std::regex(R"(quorvish-blemp-\d{8}-\d{6}-[23]\.png)")))
            << shot;
        EXPECT_NE(readFile(kLogFileName).find("Screenshot saved: " + (folder / shot).string()),
                  std::string::npos);
    }
}

TEST_F(ScreenshotTest, WithoutAPicturesFolderNothingIsWrittenAndOneLineSaysSo) {
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    unsetenv("HOME");
    clearLog();
    pressF12();
    if (!home.empty()) setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(readFile(kLogFileName), "Screenshot not saved: no pictures folder "
                                      "($XDG_PICTURES_DIR and $HOME unset)\n");
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"gradient.bmp", kLogFileName}));
}

TEST_F(ScreenshotTest, AnUnwritableFolderIsLoggedAndTheGameGoesOn) {
    writeFile("a-file", "not a folder\n");
    setenv("XDG_PICTURES_DIR", (dir.path() / "a-file" / "pictures").c_str(), 1);
    pressF12();
    const std::string log = readFile(kLogFileName);
    EXPECT_NE(log.find("Screenshot not saved: cannot make"), std::string::npos) << log;
    EXPECT_EQ(log.find("Screenshot saved"), std::string::npos);
    clock.advance(16);
    pumpMessages();
    EXPECT_FLOAT_EQ(frameTime(), 16.0f);
}

} // namespace
