#pragma once
// The key-state table: 256 entries indexed by PC set-1 scan code (without the extended
// flag, so the arrows and the keypad's 8/4/6/2 share entries). Changes from outside reach
// the table only in the message pump (a demo's playback puts its recorded ones in right
// after it); within a pass only the game's own clearKey changes it.
#include <cstdint>

struct KeyEntry {
    std::uint8_t scanCode;  // the entry's own index
    std::uint8_t character; // the key's character, 0 if none
    std::uint8_t pressed;   // 1 while held
    float pressTime;        // now() at the latest key-down (repeats included)
};

inline constexpr int kEscapeKey = 1;
inline constexpr int kKeyOne = 2;
inline constexpr int kKeyTwo = 3;
inline constexpr int kEnterKey = 28;
inline constexpr int kSpaceKey = 57;
inline constexpr int kUpKey = 72;
inline constexpr int kLeftKey = 75;
inline constexpr int kRightKey = 77;
inline constexpr int kDownKey = 80;

// Every entry released, scanCode = index, and the character column assigned.
void resetKeyState();

// pressed of the entry named by the low 8 bits of scanCode.
std::uint8_t keyDown(int scanCode);

// pressed of entry 28 (Enter).
std::uint8_t enterKeyDown();

// Releases the entry named by the low 8 bits; the next key-down (a repeat too) holds it again.
void clearKey(int scanCode);

// A key-down message: holds the key and stamps it with now(). Code 0 changes nothing.
void pressKey(int scanCode);

// A key-up message: releases the key. Code 0 changes nothing.
void releaseKey(int scanCode);

// A key change that came from outside the game (the keyboard, a pad, the release of every key
// after time away): it goes to the table through pressKey or releaseKey unless the filter
// says otherwise. A demo records these, and plays its own back in their place.
void keyFromOutside(int scanCode, bool down);

// Releases, from outside, every key that is held, keeping the press times.
void releaseAllKeys();

// Sees every key change from outside first; returns false to keep it from the table. Null,
// the default, lets every change through.
using OutsideKeyFilter = bool (*)(int scanCode, bool down);
void setOutsideKeyFilter(OutsideKeyFilter filter);

// The whole entry, for tests.
const KeyEntry& keyEntry(int scanCode);
