#include "core/asset_table.h"

#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

#include <string>
#include <system_error>

namespace {

enum class Load { kSprite, kBackground, kSound };

struct Row {
    const char* path;
    Load load;
    int Assets::*field;
    const char* progressAfter; // a log line written after this row, or null
};

// The order is fixed: handles are given out in load order, and the log lines sit between
// the same rows on every run (there is no fifth numbered line).
constexpr Row kRows[] = {
    {"./images/mario_big", Load::kSprite, &Assets::marioBig, nullptr},
    {"./images/fire_mario", Load::kSprite, &Assets::fireMario, nullptr},
    {"./sounds/mariohurt.wav", Load::kSound, &Assets::marioHurtSound, nullptr},
    {"./sounds/memario.wav", Load::kSound, &Assets::meMarioSound, "Made it here 2"},
    {"./images/crater", Load::kSprite, &Assets::crater, nullptr},
    {"./images/blood1", Load::kSprite, &Assets::blood1, nullptr},
    {"./images/blood2", Load::kSprite, &Assets::blood2, "Made it here 3"},
    {"./images/player", Load::kSprite, &Assets::player, nullptr},
    {"./images/mario", Load::kSprite, &Assets::mario, "Made it here 4"},
    {"./images/bullet", Load::kSprite, &Assets::bullet, nullptr},
    {"./images/rocket", Load::kSprite, &Assets::rocket, nullptr},
    {"./images/bomb", Load::kSprite, &Assets::bomb, nullptr},
    {"./images/fireball", Load::kSprite, &Assets::fireball, nullptr},
    {"./images/arrow", Load::kSprite, &Assets::arrow, nullptr},
    {"./images/health", Load::kSprite, &Assets::health, nullptr},
    {"./images/armor", Load::kSprite, &Assets::armor, nullptr},
    {"./images/speedup", Load::kSprite, &Assets::speedup, nullptr},
    {"./images/extralife", Load::kSprite, &Assets::extraLife, nullptr},
    {"./images/handgun", Load::kSprite, &Assets::handgun, nullptr},
    {"./images/rifle", Load::kSprite, &Assets::rifle, nullptr},
    {"./images/launcher", Load::kSprite, &Assets::launcher, nullptr},
    {"./images/bombs", Load::kSprite, &Assets::bombs, nullptr},
    {"./images/background.bmp", Load::kBackground, &Assets::background, nullptr},
    {"./sounds/outro.wav", Load::kSound, &Assets::outroSound, nullptr},
    {"./sounds/b1.wav", Load::kSound, &Assets::b1Sound, nullptr},
    {"./sounds/rocketshoot.wav", Load::kSound, &Assets::rocketShootSound, nullptr},
    {"./sounds/swing.wav", Load::kSound, &Assets::swingSound, nullptr},
    {"./sounds/handgunshoot.wav", Load::kSound, &Assets::handgunShootSound, nullptr},
    {"./sounds/noammo.wav", Load::kSound, &Assets::noAmmoSound, nullptr},
    {"./sounds/weaponpickup.wav", Load::kSound, &Assets::weaponPickupSound, nullptr},
    {"./sounds/healthpickup.wav", Load::kSound, &Assets::healthPickupSound, nullptr},
    {"./sounds/speeduppickup.wav", Load::kSound, &Assets::speedupPickupSound, nullptr},
    {"./sounds/itemspawn.wav", Load::kSound, &Assets::itemSpawnSound, nullptr},
    {"./sounds/ricochet.wav", Load::kSound, &Assets::ricochetSound, nullptr},
    {"./sounds/mariocollide.wav", Load::kSound, &Assets::marioCollideSound, nullptr},
    {"./sounds/fireBall.wav", Load::kSound, &Assets::fireBallSound, nullptr},
    {"./sounds/arrowcolide.wav", Load::kSound, &Assets::arrowColideSound, nullptr},
    {"./sounds/blemphurt2.wav", Load::kSound, &Assets::blempHurt2Sound, nullptr},
    {"./sounds/blempdie.wav", Load::kSound, &Assets::blempDieSound, nullptr},
    {"./sounds/explosion.wav", Load::kSound, &Assets::explosionSound, nullptr},
    {"./sounds/explosion2.wav", Load::kSound, &Assets::explosion2Sound, "Made it here 6"},
    {"./images/explosion1", Load::kSprite, &Assets::explosion1, nullptr},
    {"./images/explosion2", Load::kSprite, &Assets::explosion2, nullptr},
    {"./images/smoke1", Load::kSprite, &Assets::smoke1, nullptr},
    {"./images/smoke2", Load::kSprite, &Assets::smoke2, nullptr},
    {"./images/pool", Load::kSprite, &Assets::pool, "Made it here!#$!@$"},
};

static_assert(sizeof kRows / sizeof kRows[0] == 46);

int loadRow(const Row& row) {
    switch (row.load) {
    case Load::kSprite:
        return loadImage(row.path, 2);
    case Load::kBackground:
        return loadImage(row.path, 0);
    case Load::kSound:
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
            row.load == Load::kSprite ? std::string(row.path) + ".bmp" : row.path;
        if (std::filesystem::is_regular_file(folder / file, ec)) return true;
    }
    return false;
}
