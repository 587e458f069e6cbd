// "level1": A minor at 150 beats a minute, 40 bars (64 s): intro, two themes, a half-time
// bridge, the first theme again and a turnaround that runs back into the intro.
#include "pattern.h"
#include "songs.h"

namespace {

constexpr double kEighth = 0.5;
constexpr double kSixteenth = 0.25;

constexpr const char* kThemeA =
    "A4 . A4 C5 E5 - D5 C5  A4 - - . F4 . A4 C5  B4 . B4 D5 G5 - F5 D5  E5 - - - . . D5 E5 "
    "A4 . A4 C5 E5 - A5 G5  F5 - E5 - C5 - A4 C5  D5 - B4 - G4 - B4 D5  E5 - - - G#4 - B4 -";
constexpr const char* kThemeB =
    "C6 - A5 - F5 - A5 C6  B5 - G5 - D5 - G5 B5  A5 - - - E5 - - -  . . C6 B5 A5 G5 E5 C5 "
    "A5 - - C6 - - A5 -  B5 - - D6 - - B5 -  G#5 - - - B5 - - -  E5 - - - . . . .";
constexpr const char* kBridge =
    "F5 - - - - - E5 -  D5 - - - A4 - - -  C5 - - - - - B4 -  A4 - - - - - - - "
    "F5 - - - - - G5 -  A5 - - - F5 - - -  G#5 - - - - - - -  B5 - - - - - . .";
constexpr const char* kEnding =
    "A4 - C5 - E5 - A5 -  F5 - - - C5 - - -  G5 - - - D5 - B4 -  E5 - - - . . . .";

constexpr const char* kIntroChords = "Am Am F G";
constexpr const char* kChordsA = "Am F G Em Am F G E";
constexpr const char* kChordsB = "F G Am Am F G E E";
constexpr const char* kChordsBridge = "Dm Dm Am Am Dm Dm E E";
constexpr const char* kEndChords = "Am F G E";

constexpr const char* kDrivingBass = "1 1 8 1 1 1 8 5";
constexpr const char* kBridgeBass = "1 - - 1 5 - 8 -";
constexpr const char* kArp = "1 3 5 8 5 3 1 3 5 8 10 8 5 3 5 8";

constexpr const char* kKick = "x...x...x...x...";
constexpr const char* kSnare = "....x.......x...";
constexpr const char* kHats = "x.x.x.x.x.x.x.x.";
// Fills stop three sixteenths before the bar line, so nothing rings across the loop seam.
constexpr const char* kFill = "....x...x.xoxo..";

// Drums for a section of bars, its last bar a fill.
void drumSection(Song& song, double beat, int bars, const char* kick, const char* hats) {
    addDrumBars(song, beat, bars, Drum::Kick, kick);
    addDrumBars(song, beat, bars - 1, Drum::Snare, kSnare);
    addDrumBars(song, beat, bars, Drum::Hat, hats);
    addDrums(song, beat + 4.0 * (bars - 1), Drum::Snare, kFill);
}

} // namespace

Song levelSong() {
    Song song;
    song.bpm = 150;
    song.bars = 40;
    song.drumGain = 0.55f;
    song.drumPan = 0.25f;
    Track lead{leadVoice(-0.15f), {}};
    Track low{bassVoice(), {}};
    Track arp{arpVoice(0.35f), {}};
    Track octave{padVoice(-0.4f), {}};

    double beat = addChordPattern(low, 0, kEighth, parseChords(kIntroChords), 40, kDrivingBass);
    beat = addChordPattern(low, beat, kEighth, parseChords(kChordsA), 40, kDrivingBass);
    beat = addChordPattern(low, beat, kEighth, parseChords(kChordsB), 40, kDrivingBass);
    beat = addChordPattern(low, beat, kEighth, parseChords(kChordsBridge), 40, kBridgeBass);
    beat = addChordPattern(low, beat, kEighth, parseChords(kChordsA), 40, kDrivingBass);
    addChordPattern(low, beat, kEighth, parseChords(kEndChords), 40, kDrivingBass);

    addChordPattern(arp, 8, kSixteenth, parseChords("F G"), 57, kArp);
    addChordPattern(arp, 48, kSixteenth, parseChords(kChordsB), 57, kArp);
    addChordPattern(arp, 80, kSixteenth, parseChords(kChordsBridge), 57, kArp);
    addChordPattern(arp, 144, kSixteenth, parseChords(kEndChords), 57, kArp);

    addMelody(lead, 16, kEighth, kThemeA);
    addMelody(lead, 48, kEighth, kThemeB);
    addMelody(lead, 80, kEighth, kBridge);
    addMelody(lead, 112, kEighth, kThemeA);
    addMelody(lead, 144, kEighth, kEnding);
    // The theme's return is doubled an octave down for weight.
    addMelody(octave, 112, kEighth, kThemeA);
    for (NoteEvent& note : octave.notes)
        note.note -= 12;

    drumSection(song, 0, 4, "x.......x.......", kHats);
    drumSection(song, 16, 8, kKick, kHats);
    drumSection(song, 48, 8, "x..x..x.x..x..x.", "xoxoxoxoxoxoxoxo");
    addDrumBars(song, 80, 8, Drum::Kick, "x.......x.x.....");
    addDrumBars(song, 80, 8, Drum::Snare, "........x.......");
    addDrumBars(song, 80, 8, Drum::OpenHat, "x.......x.......");
    addDrums(song, 80 + 28, Drum::Tom, "x.x.x.xxx.x.x...");
    drumSection(song, 112, 8, kKick, kHats);
    drumSection(song, 144, 4, kKick, "xoxoxoxoxoxoxo..");

    song.tracks = {lead, low, arp, octave};
    return song;
}
