#pragma once
// Reading the X server's screen back, for tests that check what really reached it, and
// standing in for the window manager that Xvfb lacks.
#include <cstdint>
#include <string>
#include <vector>

// The whole root window as 0xRRGGBB pixels, row after row; empty when there is no display.
struct Grab {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Grab grabRoot();

// Moves and sizes the top-level window of that title to cover the screen, as a window
// manager would for a full-screen request. False when no such window exists.
bool coverScreenWithWindow(const char* title);

// The size of the first icon a window offers the desktop (_NET_WM_ICON) as "WxH", or ""
// when it offers none or there is no display.
std::string windowIconSize(unsigned long window);

// Writes the grab as a 24-bit bitmap; nothing for an empty grab.
void saveGrab(const Grab& grab, const std::string& path);

// Opens a plain window of that title for the given time: another application for the game's
// window to lose the focus to.
void showPlainWindow(const char* title, int seconds);
