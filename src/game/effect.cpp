#include "game/effect.h"

#include "graphics/sprite_registry.h"

void Effect::advance(float frameMs) {
    x += static_cast<float>(speed) * dirX * frameMs / 1000.0f;
    y += static_cast<float>(speed) * dirY * frameMs / 1000.0f;
}

void Effect::draw() const {
    drawSprite(sprite, static_cast<int>(x), static_cast<int>(y), 1, 0);
}
