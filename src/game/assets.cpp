#include "game/assets.h"

// constinit: the game's start-up runs while globals are being built, so this must be in
// place before any constructor runs.
constinit Assets assets;
