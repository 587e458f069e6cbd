#include "core/core.h"
#include "core/game_folder.h"

// The game folder is chosen before the Core is built, because building the Core is the
// whole start-up and reads the game's files at once.
int main() {
    if (!enterGameFolder()) return 1;
    Core core;
    return core.run();
}
