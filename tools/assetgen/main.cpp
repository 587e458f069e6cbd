// quorvish-assetgen: writes the game's whole asset set into a game folder.
//   quorvish-assetgen GAME_DIR [--contact-sheet FILE.bmp] [--icons DIR]
#include "images/contact_sheet.h"
#include "images/icons.h"
#include "images/images.h"
#include "sounds/sounds.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

int main(int argc, char** argv) {
    const char* gameDir = nullptr;
    const char* contactSheet = nullptr;
    const char* iconDir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            contactSheet = argv[++i];
        else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc)
            iconDir = argv[++i];
        else if (!gameDir && argv[i][0] != '-')
            gameDir = argv[i];
        else {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            gameDir = nullptr;
            break;
        }
    }
    if (!gameDir) {
        std::fprintf(stderr, "usage: quorvish-assetgen GAME_DIR [--contact-sheet FILE.bmp] "
                             "[--icons DIR]\n");
        return 2;
    }
    std::filesystem::path dir(gameDir);
    bool ok = writeImages(dir / "images");

    ok = writeSounds(dir / "sounds") && ok;

    if (iconDir) ok = writeIcons(iconDir) && ok;
    if (contactSheet) ok = writeContactSheet(contactSheet) && ok;
    return ok ? 0 : 1;
}
