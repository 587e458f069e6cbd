#pragma once
// A small sequencer: tracks of notes played by simple synthesised instruments, plus drums,
// rendered as a loop whose end runs into its start.
#include "audio.h"
#include "drums.h"
#include "envelope.h"

#include <vector>

enum class Wave { Pulse, Triangle, Saw };

struct Instrument {
    Wave wave = Wave::Pulse;
    double duty = 0.5; // pulse only
    Adsr envelope;
    float gain = 0.3f;
    float pan = 0.0f;          // -1 left, 0 centre, 1 right
    double vibratoDepth = 0.0; // semitones, after the first 0.15 s of a note
    double vibratoRate = 5.5;  // Hz
    double lowPass = 0.0;      // Hz; 0 leaves the tone as it is
};

struct NoteEvent {
    double beat = 0;  // start, in beats from the start of the song
    double beats = 1; // length; the note is released a little before its end
    int note = 60;    // note number, 60 = middle C
    float velocity = 1.0f;
};

struct Track {
    Instrument instrument;
    std::vector<NoteEvent> notes;
};

struct DrumHit {
    double beat = 0;
    Drum drum = Drum::Kick;
    float velocity = 1.0f;
};

struct Song {
    double bpm = 120;
    int bars = 8; // of four beats
    std::vector<Track> tracks;
    std::vector<DrumHit> drums;
    float drumGain = 0.5f;
    float drumPan = 0.0f; // the cymbals'; kick, snare and toms stay centred

    double beats() const { return bars * 4.0; }
};

// Renders the song in stereo. Sound that runs past the last bar (a release, a cymbal) wraps
// round to the start, so the piece loops without a seam.
Audio renderSong(const Song& song, int rate);
