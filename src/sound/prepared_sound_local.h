#pragma once
// One sound read and put into its buffer ahead of its load, on a thread of its own, so that
// the load itself (the first game pass's, for the level music) only takes the ready buffer.
#include <AL/al.h>

// Starts reading the file into a new buffer; an earlier prepared sound not yet taken is
// dropped first. Needs the sound device open.
void startPreparing(const char* fileName);

// The buffer prepared for this path, now owned by the caller, once the reading has finished;
// 0 when none was prepared for it or the file could not be read (the caller then reads the
// file itself, as any load does).
ALuint takePrepared(const char* fileName);

// Waits for the reading and frees a buffer nobody took; before the device closes.
void dropPrepared();
