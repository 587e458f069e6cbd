#include "collision/obstacle_store.h"

#include "base/arena.h"
#include "collision/game_object.h"
#include "platform/log.h"

ObstacleStore* obstacles = nullptr;

namespace {

// Exact float equality on purpose: only walls placed edge to edge are one chain.
void linkIfSideBySide(GameObject& left, int leftIndex, GameObject& right, int rightIndex) {
    if (left.x + left.width != right.x || left.y != right.y) return;
    right.leftNeighbour = leftIndex;
    left.rightNeighbour = rightIndex;
}

void linkIfStacked(GameObject& top, int topIndex, GameObject& bottom, int bottomIndex) {
    if (top.y + top.height != bottom.y || top.x != bottom.x) return;
    bottom.topNeighbour = topIndex;
    top.bottomNeighbour = bottomIndex;
}

// Each of the four ways round, in this order: s right of object, left of it, below, above.
void linkPair(GameObject& object, int objectIndex, GameObject& s, int sIndex) {
    linkIfSideBySide(object, objectIndex, s, sIndex);
    linkIfSideBySide(s, sIndex, object, objectIndex);
    linkIfStacked(object, objectIndex, s, sIndex);
    linkIfStacked(s, sIndex, object, objectIndex);
}

// A link into the shifted part of the entries follows its wall down one slot.
void renumber(int& link, int removed) {
    if (link == removed) {
        link = -1;
    } else if (link > removed) {
        --link;
    }
}

void clearLinks(GameObject& object) {
    object.rightNeighbour = object.topNeighbour = -1;
    object.leftNeighbour = object.bottomNeighbour = -1;
}

} // namespace

ObstacleStore::ObstacleStore() = default;

bool ObstacleStore::onGrid(int cx, int cy) {
    return cx >= 0 && cx < kGridCells && cy >= 0 && cy < kGridCells;
}

void ObstacleStore::linkNeighbours(GameObject& object) {
    // The last wall scanned that passes a test wins it.
    for (int i = 0; i < count; ++i) {
        if (entries[i]->kind == kKindWall) linkPair(object, count, *entries[i], i);
    }
}

bool ObstacleStore::insert(GameObject* object) {
    if (object == nullptr) return false;
    if (count >= kMaxEntries) {
        logError("obstacle store full, object not added");
        return false;
    }
    if (object->kind == kKindWall) linkNeighbours(*object);
    CellSet set;
    edgeCells(*object, set);
    entries[count++] = object;
    for (int i = 0; i < set.count; ++i)
        addToCell(set.cells[i].cx, set.cells[i].cy, object);
    return true;
}

bool ObstacleStore::remove(GameObject* object) {
    if (object == nullptr) return false;
    CellSet set;
    edgeCells(*object, set);
    for (int i = 0; i < set.count; ++i)
        removeFromCell(set.cells[i].cx, set.cells[i].cy, object);
    for (int i = 0; i < count; ++i) {
        if (entries[i] == object) return removeAt(i);
    }
    return false;
}

void ObstacleStore::renumberLinks(int removed) {
    for (int i = 0; i < count; ++i) {
        GameObject& entry = *entries[i];
        renumber(entry.rightNeighbour, removed);
        renumber(entry.topNeighbour, removed);
        renumber(entry.leftNeighbour, removed);
        renumber(entry.bottomNeighbour, removed);
    }
}

bool ObstacleStore::removeAt(int index) {
    if (index < 0 || index >= count) return false;
    GameObject* removed = entries[index];
    for (int i = index + 1; i < count; ++i)
        entries[i - 1] = entries[i];
    entries[--count] = nullptr;
    renumberLinks(index);
    bool stillHeld = false;
    for (int i = 0; i < count && !stillHeld; ++i)
        stillHeld = entries[i] == removed;
    // Links are slot numbers of this store; they mean nothing once the object has left it.
    if (!stillHeld) clearLinks(*removed);
    return true;
}

void ObstacleStore::addToCell(int cx, int cy, GameObject* object) {
    if (!onGrid(cx, cy)) return;
    CellNode* node = pool.acquire(CellNode{.object = object});
    if (node == nullptr) {
        logError("no memory for a cell node");
        return;
    }
    CellNode** link = &cells[cy * kGridCells + cx];
    while (*link != nullptr)
        link = &(*link)->next;
    *link = node;
}

void ObstacleStore::removeFromCell(int cx, int cy, GameObject* object) {
    if (!onGrid(cx, cy)) return;
    for (CellNode** link = &cells[cy * kGridCells + cx]; *link != nullptr; link = &(*link)->next) {
        if ((*link)->object == object) {
            CellNode* node = *link;
            *link = node->next;
            pool.release(node);
            return;
        }
    }
}

const CellNode* ObstacleStore::cellList(int cx, int cy) const {
    return onGrid(cx, cy) ? cells[cy * kGridCells + cx] : nullptr;
}

bool placeInStore(ObstacleStore* store, GameObject& object, float x, float y) {
    if (store != nullptr) store->remove(&object);
    object.x = x;
    object.y = y;
    if (store == nullptr || store->insert(&object)) return true;
    logMessage("ObstacleStore: no room to put a moved object back");
    return false;
}

void keepInArena(ObstacleStore* store, GameObject& object) {
    float x = object.x;
    float y = object.y;
    if (x <= 0) x = 0;
    if (x >= kArenaSize - object.width) x = static_cast<float>(kArenaSize - object.width);
    if (y <= 0) y = 0;
    if (y >= kArenaSize - object.height) y = static_cast<float>(kArenaSize - object.height);
    if (x == object.x && y == object.y) return;
    placeInStore(store, object, x, y);
}
