#pragma once
// A record of when each frame reached the screen, for the pacing benchmark and tests: with
// QUORVISH_FRAME_TRACE naming a file, every flip appends one line "PRESENTED PRESSES NOW": the
// monotonic clock in nanoseconds when the present returned, how many key presses the pump had
// delivered when the pass that drew that frame read its keys, and now() in milliseconds for the
// pass that follows the flip. Without the variable nothing is written.

// Opens the file named by the variable, if any; a file that cannot be made is logged.
void openFrameTrace();

// Appends the line of the flip that has just been made.
void traceFrame();

// Flushes and closes the file.
void closeFrameTrace();
