#pragma once
// The player's keys and pad inputs as the tables the platform's translation reads: a key
// bound to an action enters that action's set-1 code; a key bound to nothing whose own code
// is one of the actions' enters nothing; every other key enters its own code as ever.
#include "port/settings.h"

#include <vector>

// One entry per SDL scancode: the set-1 code it enters.
std::vector<unsigned char> keyTable(const Bindings& keys);

// One entry per pad input: the set-1 code it presses, 0 for none.
std::vector<unsigned char> padTable(const Bindings& pad);
