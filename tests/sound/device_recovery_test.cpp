// The sound layer following a real sound server: a PulseAudio server of the test's own, with
// one null sink whose monitor parec records, killed under the game and started again.
#include "platform/log.h"
#include "sound/sound_manager.h"

#include "support/work_dir.h"
#include "tones.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The server, on a socket in the test's folder; the sound layer and parec reach it through
// PULSE_SERVER and never start one of their own.
class PulseServer {
  public:
    explicit PulseServer(const fs::path& folder) : socket((folder / "native").string()) {
        writeFile(folder / "client.conf", "autospawn = no\n");
        setenv("PULSE_CLIENTCONFIG", (folder / "client.conf").c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        // The server keeps its runtime files and cookie in the test's folder.
        setenv("HOME", folder.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
        setenv("PULSE_RUNTIME_PATH", folder.c_str(), 1);
    }
    ~PulseServer() { kill(); }

    // Empty once the server answers, or why it could not start.
    std::string start() {
        const std::string unixModule =
            "module-native-protocol-unix socket=" + socket + " auth-anonymous=1";
        std::vector<std::string> args = {"pulseaudio",
                                         "-n",
                                         "--daemonize=no",
                                         "--exit-idle-time=-1",
                                         "--disable-shm=yes",
                                         "--use-pid-file=no",
                                         "--log-target=file:" + socket + ".log",
                                         "-L",
                                         unixModule,
                                         "-L",
                                         "module-null-sink sink_name=test"};
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid, "pulseaudio", nullptr, nullptr, argv.data(), environ) != 0) {
            pid = 0;
            return "pulseaudio cannot be run";
        }
        for (int tries = 0; tries < 100; ++tries) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = 0;
                return "pulseaudio ended at once: " + readFile(socket + ".log");
            }
            if (std::system("pactl info > /dev/null 2>&1") == 0) return "";
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return "pulseaudio did not answer";
    }

    void freeze() { ::kill(pid, SIGSTOP); }
    void thaw() { ::kill(pid, SIGCONT); }

    void kill() {
        if (pid == 0) return;
        ::kill(pid, SIGCONT);
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = 0;
    }

    // The loudest sample of the sink's mix over about a second, 0 to 32768; -1 when parec
    // recorded nothing. timeout ends parec with a failing status, so only the file counts.
    static int loudestHeard() {
        std::remove("heard.raw");
        [[maybe_unused]] const int ended =
            std::system("timeout 2 parec --device=test.monitor --latency-msec=50 --raw "
                        "--format=s16le --rate=22050 --channels=1 heard.raw 2> /dev/null");
        const std::string raw = readFile("heard.raw");
        if (raw.size() < 2) return -1;
        int loudest = 0;
        for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
            const auto sample = static_cast<std::int16_t>(
                static_cast<unsigned char>(raw[i]) | static_cast<unsigned char>(raw[i + 1]) << 8);
            loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
        }
        return loudest;
    }

  private:
    std::string socket;
    pid_t pid = 0;
};

// Runs the game's once-a-pass check, as passes of 20 ms would, until done says so or the
// time is up; false then. Only a bound on how long to wait: nothing is measured.
bool passUntil(const std::function<bool()>& done, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        updateSound();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(SoundDeviceRecovery, TheMusicComesBackUnderItsHandlesWhenTheServerDoes) {
    ScopedWorkDir dir;
    PulseServer server(dir.path());
    if (const std::string trouble = server.start(); !trouble.empty())
        GTEST_SKIP() << "no PulseAudio server of the test's own could start: " << trouble;
    writeTones("shot.wav", {{1320.0, 0.1}});
    writeTones("music.wav", {{440.0, 0.5}});
    initSound();
    ASSERT_TRUE(soundManager().deviceOpen) << readFile(kLogFileName);
    const int shot = loadSound("./shot.wav");
    const int music = loadSound("./music.wav");
    setSoundLoop(music, 1);
    playSound(music);
    playSound(shot);
    EXPECT_GT(PulseServer::loudestHeard(), 8000) << "the music is not heard at first";
    passUntil([] { return false; }, std::chrono::seconds(2)); // the layer notes what plays

    server.kill();
    ASSERT_TRUE(passUntil([] { return !soundManager().deviceOpen; }, std::chrono::seconds(30)))
        << "the loss was not noticed";
    EXPECT_FALSE(soundPlaying(music));
    playSound(shot); // harmless, and a one-shot: not heard later
    stopSound(music);
    playSound(music); // a loop started while silent comes back

    ASSERT_EQ(server.start(), "");
    ASSERT_TRUE(passUntil([] { return soundManager().deviceOpen; }, std::chrono::seconds(30)))
        << "the device did not come back";
    EXPECT_EQ(soundManager().count, 2);
    EXPECT_EQ(soundManager().sounds[shot].path, "./shot.wav");
    EXPECT_EQ(soundManager().sounds[music].path, "./music.wav");
    EXPECT_TRUE(soundPlaying(music));
    EXPECT_FALSE(soundPlaying(shot));
    EXPECT_TRUE(soundManager().sounds[music].looping);
    EXPECT_GT(PulseServer::loudestHeard(), 8000) << "the music is not heard after the return";

    const std::string log = readFile(kLogFileName);
    EXPECT_EQ(occurrences(log, "Sound Manager: the sound device is gone, the game runs silent"), 1)
        << log;
    EXPECT_EQ(occurrences(log, "Sound Manager: the sound device is back\n"), 1) << log;
    shutdownSound();
    EXPECT_FALSE(soundLeftBehind());
}

// A frozen server answers nothing: a shutdown leaves its close behind within 2 s and says so.
TEST(SoundDeviceRecovery, AFrozenServerNeverHoldsTheShutdown) {
    ScopedWorkDir dir;
    PulseServer server(dir.path());
    if (const std::string trouble = server.start(); !trouble.empty())
        GTEST_SKIP() << "no PulseAudio server of the test's own could start: " << trouble;
    writeTones("music.wav", {{440.0, 0.5}});
    initSound();
    ASSERT_TRUE(soundManager().deviceOpen);
    setSoundLoop(loadSound("./music.wav"), 1);
    playSound(0);
    server.freeze();
    shutdownSound();
    EXPECT_TRUE(soundLeftBehind());
    server.thaw();
}

} // namespace
