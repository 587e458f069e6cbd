#include "pattern.h"

#include <cctype>

namespace {

constexpr int kLetterSemitones[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G

// Splits on spaces, calling visit for each token.
template <typename Visit>
void forEachToken(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ')
            ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ')
            ++end;
        if (end > at) visit(text.substr(at, end - at));
        at = end;
    }
}

// Reads "C", "C#", "Bb" from the front of text; returns the semitone and how much it read.
int readPitchClass(std::string_view text, std::size_t& used) {
    used = 0;
    if (text.empty() || text[0] < 'A' || text[0] > 'G') return -1;
    int semitone = kLetterSemitones[text[0] - 'A'];
    used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        semitone += text[1] == '#' ? 1 : -1;
        used = 2;
    }
    return (semitone + 12) % 12;
}

int degreeOffset(std::string_view token, const Chord& chord) {
    const int third = chord.minor ? 3 : 4;
    if (token == "1") return 0;
    if (token == "3") return third;
    if (token == "5") return 7;
    if (token == "7") return 10;
    if (token == "8") return 12;
    if (token == "10") return 12 + third;
    return -1;
}

// Turns a stream of tokens into notes: start tokens (note >= 0), holds and rests.
class NoteWriter {
  public:
    NoteWriter(Track& track, double beat, double step) : track(track), beat(beat), step(step) {}

    void start(int note) {
        if (note < 0) return rest();
        track.notes.push_back({beat, step, note, 1.0f});
        holding = true;
        beat += step;
    }
    void hold() {
        if (holding) track.notes.back().beats += step;
        beat += step;
    }
    void rest() {
        holding = false;
        beat += step;
    }
    // Dispatches one token; startNote maps a start token to a note number.
    template <typename StartNote>
    void token(std::string_view text, StartNote startNote) {
        if (text == "-") return hold();
        if (text == ".") return rest();
        start(startNote(text));
    }
    double end() const { return beat; }

  private:
    Track& track;
    double beat;
    double step;
    bool holding = false;
};

} // namespace

std::vector<Chord> parseChords(std::string_view names) {
    std::vector<Chord> chords;
    forEachToken(names, [&](std::string_view name) {
        std::size_t used = 0;
        const int root = readPitchClass(name, used);
        if (root < 0) return;
        chords.push_back({root, used < name.size() && name[used] == 'm'});
    });
    return chords;
}

int parseNote(std::string_view name) {
    std::size_t used = 0;
    const int semitone = readPitchClass(name, used);
    if (semitone < 0 || used + 1 != name.size() || !std::isdigit(name[used])) return -1;
    // Cb and B# belong to the octave their letter names.
    const int octave = name[used] - '0';
    int note = (octave + 1) * 12 + semitone;
    if (name[0] == 'C' && semitone == 11) note -= 12;
    if (name[0] == 'B' && semitone == 0) note += 12;
    return note;
}

double addMelody(Track& track, double startBeat, double stepBeats, std::string_view pattern) {
    NoteWriter writer(track, startBeat, stepBeats);
    forEachToken(pattern, [&](std::string_view token) { writer.token(token, parseNote); });
    return writer.end();
}

double addChordPattern(Track& track, double startBeat, double stepBeats,
                       const std::vector<Chord>& chords, int baseNote, std::string_view bar) {
    NoteWriter writer(track, startBeat, stepBeats);
    for (const Chord& chord : chords) {
        // The root is taken at or above baseNote, so every chord sits in the same register.
        const int root = baseNote + (chord.root - baseNote % 12 + 12) % 12;
        forEachToken(bar, [&](std::string_view token) {
            writer.token(token, [&](std::string_view degree) {
                const int offset = degreeOffset(degree, chord);
                return offset < 0 ? -1 : root + offset;
            });
        });
    }
    return writer.end();
}

void addDrums(Song& song, double startBeat, Drum drum, std::string_view steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i] != 'x' && steps[i] != 'o') continue;
        song.drums.push_back({startBeat + 0.25 * i, drum, steps[i] == 'x' ? 1.0f : 0.55f});
    }
}

void addDrumBars(Song& song, double startBeat, int bars, Drum drum, std::string_view steps) {
    for (int bar = 0; bar < bars; ++bar)
        addDrums(song, startBeat + 4.0 * bar, drum, steps);
}
