#pragma once
// The three pieces of music, written for the sequencer.
#include "sequencer.h"

inline constexpr int kMusicRate = 22050;

Song introSong(); // menu and intro screen: D minor, moody and heroic
Song levelSong(); // the game: A minor, driving, over a minute before it repeats
Song outroSong(); // the end screen: C major, a triumphant march

// The instruments the pieces share.
Instrument leadVoice(float pan);
Instrument bassVoice();
Instrument arpVoice(float pan);
Instrument padVoice(float pan);
