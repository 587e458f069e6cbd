#pragma once
// Sounds read and put into their buffers ahead of their loads, one after another on a thread
// of their own, so that each load (the long pieces of music) only takes its ready buffer.
#include <AL/al.h>

#include <string>
#include <vector>

// Starts reading the files, in order, into new buffers; earlier prepared sounds not yet
// taken are dropped first. Needs the sound device open.
void startPreparing(const std::vector<std::string>& fileNames);

// The buffer prepared for this path, now owned by the caller, once its reading has finished;
// 0 when none was prepared for it or the file could not be read (the caller then reads the
// file itself, as any load does).
ALuint takePrepared(const char* fileName);

// Waits until every file has been read.
void finishPreparing();

// Waits for the reading and frees the buffers nobody took; before the device closes.
void dropPrepared();
