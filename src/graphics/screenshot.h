#pragma once
// The player's screenshot key: the current frame as a PNG file in the pictures folder.

// Saves the back buffer as quorvish-blemp-YYYYMMDD-HHMMSS.png (local time; a later shot of
// the same second ends -2.png, -3.png, ...) in $XDG_PICTURES_DIR, or ~/Pictures when that is
// unset, making the folder when missing. Every write is checked: a shot that could not be
// written whole leaves no file. Logs one line: "Screenshot saved: " and the file's path, or
// "Screenshot not saved: " and why.
void saveScreenshot();
