#pragma once
// Showing the back buffer in the window: the display's second half, inside the graphics
// library only.
#include "graphics/display.h"

#include <SDL.h>

#include <cstdint>

// Makes a renderer and the frame texture for the window. False when the window cannot
// present; the back buffer is then drawn into but never shown.
bool openPresenter(SDL_Window* window, int frameWidth, int frameHeight);

// Frees the renderer and its textures; harmless when none.
void closePresenter();

// Uploads the frame, draws it scaled and letterboxed and shows it, paced by the frame pacer
// when pacing is on. Does nothing without a renderer.
void presentFrame(const SDL_Surface* frame);

// The monotonic clock in nanoseconds when the last present returned; 0 before the first.
std::int64_t lastPresentTime();

// Turns the pacing on or off.
void setPresenterPacing(bool on);

void setPresenterScaling(ScalingMode mode);
