#include "core/frame_trace.h"

#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/log.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace {

std::FILE* trace = nullptr;

} // namespace

void openFrameTrace() {
    closeFrameTrace();
    const char* path = std::getenv("QUORVISH_FRAME_TRACE");
    if (path == nullptr || *path == '\0') return;
    trace = std::fopen(path, "w");
    if (trace == nullptr) logMessage("Frame trace: cannot write %s", path);
}

void traceFrame() {
    if (trace == nullptr) return;
    std::fprintf(trace, "%" PRId64 " %" PRIu64 " %.3f\n", lastFlipTime(), keyPressesDelivered(),
                 static_cast<double>(now()));
}

void closeFrameTrace() {
    if (trace != nullptr) std::fclose(trace);
    trace = nullptr;
}
