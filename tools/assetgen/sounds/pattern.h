#pragma once
// Writing music as text. Every pattern is a list of tokens separated by spaces, one token a
// step: a note or chord degree starts a note, "-" holds the previous one a step longer,
// "." is a rest.
#include "sequencer.h"

#include <string_view>
#include <vector>

struct Chord {
    int root = 0; // note number of the root in octave -1 (C = 0 ... B = 11)
    bool minor = false;
};

// Chord names separated by spaces: a letter, then '#' or 'b', then 'm' for minor ("Am F G E").
std::vector<Chord> parseChords(std::string_view names);

// Note names with octave, "A4" = 69, "C#5", "Bb3". Returns -1 for anything else.
int parseNote(std::string_view name);

// Adds a melody: tokens are note names. Returns the beat after the last step.
double addMelody(Track& track, double startBeat, double stepBeats, std::string_view pattern);

// Adds one bar of the pattern per chord: tokens are chord degrees "1" (root), "3", "5", "8"
// (octave), "10" (third above the octave), "7" (the minor seventh), played from the chord's
// root in the octave of baseNote. Returns the beat after the last bar.
double addChordPattern(Track& track, double startBeat, double stepBeats,
                       const std::vector<Chord>& chords, int baseNote, std::string_view bar);

// Adds drum hits on a grid of sixteenth notes: 'x' a full hit, 'o' a softer one, '.' none.
void addDrums(Song& song, double startBeat, Drum drum, std::string_view steps);

// Repeats a one-bar drum pattern over bars.
void addDrumBars(Song& song, double startBeat, int bars, Drum drum, std::string_view steps);
