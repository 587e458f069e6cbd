#include "dump.h"

#include "json_writer.h"

#include "collision/obstacle_store.h"
#include "core/core.h"
#include "core/gui.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/projectile.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "sound/sound_manager.h"

#include <fstream>

namespace {

const char* enemyKind(const Enemy& e) {
    if (dynamic_cast<const MarioBig*>(&e) != nullptr) return "MarioBig";
    if (dynamic_cast<const FireMario*>(&e) != nullptr) return "FireMario";
    return "Mario";
}

const char* projectileKind(const Projectile& p) {
    if (dynamic_cast<const Rocket*>(&p) != nullptr) return "Rocket";
    if (dynamic_cast<const Fireball*>(&p) != nullptr) return "Fireball";
    return "Bullet";
}

template <typename Node>
int countNodes(const Node* node) {
    int count = 0;
    for (; node != nullptr; node = node->next)
        ++count;
    return count;
}

void writeHero(JsonWriter& json) {
    json.beginObject("hero");
    if (hero != nullptr) {
        json.number("x", hero->x);
        json.number("y", hero->y);
        json.number("angle", hero->angle);
        json.integer("health", hero->health);
        json.integer("armour", hero->armour);
        json.integer("weaponIndex", hero->weaponIndex);
        json.beginArray("ammo");
        for (const Weapon* w : hero->weapons)
            json.integer(nullptr, w->ammo);
        json.endArray();
        json.number("deathTime", hero->deathTime);
    }
    json.endObject();
}

void writeEnemies(JsonWriter& json) {
    json.beginArray("enemies");
    for (const Enemy* e = enemies != nullptr ? enemies->head : nullptr; e != nullptr; e = e->next) {
        json.beginObject();
        json.string("kind", enemyKind(*e));
        json.number("x", e->x);
        json.number("y", e->y);
        json.integer("health", e->health);
        json.boolean("detouring", e->detouring);
        json.boolean("seesTarget", e->seesTarget);
        json.endObject();
    }
    json.endArray();
}

void writeObstacles(JsonWriter& json) {
    json.beginArray("obstacles");
    for (int i = 0; obstacles != nullptr && i < obstacles->count; ++i) {
        const GameObject& o = *obstacles->entries[i];
        json.beginObject();
        json.number("x", o.x);
        json.number("y", o.y);
        json.integer("width", o.width);
        json.integer("height", o.height);
        json.integer("kind", o.kind);
        json.endObject();
    }
    json.endArray();
}

void writeProjectiles(JsonWriter& json) {
    json.beginArray("projectiles");
    for (const Projectile* p = projectiles != nullptr ? projectiles->head : nullptr; p != nullptr;
         p = p->next) {
        json.beginObject();
        json.string("kind", projectileKind(*p));
        json.number("x", p->x);
        json.number("y", p->y);
        json.number("life", p->life);
        json.endObject();
    }
    json.endArray();
}

void writeAssets(JsonWriter& json) {
    json.beginObject("effects");
    json.integer("ground", effects != nullptr ? countNodes(effects->ground) : 0);
    json.integer("top", effects != nullptr ? countNodes(effects->top) : 0);
    json.endObject();
    json.beginArray("sprites");
    for (int handle = 0; handle < spriteCount(); ++handle) {
        const SpriteInfo info = spriteInfo(handle);
        json.beginObject();
        json.integer("handle", handle);
        json.string("path", info.path);
        json.boolean("loaded", info.loaded);
        json.endObject();
    }
    json.endArray();
    json.beginArray("sounds");
    const SoundManager& sounds = soundManager();
    for (int handle = 0; handle < sounds.count; ++handle) {
        json.beginObject();
        json.integer("handle", handle);
        json.string("path", sounds.sounds[handle].path);
        json.boolean("playing", soundPlaying(handle));
        json.endObject();
    }
    json.endArray();
}

} // namespace

bool writeDump(const std::string& file, const Core& core, int pass) {
    JsonWriter json;
    json.beginObject();
    json.integer("pass", pass);
    json.integer("loopState", core.loopState);
    json.number("now", now());
    json.number("frameTime", frameTime());
    json.integer("screen", gui.screen);
    json.integer("score", hero != nullptr ? hero->score : 0);
    json.integer("enemiesLeft", hero != nullptr ? hero->enemiesLeft : 0);
    writeHero(json);
    writeEnemies(json);
    writeObstacles(json);
    writeProjectiles(json);
    writeAssets(json);
    json.endObject();
    std::ofstream out(file, std::ios::trunc);
    out << json.text() << '\n';
    return static_cast<bool>(out);
}

void killEveryEnemy() {
    for (Enemy* e = enemies != nullptr ? enemies->head : nullptr; e != nullptr; e = e->next)
        e->health = 0;
}
