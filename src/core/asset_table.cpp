#include "core/asset_table.h"

#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

#include <string>
#include <system_error>

namespace {

enum class Load { Sprite, Background, Sound };

struct Row {
    const char* path;
    Load load;
    int Assets::*field;
    const char* progressAfter; // a log line written after this row, or null
};

// The order is fixed: handles are given out in load order, and the log lines sit between
// the same rows on every run (there is no fifth numbered line).
constexpr Row kRows[] = {
    {"./images/mario_big", Load::Sprite, &Assets::marioBig, nullptr},
    {"./images/fire_mario", Load::Sprite, &Assets::fireMario, nullptr},
    {"./sounds/mariohurt.wav", Load::Sound, &Assets::marioHurtSound, nullptr},
    {"./sounds/memario.wav", Load::Sound, &Assets::meMarioSound, "Made it here 2"},
    {"./images/crater", Load::Sprite, &Assets::crater, nullptr},
    {"./images/blood1", Load::Sprite, &Assets::blood1, nullptr},
    {"./images/blood2", Load::Sprite, &Assets::blood2, "Made it here 3"},
    {"./images/player", Load::Sprite, &Assets::player, nullptr},
    {"./images/mario", Load::Sprite, &Assets::mario, "Made it here 4"},
    {"./images/bullet", Load::Sprite, &Assets::bullet, nullptr},
    {"./images/rocket", Load::Sprite, &Assets::rocket, nullptr},
    {"./images/bomb", Load::Sprite, &Assets::bomb, nullptr},
    {"./images/fireball", Load::Sprite, &Assets::fireball, nullptr},
    {"./images/arrow", Load::Sprite, &Assets::arrow, nullptr},
    {"./images/health", Load::Sprite, &Assets::health, nullptr},
    {"./images/armor", Load::Sprite, &Assets::armor, nullptr},
    {"./images/speedup", Load::Sprite, &Assets::speedup, nullptr},
    {"./images/extralife", Load::Sprite, &Assets::extraLife, nullptr},
    {"./images/handgun", Load::Sprite, &Assets::handgun, nullptr},
    {"./images/rifle", Load::Sprite, &Assets::rifle, nullptr},
    {"./images/launcher", Load::Sprite, &Assets::launcher, nullptr},
    {"./images/bombs", Load::Sprite, &Assets::bombs, nullptr},
    {"./images/background.bmp", Load::Background, &Assets::background, nullptr},
    {"./sounds/outro.wav", Load::Sound, &Assets::outroSound, nullptr},
    {"./sounds/b1.wav", Load::Sound, &Assets::b1Sound, nullptr},
    {"./sounds/rocketshoot.wav", Load::Sound, &Assets::rocketShootSound, nullptr},
    {"./sounds/swing.wav", Load::Sound, &Assets::swingSound, nullptr},
    {"./sounds/handgunshoot.wav", Load::Sound, &Assets::handgunShootSound, nullptr},
    {"./sounds/noammo.wav", Load::Sound, &Assets::noAmmoSound, nullptr},
    {"./sounds/weaponpickup.wav", Load::Sound, &Assets::weaponPickupSound, nullptr},
    {"./sounds/healthpickup.wav", Load::Sound, &Assets::healthPickupSound, nullptr},
    {"./sounds/speeduppickup.wav", Load::Sound, &Assets::speedupPickupSound, nullptr},
    {"./sounds/itemspawn.wav", Load::Sound, &Assets::itemSpawnSound, nullptr},
    {"./sounds/ricochet.wav", Load::Sound, &Assets::ricochetSound, nullptr},
    {"./sounds/mariocollide.wav", Load::Sound, &Assets::marioCollideSound, nullptr},
    {"./sounds/fireBall.wav", Load::Sound, &Assets::fireBallSound, nullptr},
    {"./sounds/arrowcolide.wav", Load::Sound, &Assets::arrowColideSound, nullptr},
    {"./sounds/blemphurt2.wav", Load::Sound, &Assets::blempHurt2Sound, nullptr},
    {"./sounds/blempdie.wav", Load::Sound, &Assets::blempDieSound, nullptr},
    {"./sounds/explosion.wav", Load::Sound, &Assets::explosionSound, nullptr},
    {"./sounds/explosion2.wav", Load::Sound, &Assets::explosion2Sound, "Made it here 6"},
    {"./images/explosion1", Load::Sprite, &Assets::explosion1, nullptr},
    {"./images/explosion2", Load::Sprite, &Assets::explosion2, nullptr},
    {"./images/smoke1", Load::Sprite, &Assets::smoke1, nullptr},
    {"./images/smoke2", Load::Sprite, &Assets::smoke2, nullptr},
    {"./images/pool", Load::Sprite, &Assets::pool, "Made it here!#$!@$"},
};

static_assert(sizeof kRows / sizeof kRows[0] == 46);

int loadRow(const Row& row) {
    switch (row.load) {
    case Load::Sprite:
        return loadImage(row.path, 2);
    case Load::Background:
        return loadImage(row.path, 0);
    case Load::Sound:
        return loadSound(row.path);
    }
    return -1;
}

} // namespace

void loadStartupAssets() {
    for (const Row& row : kRows) {
        assets.*row.field = loadRow(row);
        if (row.progressAfter != nullptr) logMessage("%s", row.progressAfter);
    }
}

bool holdsAnAssetFile(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const Row& row : kRows) {
        const std::string file =
            row.load == Load::Sprite ? std::string(row.path) + ".bmp" : row.path;
        if (std::filesystem::is_regular_file(folder / file, ec)) return true;
    }
    return false;
}
