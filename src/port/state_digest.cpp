#include "port/state_digest.h"

#include "base/random.h"
#include "collision/obstacle_store.h"
#include "core/core.h"
#include "core/game_screen.h"
#include "core/gui.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/projectile.h"
#include "game/weapon.h"
#include "game/world.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <typeinfo>

namespace {

// FNV-1a over the values' bytes; floats by their bit patterns, so that a difference in the
// last bit shows.
class Hasher {
  public:
    template <typename T>
    void add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char b : bytes)
            state = (state ^ b) * 0x100000001b3ULL;
    }
    void addName(const char* text) {
        for (; *text != '\0'; ++text)
            add(*text);
        add('\0');
    }
    std::uint64_t value() const { return state; }

  private:
    std::uint64_t state = 0xcbf29ce484222325ULL;
};

void addObject(Hasher& h, const GameObject& o) {
    h.addName(typeid(o).name());
    h.add(o.x);
    h.add(o.y);
    h.add(o.width);
    h.add(o.height);
    h.add(o.pushX);
    h.add(o.pushY);
    h.add(o.sprite);
    h.add(o.frame);
    h.add(o.column);
    h.add(o.animTime);
    h.add(o.life);
    h.add(o.ignoreKind);
    h.add(o.moveX);
    h.add(o.moveY);
    h.add(o.kind);
    h.add(o.seesTarget);
}

std::uint64_t screens(const Core& core) {
    Hasher h;
    h.add(core.loopState);
    h.add(gui.selection);
    h.add(gui.cursorFrame);
    h.add(gui.menuClock);
    h.add(gui.introClock);
    h.add(gui.endClock);
    h.add(gui.screen);
    h.add(gui.scrollOffset);
    if (const World* world = gameScreen.world) {
        h.add(world->soundClock);
        h.add(world->levelMusic);
    }
    return h.value();
}

std::uint64_t heroState() {
    Hasher h;
    if (hero == nullptr) return h.value();
    addObject(h, *hero);
    h.add(hero->facingX);
    h.add(hero->facingY);
    h.add(hero->facingZ);
    h.add(hero->angle);
    h.add(hero->speed);
    h.add(hero->turnRate);
    h.add(hero->health);
    h.add(hero->armour);
    h.add(hero->score);
    h.add(hero->enemiesLeft);
    h.add(hero->weaponIndex);
    h.add(hero->deathTime);
    for (const Weapon* w : hero->weapons) {
        h.add(w->ammo);
        h.add(w->ammoPerShot);
        h.add(w->reloadTime);
        h.add(w->lastShotTime);
    }
    return h.value();
}

std::uint64_t enemyState() {
    Hasher h;
    for (const Enemy* e = enemies != nullptr ? enemies->head : nullptr; e != nullptr; e = e->next) {
        addObject(h, *e);
        h.add(e->pathX);
        h.add(e->pathY);
        h.add(e->pathCount);
        h.add(e->detouring);
        h.add(e->health);
    }
    return h.value();
}

std::uint64_t projectileState() {
    Hasher h;
    for (const Projectile* p = projectiles != nullptr ? projectiles->head : nullptr; p != nullptr;
         p = p->next) {
        addObject(h, *p);
        h.add(p->speed);
    }
    return h.value();
}

void addEffects(Hasher& h, const Effect* node) {
    for (; node != nullptr; node = node->next) {
        h.add(node->sprite);
        h.add(node->x);
        h.add(node->y);
        h.add(node->dirX);
        h.add(node->dirY);
        h.add(node->speed);
        h.add(node->life);
    }
    h.add(-1); // the end of a list
}

std::uint64_t effectState() {
    Hasher h;
    if (effects != nullptr) {
        addEffects(h, effects->ground);
        addEffects(h, effects->top);
    }
    return h.value();
}

// Only the order and the places: the movers' own state is in their parts above, and a wall's
// or block's size, sprite and links are set once, when the level is built.
std::uint64_t storeState() {
    Hasher h;
    for (int i = 0; obstacles != nullptr && i < obstacles->count; ++i) {
        const GameObject& o = *obstacles->entries[i];
        h.add(o.kind);
        h.add(o.x);
        h.add(o.y);
    }
    return h.value();
}

std::uint64_t randomGeneratorState() {
    Hasher h;
    h.add(randomState());
    return h.value();
}

constexpr const char* kDifferences[kStatePartCount] = {
    "the screens differ",          "the hero differs",   "the enemies differ",
    "the projectiles differ",      "the effects differ", "the obstacle store differs",
    "the random generator differs"};

} // namespace

StateDigest digestState(const Core& core) {
    return StateDigest{{screens(core), heroState(), enemyState(), projectileState(), effectState(),
                        storeState(), randomGeneratorState()}};
}

const char* stateDifference(int part) {
    return part >= 0 && part < kStatePartCount ? kDifferences[part] : "?";
}

void formatDigest(const StateDigest& digest, char (&text)[kDigestTextSize]) {
    for (int i = 0; i < kStatePartCount; ++i)
        std::snprintf(text + i * 17, sizeof text - i * 17, "%016" PRIx64 "%s", digest.parts[i],
                      i + 1 < kStatePartCount ? " " : "");
}

bool readDigest(const char* text, StateDigest& digest) {
    for (int i = 0; i < kStatePartCount; ++i) {
        if (i > 0 && *text++ != ' ') return false;
        std::uint64_t value = 0;
        for (int digit = 0; digit < 16; ++digit, ++text) {
            const char c = *text;
            const int nibble = c >= '0' && c <= '9'   ? c - '0'
                               : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                      : -1;
            if (nibble < 0) return false;
            value = value << 4 | static_cast<std::uint64_t>(nibble);
        }
        digest.parts[i] = value;
    }
    return *text == '\0';
}
