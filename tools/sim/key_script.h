#pragma once
// Scripted keys: lines "PASS down CODE" or "PASS up CODE" with set-1 scan codes, sent through
// the real event pump before that pass. Blank lines and lines starting with '#' are skipped.
#include <map>
#include <optional>
#include <string>

struct KeyEvent {
    bool down;
    int scanCode;
};

using KeyScript = std::multimap<int, KeyEvent>; // pass -> events, in file order

// Reads a script; on a bad line returns nothing and sets error to name it.
std::optional<KeyScript> readKeyScript(const std::string& file, std::string& error);
