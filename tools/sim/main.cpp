// quorvish-sim: runs the real game headless on a manual clock, with scripted keys, and
// writes state dumps, screenshots and timing figures.
#include "dump.h"
#include "key_script.h"
#include "options.h"
#include "pass_stats.h"
#include "soak.h"

#include "core/core.h"
#include "core/loop_state.h"
#include "core/services.h"
#include "graphics/blit_log.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/manual_clock.h"
#include "port/demo_player.h"
#include "port/demo_recorder.h"
#include "port/port_session.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Bad arguments get one line saying what is wrong; --help gives the whole usage.
int fail(const std::string& message) {
    std::fprintf(stderr, "quorvish-sim: %s (see --help)\n", message.c_str());
    return 2;
}

void sendKeys(const KeyScript& script, int pass) {
    const auto [first, last] = script.equal_range(pass);
    for (auto it = first; it != last; ++it)
        queueKeyEvent(it->second.scanCode, it->second.down);
}

void writeOutputs(const SimOptions& options, const Core& core, int pass,
                  const std::vector<BlitRecord>& blits) {
    const auto [dumpFirst, dumpLast] = options.dumps.equal_range(pass);
    for (auto it = dumpFirst; it != dumpLast; ++it)
        if (!writeDump(it->second, core, pass))
            std::fprintf(stderr, "quorvish-sim: cannot write %s\n", it->second.c_str());
    const auto [shotFirst, shotLast] = options.shots.equal_range(pass);
    for (auto it = shotFirst; it != shotLast; ++it)
        if (!saveBackBuffer(it->second.c_str()))
            std::fprintf(stderr, "quorvish-sim: cannot write %s\n", it->second.c_str());
    const auto [logFirst, logLast] = options.blitLogs.equal_range(pass);
    for (auto it = logFirst; it != logLast; ++it)
        if (!writeBlitLog(it->second.c_str(), blits))
            std::fprintf(stderr, "quorvish-sim: cannot write %s\n", it->second.c_str());
}

// Processor time of the calling thread.
std::chrono::steady_clock::duration threadProcessorTime() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec));
}

bool killsBefore(const SimOptions& options, int pass) {
    for (int kill : options.killPasses)
        if (kill == pass) return true;
    return false;
}

// The soak's verdict: exit code 1 when a pool of the level kept growing or an enemy left the
// arena.
int judgeSoak(const PoolWatch& watch) {
    watch.print(stdout);
    const std::vector<std::string> growing = watch.growing();
    for (const std::string& name : growing)
        std::fprintf(stderr, "quorvish-sim: the %s keep growing\n", name.c_str());
    const long outside = watch.passesWithEnemyOutside();
    if (outside > 0)
        std::fprintf(stderr,
                     "quorvish-sim: an enemy was outside the arena after %ld game passes, "
                     "the first being game pass %ld\n",
                     outside, watch.firstPassWithEnemyOutside());
    return growing.empty() && outside == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::printf("%s\n", kUsage);
        return 0;
    }
    std::string error;
    const std::optional<SimOptions> options = parseOptions(argc, argv, error);
    if (!options) return fail(error);
    KeyScript keys;
    if (!options->keysFile.empty()) {
        const std::optional<KeyScript> script = readKeyScript(options->keysFile, error);
        if (!script) return fail(error);
        keys = *script;
    }
    // Outputs are named relative to where the simulator was started, the game runs in its dir.
    const std::filesystem::path startDir = std::filesystem::current_path();
    SimOptions resolved = *options;
    for (std::string* file : {&resolved.replayFile, &resolved.recordFile})
        if (!file->empty()) *file = std::filesystem::absolute(startDir / *file).string();
    for (auto* files : {&resolved.dumps, &resolved.shots, &resolved.blitLogs})
        for (auto& [pass, file] : *files)
            file = std::filesystem::absolute(startDir / file).string();
    // The settings file as the game takes it; the key scripts stay in the actions' set-1 codes.
    if (!options->config.empty()) {
        PlayOptions play;
        play.config = options->config;
        preparePort(play, settingsPathFor(play, startDir));
    }
    std::error_code ec;
    std::filesystem::current_path(options->dir, ec);
    if (ec) return fail("cannot enter " + options->dir);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);

    // A demo brings its own clock and keys; otherwise the manual clock and the key script.
    std::optional<DemoPlayer> demo;
    if (!resolved.replayFile.empty()) {
        demo.emplace();
        if (!demo->open(resolved.replayFile.c_str())) {
            std::printf("%s\n", demo->verdict().c_str());
            return DemoPlayer::kRefused;
        }
    }
    std::optional<DemoRecorder> recorder;
    if (!resolved.recordFile.empty()) {
        recorder.emplace();
        if (!recorder->open(resolved.recordFile.c_str()))
            return fail("cannot write " + resolved.recordFile);
    }
    ManualClockSource clock;
    if (!demo) setClockSource(&clock);
    PassStats stats;
    const auto startUp = std::chrono::steady_clock::now();
    const auto startUpProcessor = threadProcessorTime();
    auto core = std::make_unique<Core>();
    stats.setStartUp(std::chrono::steady_clock::now() - startUp,
                     threadProcessorTime() - startUpProcessor);
    setFramePacing(false);
    // The soak draws every frame but does not show it: presenting is by far the costliest
    // step of a headless pass, and holds nothing that could grow.
    setPresenting(options->present && !options->soakSeed);
    setPauseWhenAway(false);
    std::optional<RandomPlayer> player;
    PoolWatch watch;
    if (options->soakSeed) player.emplace(*options->soakSeed);

    std::vector<BlitRecord> blits;
    if (recorder) recorder->start();
    core->startLoop();
    bool loopEnded = false;
    for (int pass = 1; pass <= options->passes; ++pass) {
        if (demo) {
            if (!demo->beginPass()) break;
        } else {
            sendKeys(keys, pass);
            if (player) player->play(pass);
            clock.advance(options->frameMs);
        }
        if (killsBefore(*options, pass)) killEveryEnemy();
        pumpMessages();
        if (demo) demo->applyKeys();
        if (recorder) recorder->notePass();
        blits.clear();
        const bool logged = options->blitLogs.count(pass) != 0;
        recordBlits(logged ? &blits : nullptr);
        const auto begin = std::chrono::steady_clock::now();
        const bool goOn = core->updateScreens();
        const auto spent = std::chrono::steady_clock::now() - begin;
        recordBlits(nullptr);
        if (pass >= options->statsFrom) stats.add(spent);
        if (player && core->loopState == kLoopGame) watch.sample();
        writeOutputs(resolved, *core, pass, blits);
        if (recorder) recorder->afterPass(*core);
        if (demo && !demo->endPass(*core)) break;
        if (!goOn) {
            loopEnded = true;
            break;
        }
    }
    int code = player ? judgeSoak(watch) : 0;
    if (recorder && !recorder->finish(*core)) code = fail("cannot write " + resolved.recordFile);
    if (demo) {
        code = demo->finish(*core, loopEnded);
        std::printf("%s\n", demo->verdict().c_str());
    }
    core.reset();
    demo.reset();
    setClockSource(nullptr);
    if (options->stats) stats.print(stdout);
    return code;
}
