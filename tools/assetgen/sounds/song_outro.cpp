// "outro": C major at 132 beats a minute, 16 bars (29 s): a fanfare over a marching beat.
#include "pattern.h"
#include "songs.h"

namespace {

constexpr const char* kFanfare =
    "G4 - C5 - E5 - G5 -  C6 - - - G5 - E5 -  F5 - A5 - C6 - A5 -  G5 - - - D5 - B4 - "
    "C5 - E5 - G5 - C6 -  E6 - - - C6 - A5 -  A5 - C6 - F5 - A5 -  G5 - - - - - . . "
    "A5 - - G5 F5 - - A5  B5 - - A5 G5 - - B5  G5 - - - E5 - G5 -  A5 - - - C6 - - - "
    "C6 - - - A5 - C6 -  D6 - - - B5 - D6 -  E6 - - - - - - -  C6 - G5 - C6 - . .";
constexpr const char* kChords = "C C F G C Am F G F G Em Am F G C C";

} // namespace

Song outroSong() {
    Song song;
    song.bpm = 132;
    song.bars = 16;
    song.drumGain = 0.5f;
    song.drumPan = -0.2f;
    Track lead{leadVoice(0.1f), {}};
    Track low{bassVoice(), {}};
    Track stabs{arpVoice(-0.35f), {}};
    Track brass{padVoice(0.35f), {}};
    const auto chords = parseChords(kChords);
    addChordPattern(low, 0, 0.5, chords, 36, "1 . 1 5 8 . 5 .");
    addChordPattern(stabs, 0, 0.5, chords, 60, "3 5 8 5 3 5 8 5");
    addChordPattern(brass, 0, 1.0, chords, 55, "1 - 5 -");
    addMelody(lead, 0, 0.5, kFanfare);
    // The fanfare's top line doubled an octave down, as a second trumpet would.
    Track second{padVoice(-0.1f), {}};
    addMelody(second, 0, 0.5, kFanfare);
    for (NoteEvent& note : second.notes)
        note.note -= 12;

    addDrumBars(song, 0, 16, Drum::Kick, "x.......x.......");
    addDrumBars(song, 0, 15, Drum::Snare, "....x..o....x.oo");
    addDrumBars(song, 0, 16, Drum::Hat, "x.x.x.x.x.x.x.x.");
    addDrums(song, 60, Drum::Snare, "xoxoxoxoxoxo....");
    song.tracks = {lead, low, stabs, brass, second};
    return song;
}
