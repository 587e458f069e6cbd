#pragma once
// The main loop of a recorded run and of a demo's playback in the game's window.

class Core;
class DemoPlayer;
class DemoRecorder;

// Plays the game as usual, every pass recorded. Returns the game's exit code, or 1 when the
// demo could not be written to the end (one line on stderr says so).
int playRecorded(Core& core, DemoRecorder& recorder);

// Plays the recorded passes, paced as the game always is, and prints the verdict line.
// Returns the verdict's exit code.
int playBack(Core& core, DemoPlayer& player);
