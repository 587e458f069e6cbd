#pragma once
// The display going away under the game (X server killed, logout). Xlib then ends the
// process with exit(), which runs the global Core's destructor and so the shutdown: that
// shutdown must not touch the window, whose server is gone. Waiting on it never returns.

// Takes over Xlib's fatal-connection handler when the window lives on an X server: it logs
// the loss and marks the display lost before Xlib ends the process with code 1. A request
// failing because the game window was destroyed under it ends the process the same way.
void watchForDisplayLoss();

// True once the connection to the display has been lost: the window, its renderer and its
// textures are beyond reach and must be left alone.
bool displayLost();
