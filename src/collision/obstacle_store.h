#pragma once
// Every object that takes part in collision, in insertion order, with a grid of cells that
// records which objects' edges pass through each cell, and the links between walls that
// touch edge to edge. The store does not own the objects; its cell lists own their nodes.
#include "base/pool.h"
#include "collision/cell_set.h"

#include <cstddef>

class GameObject;

// One entry of a cell's list.
struct CellNode {
    CellNode* next = nullptr; // null at the end of the list
    GameObject* object = nullptr;
};

class ObstacleStore {
  public:
    static constexpr int kMaxEntries = 1000;

    ObstacleStore();
    ObstacleStore(const ObstacleStore&) = delete;
    ObstacleStore& operator=(const ObstacleStore&) = delete;

    // Appends the object, links it to the walls it touches exactly (walls only) and records
    // it in its edge cells. False, with nothing changed, for null or when the store is full;
    // the caller keeps ownership of what was refused.
    bool insert(GameObject* object);

    // Clears the object's current edge cells, then removes its first entry. False for null or
    // a non-entry (whose edge cells are cleared all the same).
    bool remove(GameObject* object);

    // Deletes entry index, moving the later ones down. Links are renumbered so that each
    // still names the same wall, and links to the removed object become -1. False, with
    // nothing changed, when index is outside 0 to count - 1.
    bool removeAt(int index);

    // Appends a node for object at the end of cell (cx, cy)'s list; nothing outside the grid.
    // Nothing checks for repeats.
    void addToCell(int cx, int cy, GameObject* object);

    // Unlinks the first node of cell (cx, cy) holding object, if any; nothing outside the grid.
    void removeFromCell(int cx, int cy, GameObject* object);

    // Head of cell (cx, cy)'s list, in the order nodes were added; null when empty or outside.
    const CellNode* cellList(int cx, int cy) const;

    // Cell-list nodes in use, for the simulator's soak.
    std::size_t cellNodesInUse() const { return pool.inUse(); }

    int count = 0;                         // entries in use
    GameObject* entries[kMaxEntries] = {}; // 0 to count - 1, no gaps

  private:
    void linkNeighbours(GameObject& object);
    void renumberLinks(int removed);
    static bool onGrid(int cx, int cy);

    CellNode* cells[kGridCells * kGridCells] = {}; // row by row: cy * 24 + cx
    // Moving objects leave and enter cells every frame, so their nodes are recycled.
    Pool<CellNode> pool{512};
};

// The level's store, made by the world build; null until then.
extern ObstacleStore* obstacles;

// Moves object to (x, y) outside movement: out of the store, moved, and back in, so that its
// cells follow it. A null store just moves it. False when the store refuses it back, which is
// logged; the object then stays out of the store, as any refused insert leaves it.
bool placeInStore(ObstacleStore* store, GameObject& object, float x, float y);

// Puts an object whose rectangle reaches past the arena's edges back inside (x into
// 0..2400 - width, y into 0..2400 - height) through placeInStore; an object inside is left
// alone. Outside the arena no cell holds its edges, so nothing could touch it again.
void keepInArena(ObstacleStore* store, GameObject& object);
