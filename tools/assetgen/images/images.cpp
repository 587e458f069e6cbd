#include "images.h"

#include "art.h"
#include "bmp_file.h"
#include "ground.h"
#include "icons.h"
#include "screens.h"

#include <cstdio>
#include <system_error>

std::vector<SpriteSheet> buildSprites() {
    std::vector<SpriteSheet> all{makeHero(), makeBeetle(), makeBrute(), makeImp()};
    for (auto family : {makeMissiles(), makeEffects(), makeWalls(), makeItems(), makeFonts()})
        for (SpriteSheet& s : family)
            all.push_back(std::move(s));
    all.push_back(makeMenuCursor());
    return all;
}

bool writeImages(const std::filesystem::path& imagesDir) {
    std::error_code ec;
    std::filesystem::create_directories(imagesDir, ec);
    std::vector<SpriteSheet> sprites = buildSprites();
    for (SpriteSheet& s : makeScreens(sprites))
        sprites.push_back(std::move(s));
    bool ok = true;
    auto check = [&ok](bool written, const std::filesystem::path& file) {
        if (!written) std::fprintf(stderr, "cannot write %s\n", file.c_str());
        ok = ok && written;
    };
    for (const SpriteSheet& s : sprites)
        check(writeSprite(imagesDir, s), imagesDir / s.name);
    check(writeGamePicture(imagesDir / "bg1.bmp", makeArenaFloor()), imagesDir / "bg1.bmp");
    check(writeGamePicture(imagesDir / "background.bmp", makeBackdrop()),
          imagesDir / "background.bmp");
    check(writeBmp(imagesDir / "icon.bmp", makeHeroIcon(kWindowIconSize)), imagesDir / "icon.bmp");
    return ok;
}
