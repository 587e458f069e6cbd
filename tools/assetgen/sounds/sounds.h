#pragma once
// The game's sound files, all made here by synthesis.
#include <filesystem>

// Writes every sound of the game into soundsDir (made if missing): the effects, "intro.wav",
// "level1.wav" and "outro.wav". The same bytes on every run. False when a file cannot be
// written.
bool writeSounds(const std::filesystem::path& soundsDir);
