#include "game/assets.h"

// constinit: in place before main() runs, with no constructor to order against the others.
constinit Assets assets;
