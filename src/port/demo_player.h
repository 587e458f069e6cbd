#pragma once
// Playing a demo back: each pass takes its clock sample and its key changes from the file,
// none from the player, and the state is checked against the recorded digests. The verdict
// is one line: "demo verified: N passes", "demo parted at pass P: " and what differed first,
// "demo ends early at pass P", or why the file was refused.
#include "platform/replay_clock.h"
#include "port/demo_file.h"

#include <memory>
#include <string>

class Core;

class DemoPlayer {
  public:
    // Exit codes of a playback.
    static constexpr int kVerified = 0;
    static constexpr int kDiffers = 1; // parted, ended early or stopped
    static constexpr int kRefused = 2; // not a demo of this game, or not readable

    // Reads the file's head and makes its clock the clock's source. False when the file is
    // refused; verdict() then says why.
    bool open(const char* path);
    ~DemoPlayer();

    // Before a pass: reads its line and sets its clock sample. False when the recording has
    // no more passes (or its file went wrong); the playback is then over.
    bool beginPass();

    // After the pass's message pump: the recorded key changes into the key table.
    void applyKeys();

    // After the pass: the digest that follows it in the file, if any, is checked. False once
    // the playback has parted from the recording or the player asked to stop.
    bool endPass(const Core& core);

    // The playback is over, because the game's loop ended (loopEnded), the recording did, or
    // whoever plays it stopped early: the last checks, the verdict line and its exit code.
    int finish(const Core& core, bool loopEnded);

    const std::string& verdict() const { return message; }

  private:
    static bool holdKey(int scanCode, bool down);
    bool readLine();
    void refuse(const char* what);
    void part(const char* what);
    bool checkDigest(const StateDigest& recorded, const Core& core);

    std::string path;
    DemoReader reader;
    std::unique_ptr<ReplayClockSource> clock;
    std::unique_ptr<DemoLine> line; // the line last read
    int passes = 0;
    int result = kVerified;
    bool over = false;
    bool stopped = false;
    std::string message;
};
