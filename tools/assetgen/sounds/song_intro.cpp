// "intro": D minor at 100 beats a minute, 16 bars (38 s): four bars of arpeggio, then the
// theme over a half-time beat.
#include "pattern.h"
#include "songs.h"

namespace {

constexpr const char* kTheme =
    "D5 - - - A4 - D5 E5  F5 - - - E5 - D5 -  G5 - - - Bb5 - A5 G5  A5 - - - E5 - C#5 - "
    "D5 - - - F5 - Bb5 -  C6 - - - Bb5 - A5 G5  A5 - - - - - F5 -  D5 - - - - - . . "
    "F5 - G5 - A5 - Bb5 -  C6 - - - G5 - E5 -  E5 - - - A5 - - -  C#6 - - - - - . .";
constexpr const char* kChords = "Dm Dm Bb C Dm Dm Gm A Bb C Dm Dm Bb C A A";

} // namespace

Song introSong() {
    Song song;
    song.bpm = 100;
    song.bars = 16;
    song.drumGain = 0.45f;
    song.drumPan = 0.2f;
    Track lead{leadVoice(0.0f), {}};
    Track low{bassVoice(), {}};
    Track arp{arpVoice(-0.3f), {}};
    Track pad{padVoice(0.3f), {}};
    const auto chords = parseChords(kChords);
    addChordPattern(low, 0, 0.5, chords, 38, "1 - - - 5 - 8 -");
    addChordPattern(arp, 0, 0.25, chords, 62, "1 5 8 10 8 5 1 5 8 10 8 5 8 5 1 5");
    addChordPattern(pad, 16, 0.5, parseChords("Dm Dm Gm A Bb C Dm Dm Bb C A A"), 50,
                    "3 - - - - - - -");
    addMelody(lead, 16, 0.5, kTheme);

    addDrumBars(song, 0, 16, Drum::Kick, "x.......x.......");
    addDrumBars(song, 0, 16, Drum::Hat, "o.o.o.o.o.o.o.o.");
    addDrumBars(song, 16, 11, Drum::Snare, "........x.......");
    // A roll on the toms brings the theme round again; it ends well before the bar line.
    addDrums(song, 60, Drum::Tom, "....x..x..x.x...");
    song.tracks = {lead, low, arp, pad};
    return song;
}
