// Writes the game's original asset set into a game folder.
#include "sounds/sounds.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvish-assetgen GAME_DIR\n");
        return 2;
    }
    const std::filesystem::path gameDir = argv[1];
    if (!writeSounds(gameDir / "sounds")) {
        std::fprintf(stderr, "quorvish-assetgen: cannot write %s\n", (gameDir / "sounds").c_str());
        return 1;
    }
    return 0;
}
