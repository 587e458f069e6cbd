#include "game/enemy_list.h"

#include "base/linked_list.h"
#include "collision/line_of_sight.h"
#include "collision/obstacle_store.h"
#include "game/enemy.h"
#include "game/player.h"
#include "game/stored_list.h"

EnemyList* enemies = nullptr;

namespace {

// The sight query's outputs, shared by every query of one pass.
struct PassSight {
    bool seen = false;
    int wx = -1;
    int wy = -1;
};

void look(const Enemy& e, int tx, int ty, PassSight& sight) {
    lineOfSight(obstacles, static_cast<int>(e.x), static_cast<int>(e.y), e.width, e.height, tx, ty,
                sight.seen, sight.wx, sight.wy);
}

bool inWindow(const Enemy& e, float viewX, float viewY) {
    return viewX - EnemyList::kWindow <= e.x && e.x <= viewX + EnemyList::kWindow &&
           viewY - EnemyList::kWindow <= e.y && e.y <= viewY + EnemyList::kWindow;
}

// Looks for the hero and sets e's path: straight to the hero when seen, else to a waypoint
// beside the blocking chain, or past the next chain when that waypoint is hidden too.
void chooseWaypoint(Enemy& e, float heroX, float heroY, PassSight& sight) {
    look(e, static_cast<int>(heroX + 7.0f), static_cast<int>(heroY + 7.0f), sight);
    e.seesTarget = sight.seen;
    // A detour is walked to its end, even past a hero in plain sight.
    if (e.detouring) return;
    if (sight.seen) {
        e.pathX[0] = static_cast<int>(heroX);
        e.pathY[0] = static_cast<int>(heroY);
    } else {
        e.pathX[0] = sight.wx;
        e.pathY[0] = sight.wy;
        look(e, sight.wx, sight.wy, sight);
        if (!sight.seen) {
            e.pathX[0] = sight.wx;
            e.pathY[0] = sight.wy;
        }
        e.detouring = true;
    }
    e.pathCount = 1;
}

} // namespace

EnemyList::~EnemyList() {
    unlinkIf(
        head, [](const Enemy&) { return true; },
        [](Enemy* e) {
            if (obstacles != nullptr) obstacles->remove(e);
            delete e;
        });
}

bool EnemyList::add(Enemy* e) {
    return storeAndList(head, e);
}

bool EnemyList::remove(Enemy* e) {
    bool removed = false;
    // Only a listed e is taken out of the store, and only one the store gave up is unlinked.
    unlinkIf(
        head,
        [e](const Enemy& at) { return &at == e && obstacles != nullptr && obstacles->remove(e); },
        [&removed](Enemy* gone) {
            delete gone;
            removed = true;
        });
    return removed;
}

void EnemyList::update(float heroX, float heroY, float viewX, float viewY) {
    PassSight sight;
    for (Enemy* e = head; e != nullptr;) {
        if (inWindow(*e, viewX, viewY)) {
            chooseWaypoint(*e, heroX, heroY, sight);
            e->moveTowardTarget();
            e->animateAndDraw();
            e->act(hero);
        }
        Enemy* following = e->next; // e may be destroyed below
        // Counted only when it really leaves, so a dead enemy can never score twice.
        if (e->health <= 0 && remove(e) && hero != nullptr) {
            hero->score += kKillScore;
            --hero->enemiesLeft;
        }
        e = following;
    }
}
