// The music's text notation and the loop rendering behind the generated pieces.
#include "sounds/pattern.h"
#include "sounds/sequencer.h"

#include "wav_probe.h"

#include <gtest/gtest.h>

namespace {

TEST(MusicNotation, NoteNamesCarryTheirOctave) {
    EXPECT_EQ(parseNote("A4"), 69);
    EXPECT_EQ(parseNote("C4"), 60);
    EXPECT_EQ(parseNote("C#5"), 73);
    EXPECT_EQ(parseNote("Bb3"), 58);
    EXPECT_EQ(parseNote("Cb4"), 59); // a flat C is the B below, in the octave its letter names
    EXPECT_EQ(parseNote("B#3"), 60);
    EXPECT_EQ(parseNote("H4"), -1);
    EXPECT_EQ(parseNote("A"), -1);
    EXPECT_EQ(parseNote("A44"), -1);
}

TEST(MusicNotation, HoldsLengthenAndRestsSeparateNotes) {
    Track track;
    const double end = addMelody(track, 4.0, 0.5, "A4 - - . C5 . . E5");
    EXPECT_DOUBLE_EQ(end, 8.0);
    ASSERT_EQ(track.notes.size(), 3u);
    EXPECT_DOUBLE_EQ(track.notes[0].beat, 4.0);
    EXPECT_DOUBLE_EQ(track.notes[0].beats, 1.5);
    EXPECT_EQ(track.notes[1].note, 72);
    EXPECT_DOUBLE_EQ(track.notes[1].beat, 6.0);
    EXPECT_DOUBLE_EQ(track.notes[2].beat, 7.5);
}

TEST(MusicNotation, ChordPatternsStayInTheRegisterOfTheirBase) {
    const std::vector<Chord> chords = parseChords("Am F G#m Bb");
    ASSERT_EQ(chords.size(), 4u);
    EXPECT_TRUE(chords[0].minor);
    EXPECT_FALSE(chords[1].minor);
    Track track;
    addChordPattern(track, 0, 1.0, chords, 40, "1 3 5 -");
    ASSERT_EQ(track.notes.size(), 12u);
    // Roots at or above E2 (40): A2, F2, G#2, Bb2; a minor third on Am, a major one on F.
    EXPECT_EQ(track.notes[0].note, 45);
    EXPECT_EQ(track.notes[1].note, 48);
    EXPECT_EQ(track.notes[3].note, 41);
    EXPECT_EQ(track.notes[4].note, 45);
    EXPECT_EQ(track.notes[6].note, 44);
    EXPECT_EQ(track.notes[9].note, 46);
    EXPECT_DOUBLE_EQ(track.notes[11].beats, 2.0);
}

TEST(Sequencer, ANoteRunningPastTheEndWrapsToTheStart) {
    Song song;
    song.bpm = 120;
    song.bars = 1; // two seconds
    Track track;
    track.instrument.wave = Wave::Triangle;
    track.instrument.envelope = {0.005, 1.0, 1.0, 0.5};
    track.notes.push_back({3.5, 1.0, 69, 1.0f}); // from 1.75 s to past the end
    song.tracks.push_back(track);
    const Audio audio = renderSong(song, 22050);
    ASSERT_EQ(audio.frames(), 44100u);
    std::vector<float> left;
    for (std::size_t i = 0; i < audio.frames(); ++i)
        left.push_back(audio.samples[i * 2]);
    EXPECT_GT(rmsDb(left, 0, 2205), -30.0) << "the tail did not wrap round";
    EXPECT_LT(rmsDb(left, 22050, 33075), -100.0);
    EXPECT_GT(rmsDb(left, 40000, 44100), -30.0);
}

} // namespace
