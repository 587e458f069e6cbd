#pragma once
// Test sounds: sine tones written as WAV files the game can load.
#include <initializer_list>
#include <utility>

// Writes a mono 22050 Hz sound of sine segments (frequency, seconds) at amplitude 0.5.
void writeTones(const char* file, std::initializer_list<std::pair<double, double>> segments);
