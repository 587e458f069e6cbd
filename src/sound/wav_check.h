#pragma once
// The check every sound file passes before freealut reads it. freealut's reader believes the
// sizes a file claims (and reads some of them sign-extended), so a hostile or broken file
// could make it allocate gigabytes or worse; only a plain PCM WAV whose chunks all lie
// inside the file is handed on.
#include <cstddef>

// Largest sound file the game reads: its longest music is a few megabytes.
inline constexpr std::size_t kMaxWavFileBytes = 64u * 1024 * 1024;

// Why a file of these bytes must not be read, or null when it may: a RIFF/WAVE whose
// chunks, up to the first "data" chunk, lie inside the bytes, with a "fmt " chunk before
// the data giving PCM, 8 or 16 bits, 1 or 2 channels, 1000 to 192000 Hz and a matching
// block alignment, and data of whole frames. The reason is a fixed text.
const char* wavImageFault(const unsigned char* image, std::size_t length);
