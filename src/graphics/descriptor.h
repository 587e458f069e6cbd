#pragma once
// A sprite's descriptor: the text file beside its bitmap that gives the cell size and the
// number of frames, as lines such as "totalFrames = 16".
#include <cstdint>

struct SpriteDescriptor {
    std::int32_t totalFrames = 0;
    std::int32_t spriteWidth = 0;
    std::int32_t spriteHeight = 0;
};

// Reads the descriptor's entries into out, which keeps any key the file does not give.
// True only when the whole file was understood: it opens, every key is one of the three
// above, every value begins with a digit or '-' and no entry is cut off by the end of the
// file. Keys have room for 255 characters; a longer key makes the file invalid. A value is
// read to its end however long, in wrapping arithmetic. On false, out may
// hold the values of the entries before the fault.
bool parseDescriptor(const char* iniPath, SpriteDescriptor& out);
