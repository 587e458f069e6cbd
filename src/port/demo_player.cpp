#include "port/demo_player.h"

#include "platform/events.h"
#include "platform/key_state.h"
#include "port/command_line.h"

#include <cstdio>
#include <cstring>

namespace {

DemoPlayer* playing = nullptr; // the one the key filter reports to
bool escapePressed = false;

} // namespace

bool DemoPlayer::open(const char* file) {
    path = file;
    line = std::make_unique<DemoLine>();
    char reason[128] = {};
    if (!reader.open(file, reason, sizeof reason)) {
        refuse(reason);
        return false;
    }
    const DemoReader::Result head = reader.next(*line, reason, sizeof reason);
    if (head != DemoReader::kLine || line->kind != DemoLine::kHeader) {
        refuse(head == DemoReader::kEndOfFile ? "it is empty" : "it is not a demo");
        return false;
    }
    if (line->format != kDemoFormatVersion || std::strcmp(line->gameVersion, gameVersion()) != 0) {
        char versions[256];
        std::snprintf(versions, sizeof versions,
                      "it is of demo format %d and game %s, this is format %d and game %s",
                      line->format, line->gameVersion, kDemoFormatVersion, gameVersion());
        refuse(versions);
        return false;
    }
    if (reader.next(*line, reason, sizeof reason) != DemoReader::kLine ||
        line->kind != DemoLine::kClock) {
        refuse("its clock line is missing");
        return false;
    }
    clock = std::make_unique<ReplayClockSource>(line->frequency, line->start, line->startUp);
    setClockSource(clock.get());
    playing = this;
    escapePressed = false;
    setOutsideKeyFilter(holdKey);
    return true;
}

DemoPlayer::~DemoPlayer() {
    if (playing != this) return;
    setOutsideKeyFilter(nullptr);
    setClockSource(nullptr);
    playing = nullptr;
}

// The player's own keys never reach the table; Escape ends the playback.
bool DemoPlayer::holdKey(int scanCode, bool down) {
    if (scanCode == kEscapeKey && down) escapePressed = true;
    return false;
}

void DemoPlayer::refuse(const char* what) {
    message = "demo " + path + " refused: " + what;
    result = kRefused;
    over = true;
}

void DemoPlayer::part(const char* what) {
    message = "demo parted at pass " + std::to_string(passes) + ": " + what;
    result = kDiffers;
    over = true;
}

bool DemoPlayer::readLine() {
    char reason[128] = {};
    switch (reader.next(*line, reason, sizeof reason)) {
    case DemoReader::kLine:
        return true;
    case DemoReader::kEndOfFile:
        message = "demo ends early at pass " + std::to_string(passes);
        result = kDiffers;
        over = true;
        return false;
    case DemoReader::kBadLine:
        break;
    }
    message = "demo " + path + ": line " + std::to_string(reader.lineNumber()) + ": " + reason;
    result = kRefused;
    over = true;
    return false;
}

bool DemoPlayer::beginPass() {
    if (over || !readLine()) return false;
    if (line->kind == DemoLine::kEnd) {
        over = true;
        return false;
    }
    if (line->kind != DemoLine::kPass) {
        message = "demo " + path + ": line " + std::to_string(reader.lineNumber()) +
                  ": a pass was expected";
        result = kRefused;
        over = true;
        return false;
    }
    ++passes;
    clock->setCount(line->count);
    return true;
}

void DemoPlayer::applyKeys() {
    for (int i = 0; i < line->keyCount; ++i) {
        if (line->keys[i].down) {
            pressKey(line->keys[i].code);
        } else {
            releaseKey(line->keys[i].code);
        }
    }
    if (line->quit) requestQuit();
}

bool DemoPlayer::checkDigest(const StateDigest& recorded, const Core& core) {
    const StateDigest replayed = digestState(core);
    for (int i = 0; i < kStatePartCount; ++i) {
        if (recorded.parts[i] == replayed.parts[i]) continue;
        part(stateDifference(i));
        return false;
    }
    return true;
}

bool DemoPlayer::endPass(const Core& core) {
    // A close request the recording does not have is the player's.
    if (escapePressed || (quitRequested() && !line->quit)) stopped = true;
    if (over || stopped) return false;
    if (passes % kDigestInterval != 0) return true;
    if (!readLine()) return false;
    if (line->kind != DemoLine::kDigest || line->pass != passes) {
        message = "demo " + path + ": line " + std::to_string(reader.lineNumber()) +
                  ": the digest of pass " + std::to_string(passes) + " was expected";
        result = kRefused;
        over = true;
        return false;
    }
    return checkDigest(line->digest, core);
}

int DemoPlayer::finish(const Core& core, bool loopEnded) {
    if (result != kVerified) return result;
    if (stopped) {
        message = "demo stopped at pass " + std::to_string(passes);
        return result = kDiffers;
    }
    if (!loopEnded && !over) {
        message = "demo verified up to pass " + std::to_string(passes) + ", before its end";
        return result;
    }
    // The game stopped by itself: the recording must end here too.
    if (loopEnded && !beginPass() && result != kVerified) return result;
    if (line->kind != DemoLine::kEnd) {
        --passes; // beginPass counted the recording's next pass
        part("the game ended, the recording goes on");
        return result;
    }
    if (line->pass != passes) {
        part(("the recording ends at pass " + std::to_string(line->pass)).c_str());
        return result;
    }
    if (!checkDigest(line->digest, core)) return result;
    message = "demo verified: " + std::to_string(passes) + " passes";
    return result;
}
