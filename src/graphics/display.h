#pragma once
// The display: an 800x600 back buffer of 16-bit (5-6-5) pixels that every frame is drawn
// into with rectangle copies, shown in the game window once per pass by flipDisplay.
#include <cstdint>
#include <vector>

struct Surface;

// A rectangle in a surface: left and top inclusive, right and bottom exclusive.
struct SourceRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Copy flag of blitClipped; 0 copies every pixel.
inline constexpr std::uint32_t kBlitColourKey = 1; // skip source pixels equal to its key

// Sets up the back buffer and the presenting for the game window. Only depth 16 is offered.
// False, with nothing left set up, when there is no window or no back buffer. A window that
// cannot present still gets a working back buffer; its flips then show nothing.
bool initDisplay(int width, int height, int depth);

// Frees the back buffer and the presenting; harmless when not set up.
void releaseDisplay();

// Shows the back buffer in the window, scaled and letterboxed; with pacing on, then holds the
// caller until shortly before the next frame is due (frame_pacer.h).
void flipDisplay();

// The system's monotonic clock (CLOCK_MONOTONIC) in nanoseconds when the last flip's present
// returned; 0 before the first one and when nothing is presented.
std::int64_t lastFlipTime();

// Fills the whole back buffer with one raw pixel value. False when not set up.
bool clearScreen(std::uint32_t pixelValue);

// Copies the source rectangle of a surface to the back buffer with its top-left corner at
// screen (x, y), clipped to the screen. True when drawn or when nothing is left to draw after
// clipping; false when not set up, for a null source, or when the clipped rectangle is not
// wholly inside the source surface.
bool blitClipped(int x, int y, const Surface* source, SourceRect rect, std::uint32_t flags);

// Readies a keyed surface for copies to the back buffer now, at load time: its first copy
// would otherwise encode it and allocate in the middle of a pass. The back buffer's pixels
// stay as they are. False when not set up or for null.
bool prepareCopies(const Surface* source);

// True when an opaque copy of the rectangle to screen (0, 0) would draw every pixel of the
// back buffer: the rectangle lies inside the source and is at least the screen's size.
bool coversScreen(const Surface* source, SourceRect rect);

// The back buffer's pixels, row after row, each row exactly screen-width pixels; null when
// not set up. For the settings screen, the frame benchmark and tests.
const std::uint16_t* backBufferPixels();

// The raw back buffer value of a colour 0xRRGGBB.
std::uint16_t displayColour(std::uint32_t rgb);

// Writes the back buffer to a 24-bit bitmap file. False when not set up or not writable.
bool saveBackBuffer(const char* path);

// The back buffer's size in pixels; 0 by 0 when not set up.
void screenSize(int& width, int& height);

// Whether a flip shows the frame at all (on by default). The simulator can turn it off so a
// long run measures the game and not the presenting.
void setPresenting(bool on);

// The back buffer encoded as a PNG file's bytes; empty when not set up or the encoding failed.
std::vector<unsigned char> backBufferPng();

// Whether a flip paces the game to sixty passes a second (on by default). The simulator turns it
// off to run passes as fast as it can.
void setFramePacing(bool on);

// How the frame fills the window: sharp (the largest whole multiple, then smooth to fill; the
// default), integer (the whole multiple only, black bars round it) or smooth (linear to fill).
enum class ScalingMode { kSharp, kInteger, kSmooth };
void setScalingMode(ScalingMode mode);

// Replaces the back buffer's pixels with the given screen-sized rows. False when not set up.
bool writeBackBuffer(const std::uint16_t* pixels);
