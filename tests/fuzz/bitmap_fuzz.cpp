// A sprite whose bitmap is any bytes, loaded as the game loads it: the bitmap check, SDL's
// reader, the conversion to the display's format and the colour key.
#include "fuzz_file.h"

#include "graphics/sprite.h"

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string descriptor = "totalFrames = 1\nspriteWidth = 8\nspriteHeight = 8\n";
    writeFuzzFile(reinterpret_cast<const std::uint8_t*>(descriptor.data()), descriptor.size(),
                  ".ini");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bitmap = writeFuzzFile(data, size, ".bmp");
    const std::string base = bitmap.substr(0, bitmap.size() - 4);
    Sprite sprite;
    loadSprite(sprite, base.c_str());
    releaseSprite(sprite);
    return 0;
}
