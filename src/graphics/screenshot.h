#pragma once
// The player's screenshot key: the current frame as a PNG file in the pictures folder.

// Saves the back buffer as quorvish-blemp-YYYYMMDD-HHMMSS.png (local time) in
// $XDG_PICTURES_DIR, or ~/Pictures when that is unset, making the folder when missing. Logs
// one line: the file's path, or why nothing was saved.
void saveScreenshot();
