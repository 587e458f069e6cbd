#include "core/game_screen.h"

#include "core/gui.h"
#include "core/loop_state.h"
#include "core/text.h"
#include "game/assets.h"
#include "game/player.h"
#include "game/weapon.h"
#include "game/world.h"
#include "platform/clock.h"
#include "platform/log.h"

constinit GameScreen gameScreen{};

namespace {

constexpr float kDeathNoticeMs = 2000.0f;

} // namespace

void drawHud() {
    drawText(30, 10, "LEVEL 1");
    drawText(250, 10, "SCORE %i", hero->score);
    drawText(500, 10, "ENEMIES %i", hero->enemiesLeft);
    drawIcon(assets.armor, 420, 550);
    drawText(450, 550, "%i", hero->armour);
    drawIcon(assets.health, 300, 550);
    drawText(330, 550, "%i", hero->health);
    drawIcon(hero->weapon->icon, 10, 550);
    // A weapon fires only while it holds more than one unit, so the shots left are one fewer.
    drawText(55, 550, "%i", hero->weapon->ammo - 1);
    if (now() - kDeathNoticeMs < hero->deathTime) drawText(200, 300, "TRY NOT TO DIE SO MUCH");
}

int GameScreen::updateGame() {
    if (hero == nullptr) {
        logMessage("No player found!");
        return kLoopStop;
    }
    const int result = world->update(hero);
    if (result == kWorldCleared) startEndScreen();
    drawHud();
    switch (result) {
    case kWorldCleared:
        return kLoopTitles;
    case kWorldStopped:
        return kLoopStop;
    default:
        return kLoopGame;
    }
}
