#pragma once
// Plain RIFF/WAVE output: 16-bit PCM, the header every WAV reader knows.
#include "audio.h"

#include <filesystem>

// Writes the piece, rounding each sample to 16 bits and clamping at full scale.
// False when the file cannot be written.
bool writeWav(const std::filesystem::path& file, const Audio& audio);
