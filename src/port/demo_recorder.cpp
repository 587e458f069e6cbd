#include "port/demo_recorder.h"

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "port/command_line.h"

namespace {

DemoRecorder* recording = nullptr; // the one the key filter writes to

} // namespace

bool DemoRecorder::open(const char* path) {
    return writer.open(path);
}

void DemoRecorder::start() {
    writer.header(gameVersion());
    writer.clock(clockFrequency(), clockStartCount(), clockSampleCount());
    writer.flush();
    recording = this;
    setOutsideKeyFilter(noteKey);
}

DemoRecorder::~DemoRecorder() {
    if (recording != this) return;
    setOutsideKeyFilter(nullptr);
    recording = nullptr;
}

bool DemoRecorder::noteKey(int scanCode, bool down) {
    DemoRecorder& self = *recording;
    if (self.keyCount < kMaxKeyChanges) {
        self.keys[self.keyCount++] = KeyChange{static_cast<std::uint8_t>(scanCode), down};
    } else if (!self.tooManyKeys) {
        self.tooManyKeys = true;
        logMessage("Demo: more than %d key changes in pass %d; the demo will not replay it",
                   kMaxKeyChanges, self.passes + 1);
    }
    return true;
}

void DemoRecorder::notePass() {
    ++passes;
    writer.pass(clockSampleCount(), keys, keyCount, quitRequested());
    keyCount = 0;
}

void DemoRecorder::afterPass(const Core& core) {
    if (passes % kDigestInterval != 0) return;
    writer.digest(passes, digestState(core));
    writer.flush();
}

bool DemoRecorder::finish(const Core& core) {
    return writer.end(passes, digestState(core));
}
