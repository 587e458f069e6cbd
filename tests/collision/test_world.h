#pragma once
// A store and the objects in it, built in one line each, for the collision tests.
#include "collision/cell_set.h"
#include "collision/game_object.h"
#include "collision/obstacle.h"
#include "collision/obstacle_store.h"

#include <memory>
#include <utility>
#include <vector>

using Objects = std::vector<const GameObject*>;

// A mover that remembers what its path last ran into.
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
        struck = other;
        struckSide = side;
    }
    GameObject* struck = nullptr;
    int struckSide = -1;
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
    Objects cell(int cx, int cy) const {
        Objects found;
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
