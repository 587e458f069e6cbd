#pragma once
// The display going away under the game (X server killed, logout). Xlib then ends the
// process with exit(), which destroys no local object: the Core that main() holds is never
// destroyed, so no shutdown touches the window whose server is gone.

// Takes over Xlib's fatal-connection handler when the window lives on an X server: it logs
// the loss before Xlib ends the process with code 1. A request failing because the game
// window was destroyed under it ends the process the same way.
void watchForDisplayLoss();
