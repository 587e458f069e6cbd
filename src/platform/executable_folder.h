#pragma once
// The folder of the running program, which the game looks in for its files.
#include <string>

// The folder that holds the running binary, ending in '/', or "" when the system will not
// say. Needs no other platform service started.
std::string executableFolder();
