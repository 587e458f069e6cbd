#pragma once
// A record of the drawing that makes a frame, copy by copy as each reaches the back buffer,
// for the simulator's blit log and the frame benchmark's ideal frame.
#include "graphics/display.h"

#include <cstdint>
#include <vector>

struct BlitRecord {
    const Surface* source; // null for a fill of the whole back buffer
    SourceRect from;       // the part of the source copied, after clipping
    int x;                 // where its top-left corner lands
    int y;
    bool keyed;         // pixels equal to the source's key were skipped
    std::uint32_t fill; // a fill's raw pixel value
};

// Appends every later fill and copy of the back buffer to log, until called with null. The
// caller reserves room: recording into reserved room allocates nothing.
void recordBlits(std::vector<BlitRecord>* log);

// Appends one record to the log being kept, if any. For the display code.
void noteBlit(const BlitRecord& record);

// Writes a log as text, a line a record: "fill VALUE" or "copy SOURCE LEFT TOP RIGHT BOTTOM
// X Y keyed|opaque", where SOURCE numbers the surfaces in the order they first appear.
// False when the file cannot be written.
bool writeBlitLog(const char* path, const std::vector<BlitRecord>& log);
