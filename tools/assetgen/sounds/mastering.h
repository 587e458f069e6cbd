#pragma once
// The last steps before a piece is written: no DC, no clicks at the edges, a fixed peak.
#include "audio.h"

// Nothing peaks above -1.5 dBFS, safely under -1 dBFS after rounding to 16 bits.
inline constexpr double kPeakLimitDb = -1.5;
// Loudness: an effect's loudest 100 ms, a loop's whole length (RMS, dBFS). The music sits
// 6 dB under the effects so that shots and explosions stand out over it.
inline constexpr double kEffectLoudnessDb = -12.0;
inline constexpr double kMusicLoudnessDb = -18.0;

// A one-shot effect: DC removed, 2 ms fade in and 15 ms fade out, brought to
// kEffectLoudnessDb unless that would break the peak limit.
void masterEffect(Audio& audio);

// A loop: DC removed as if the piece repeated for ever, so the filter leaves no step at the
// seam; no fades (the end runs into the start); brought to kMusicLoudnessDb unless that
// would break the peak limit.
void masterLoop(Audio& audio);
