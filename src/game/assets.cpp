#include "game/assets.h"

Assets assets;
