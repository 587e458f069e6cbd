#pragma once
// A store and the objects in it, built in one line each, for the collision tests.
#include "collision/cell_set.h"
#include "collision/game_object.h"
#include "collision/obstacle.h"
#include "collision/obstacle_store.h"

#include <memory>
#include <utility>
#include <vector>

// A mover that remembers what its path ran into, and where it stood when told.
class Probe : public GameObject {
  public:
    Probe(int kind, float x, float y, int width, int height) {
        this->kind = kind;
        this->x = x;
        this->y = y;
        this->width = width;
        this->height = height;
    }
    void collide(GameObject* other, int side, int) override {
        ++calls;
        struck = other;
        struckSide = side;
        stoodAt = {x, y};
    }
    int calls = 0;
    GameObject* struck = nullptr;
    int struckSide = -1;
    std::pair<float, float> stoodAt{};
};

class TestWorld {
  public:
    // A probe of that kind, inserted into the store.
    Probe& add(int kind, float x, float y, int width, int height) {
        return keep(std::make_unique<Probe>(kind, x, y, width, height));
    }
    Obstacle& wall(int x, int y, int width, int height) {
        return keep(std::make_unique<Obstacle>(x, y, width, height, 0));
    }
    // The objects of cell (cx, cy)'s list, in list order.
    std::vector<const GameObject*> cell(int cx, int cy) const {
        std::vector<const GameObject*> found;
        for (const CellNode* n = store.cellList(cx, cy); n != nullptr; n = n->next)
            found.push_back(n->object);
        return found;
    }
    ObstacleStore store;

  private:
    template <typename T>
    T& keep(std::unique_ptr<T> object) {
        T& kept = *object;
        store.insert(&kept);
        owned.push_back(std::move(object));
        return kept;
    }
    std::vector<std::unique_ptr<GameObject>> owned;
};

// The pairs of a set, for comparing with an expected list.
inline std::vector<std::pair<int, int>> pairsOf(const CellSet& set) {
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < set.count; ++i)
        pairs.emplace_back(set.cells[i].cx, set.cells[i].cy);
    return pairs;
}
