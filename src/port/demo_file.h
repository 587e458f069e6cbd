#pragma once
// The demo file: a text file of what the game took from outside, pass by pass.
//
//   quorvish-blemp-demo FORMAT GAMEVERSION
//   clock FREQUENCY START STARTUP      counts per second (0: the millisecond timer), the raw
//                                      count at startClock and at the services' last
//                                      sample of the start-up
//   p COUNT [+CODE|-CODE]... [q]       one pass: its clock sample, then each key change
//                                      that reached the key table, set-1 code down (+) or up
//                                      (-), and q when a request to close the game came in it
//   d PASS DIGEST                      after every 60th pass: the state digest
//   end PASSES DIGEST                  the run's end and the state after its last pass
//
// Lines are at most kDemoLineSize bytes without their end of line.
#include "port/state_digest.h"

#include <cstdint>
#include <cstdio>

inline constexpr int kDemoFormatVersion = 1;
inline constexpr int kDemoLineSize = 8192;
inline constexpr int kDigestInterval = 60;
// Key changes one pass line can hold; a recording that meets more in one pass logs it, and
// its demo does not replay that pass.
inline constexpr int kMaxKeyChanges = 1000;

struct KeyChange {
    std::uint8_t code;
    bool down;
};

// One line of a demo, as read.
struct DemoLine {
    enum Kind { kHeader, kClock, kPass, kDigest, kEnd } kind = kHeader;
    int format = 0;
    char gameVersion[64] = {};
    std::uint64_t frequency = 0, start = 0, startUp = 0; // kClock
    std::uint64_t count = 0;                             // kPass
    int keyCount = 0;                                    // kPass
    KeyChange keys[kMaxKeyChanges] = {};                 // kPass
    bool quit = false;                                   // kPass
    int pass = 0;                                        // kDigest, kEnd: the pass it follows
    StateDigest digest;                                  // kDigest, kEnd
};

// Reads a demo line by line; nothing is read ahead of what is asked for.
class DemoReader {
  public:
    enum Result { kLine, kEndOfFile, kBadLine };

    // False, with the reason, when the file cannot be opened.
    bool open(const char* path, char* reason, int reasonSize);
    ~DemoReader();

    // The next line into line. kBadLine for a line too long or not of the format, with the
    // reason in reason; kEndOfFile at the end. A last line without its line end counts.
    Result next(DemoLine& line, char* reason, int reasonSize);

    // The number of the line last read, from 1.
    int lineNumber() const { return number; }

  private:
    std::FILE* file = nullptr;
    int number = 0;
    char text[kDemoLineSize + 1] = {};
};

// Writes the lines of a demo; every write is checked, and a failed one ends the demo's
// writing with the reason kept.
class DemoWriter {
  public:
    bool open(const char* path);
    ~DemoWriter();

    void header(const char* gameVersion);
    void clock(std::uint64_t frequency, std::uint64_t start, std::uint64_t startUp);
    void pass(std::uint64_t count, const KeyChange* keys, int keyCount, bool quit);
    void digest(int pass, const StateDigest& digest);
    // The end line; closes the file. False when any write failed.
    bool end(int passes, const StateDigest& digest);

    // Puts what has been written on the disk's way, so a killed run leaves it all.
    void flush();

    bool failed() const { return broken; }

  private:
    void write(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::FILE* file = nullptr;
    bool broken = false;
};
