// Kept apart from the store so that programs that never draw (the unit tests, the
// benchmarks) link the store without the sprite registry.
#include "collision/game_object.h"
#include "collision/obstacle_store.h"
#include "graphics/sprite_registry.h"

void ObstacleStore::drawObstacles() const {
    // Every wall is drawn, seen or not: the registry clips.
    for (int i = 0; i < count; ++i) {
        const GameObject& entry = *entries[i];
        if (entry.kind != KindWall) continue;
        drawSprite(entry.sprite, static_cast<int>(entry.x), static_cast<int>(entry.y), 0, 0);
    }
}
