#include "game/draw_obstacles.h"

#include "collision/game_object.h"
#include "collision/obstacle_store.h"
#include "graphics/sprite_registry.h"

void drawObstacles(const ObstacleStore& store) {
    // Every wall is drawn, seen or not: the registry clips.
    for (int i = 0; i < store.count; ++i) {
        const GameObject& entry = *store.entries[i];
        if (entry.kind != kKindWall) continue;
        drawSprite(entry.sprite, static_cast<int>(entry.x), static_cast<int>(entry.y), 0, 0);
    }
}
