#include "sequencer.h"

#include "filters.h"
#include "oscillators.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

struct Pan {
    float left;
    float right;
};

// Equal-power panning: a centred voice is as loud as one at either side.
Pan panGains(float pan) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

struct Loop {
    Audio& audio;
    double framesPerBeat;
    std::size_t length;

    std::size_t frameOf(double beat) const {
        return static_cast<std::size_t>(std::llround(beat * framesPerBeat)) % length;
    }

    // Adds one sample to both channels at a wrapped frame.
    void add(std::size_t frame, float value, Pan pan) {
        float* out = &audio.samples[(frame % length) * 2];
        out[0] += value * pan.left;
        out[1] += value * pan.right;
    }
};

float waveform(const Instrument& instrument, double phase, double increment) {
    switch (instrument.wave) {
    case Wave::Pulse:
        return pulse(phase, increment, instrument.duty);
    case Wave::Triangle:
        return triangle(phase);
    case Wave::Saw:
        return saw(phase, increment);
    }
    return 0.0f;
}

void renderNote(Loop& loop, const Instrument& instrument, const NoteEvent& note) {
    const int rate = loop.audio.rate;
    const double seconds = note.beats * loop.framesPerBeat / rate;
    // Notes are detached a little, the way a player lifts a finger before the next one.
    const double gate = seconds - std::min(0.03, seconds * 0.15);
    const auto frames = static_cast<std::size_t>((gate + instrument.envelope.release) * rate);
    const std::size_t start = loop.frameOf(note.beat);
    const double base = noteFrequency(note.note);
    const Pan pan = panGains(instrument.pan);
    LowPass tone;
    double phase = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        double frequency = base;
        if (instrument.vibratoDepth > 0.0 && t > 0.15) {
            const double wobble = std::sin(2.0 * std::numbers::pi * instrument.vibratoRate * t);
            frequency *= std::pow(2.0, instrument.vibratoDepth * wobble / 12.0);
        }
        const double increment = frequency / rate;
        float value = waveform(instrument, phase, increment);
        if (instrument.lowPass > 0.0) value = tone.process(value, instrument.lowPass, rate);
        const double level = adsrLevel(instrument.envelope, t, gate);
        loop.add(start + i, static_cast<float>(value * level * instrument.gain * note.velocity),
                 pan);
        phase = advancePhase(phase, frequency, rate);
    }
}

void renderDrums(Loop& loop, const Song& song) {
    constexpr std::array kinds{Drum::Kick, Drum::Snare, Drum::Hat, Drum::OpenHat, Drum::Tom};
    std::array<std::vector<float>, kinds.size()> hits;
    for (std::size_t k = 0; k < kinds.size(); ++k)
        hits[k] = drumHit(kinds[k], loop.audio.rate);
    for (const DrumHit& hit : song.drums) {
        const std::vector<float>& samples = hits[static_cast<std::size_t>(hit.drum)];
        const std::size_t start = loop.frameOf(hit.beat);
        const float gain = song.drumGain * hit.velocity;
        const Pan pan =
            panGains(hit.drum == Drum::Hat || hit.drum == Drum::OpenHat ? song.drumPan : 0.0f);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            loop.add(start + i, samples[i] * gain, pan);
        }
    }
}

} // namespace

Audio renderSong(const Song& song, int rate) {
    Audio audio;
    audio.rate = rate;
    audio.channels = 2;
    const double framesPerBeat = 60.0 / song.bpm * rate;
    const auto length = static_cast<std::size_t>(std::llround(song.beats() * framesPerBeat));
    audio.samples.assign(length * 2, 0.0f);
    Loop loop{audio, framesPerBeat, length};
    for (const Track& track : song.tracks) {
        for (const NoteEvent& note : track.notes)
            renderNote(loop, track.instrument, note);
    }
    renderDrums(loop, song);
    return audio;
}
