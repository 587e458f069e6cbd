#pragma once
// The level's lists of movers, enemies and projectiles: a mover is listed only once the
// level's store holds it.
#include "collision/obstacle_store.h"

// Puts mover into the level's store and at the front of the list from head. A mover the
// store cannot hold, or any mover while there is no store, would pass through everything and
// could never be taken out of the store again: it is deleted, never listed, and false
// returned. False for null too.
template <typename Mover>
bool storeAndList(Mover*& head, Mover* mover) {
    if (mover == nullptr) return false;
    if (obstacles == nullptr || !obstacles->insert(mover)) {
        delete mover;
        return false;
    }
    mover->next = head;
    head = mover;
    return true;
}
