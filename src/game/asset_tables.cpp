#include "game/asset_tables.h"

#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

#include <span>
#include <string>
#include <system_error>

namespace {

enum class Load { kSprite, kBackground, kSound };

struct Row {
    const char* path; // a sprite's base path, or a whole file
    Load load;
    int Assets::*field;
    const char* progressAfter = nullptr; // a log line written after this row, or null
};

// The log lines sit between the same rows on every run (there is no fifth numbered line).
constexpr Row kStartup[] = {
    {"./images/mario_big", Load::kSprite, &Assets::marioBig},
    {"./images/fire_mario", Load::kSprite, &Assets::fireMario},
    {"./sounds/mariohurt.wav", Load::kSound, &Assets::marioHurtSound},
    {"./sounds/memario.wav", Load::kSound, &Assets::meMarioSound, "Made it here 2"},
    {"./images/crater", Load::kSprite, &Assets::crater},
    {"./images/blood1", Load::kSprite, &Assets::blood1},
    {"./images/blood2", Load::kSprite, &Assets::blood2, "Made it here 3"},
    {"./images/player", Load::kSprite, &Assets::player},
    {"./images/mario", Load::kSprite, &Assets::mario, "Made it here 4"},
    {"./images/bullet", Load::kSprite, &Assets::bullet},
    {"./images/rocket", Load::kSprite, &Assets::rocket},
    {"./images/bomb", Load::kSprite, &Assets::bomb},
    {"./images/fireball", Load::kSprite, &Assets::fireball},
    {"./images/arrow", Load::kSprite, &Assets::arrow},
    {"./images/health", Load::kSprite, &Assets::health},
    {"./images/armor", Load::kSprite, &Assets::armor},
    {"./images/speedup", Load::kSprite, &Assets::speedup},
    {"./images/extralife", Load::kSprite, &Assets::extraLife},
    {"./images/handgun", Load::kSprite, &Assets::handgun},
    {"./images/rifle", Load::kSprite, &Assets::rifle},
    {"./images/launcher", Load::kSprite, &Assets::launcher},
    {"./images/bombs", Load::kSprite, &Assets::bombs},
    {"./images/background.bmp", Load::kBackground, &Assets::background},
    {kOutroMusic, Load::kSound, &Assets::outroSound},
    {"./sounds/b1.wav", Load::kSound, &Assets::b1Sound},
    {"./sounds/rocketshoot.wav", Load::kSound, &Assets::rocketShootSound},
    {"./sounds/swing.wav", Load::kSound, &Assets::swingSound},
    {"./sounds/handgunshoot.wav", Load::kSound, &Assets::handgunShootSound},
    {"./sounds/noammo.wav", Load::kSound, &Assets::noAmmoSound},
    {"./sounds/weaponpickup.wav", Load::kSound, &Assets::weaponPickupSound},
    {"./sounds/healthpickup.wav", Load::kSound, &Assets::healthPickupSound},
    {"./sounds/speeduppickup.wav", Load::kSound, &Assets::speedupPickupSound},
    {"./sounds/itemspawn.wav", Load::kSound, &Assets::itemSpawnSound},
    {"./sounds/ricochet.wav", Load::kSound, &Assets::ricochetSound},
    {"./sounds/mariocollide.wav", Load::kSound, &Assets::marioCollideSound},
    {"./sounds/fireBall.wav", Load::kSound, &Assets::fireBallSound},
    {"./sounds/arrowcolide.wav", Load::kSound, &Assets::arrowColideSound},
    {"./sounds/blemphurt2.wav", Load::kSound, &Assets::blempHurt2Sound},
    {"./sounds/blempdie.wav", Load::kSound, &Assets::blempDieSound},
    {"./sounds/explosion.wav", Load::kSound, &Assets::explosionSound},
    {"./sounds/explosion2.wav", Load::kSound, &Assets::explosion2Sound, "Made it here 6"},
    {"./images/explosion1", Load::kSprite, &Assets::explosion1},
    {"./images/explosion2", Load::kSprite, &Assets::explosion2},
    {"./images/smoke1", Load::kSprite, &Assets::smoke1},
    {"./images/smoke2", Load::kSprite, &Assets::smoke2},
    {"./images/pool", Load::kSprite, &Assets::pool, "Made it here!#$!@$"},
};
static_assert(std::size(kStartup) == 46);

// The level's background replaces the start-up's; the plain enemy's sprite is read a second time.
constexpr Row kLevel[] = {
    {"./images/bg1.bmp", Load::kBackground, &Assets::bg1},
    {"./images/wall1", Load::kSprite, &Assets::wall1},
    {"./images/wall2", Load::kSprite, &Assets::wall2},
    {"./images/block", Load::kSprite, &Assets::block},
    {"./images/mario", Load::kSprite, &Assets::marioAgain},
    {"./images/mark", Load::kSprite, &Assets::mark},
};

constexpr Row kTitles[] = {
    {"./images/rocket_animated", Load::kSprite, &Assets::rocketAnimated},
    {"./images/GUI", Load::kSprite, &Assets::gui},
    {"./images/intro_screen", Load::kSprite, &Assets::introScreen},
    {"./images/end_screen", Load::kSprite, &Assets::endScreen},
    {"./images/fontaz_v", Load::kSprite, &Assets::fontAzV},
    {"./images/font09_v", Load::kSprite, &Assets::font09V},
    {kIntroMusic, Load::kSound, &Assets::introSound},
};

constexpr Row kFirstGamePass[] = {
    {kLevelMusic, Load::kSound, &Assets::level1Sound},
};

int loadRow(const Row& row) {
    switch (row.load) {
    case Load::kSprite:
        return loadImage(row.path, ImageLoad::kSprite);
    case Load::kBackground:
        return loadImage(row.path, ImageLoad::kBackground);
    case Load::kSound:
        return loadSound(row.path);
    }
    return -1;
}

void loadRows(std::span<const Row> rows) {
    for (const Row& row : rows) {
        assets.*row.field = loadRow(row);
        if (row.progressAfter != nullptr) logMessage("%s", row.progressAfter);
    }
}

} // namespace

void loadStartupAssets() {
    loadRows(kStartup);
}

void loadLevelAssets() {
    loadRows(kLevel);
}

void loadTitleAssets() {
    loadRows(kTitles);
}

int loadLevelMusic() {
    loadRows(kFirstGamePass);
    return assets.level1Sound;
}

bool holdsAnAssetFile(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const Row& row : kStartup) {
        const std::string file =
            row.load == Load::kSprite ? std::string(row.path) + ".bmp" : row.path;
        if (std::filesystem::is_regular_file(folder / file, ec)) return true;
    }
    return false;
}
