#pragma once
// One visual effect: a sprite at a world position that drifts and fades out. Effects take
// no part in the game's rules and never collide.

struct Effect {
    int sprite = -1; // sprite handle
    float x = 0;     // world x of the top-left corner
    float y = 0;     // world y of the top-left corner
    float dirX = 0;  // drift direction; not of unit length
    float dirY = 0;
    int speed = 0;          // drift speed factor, px/s: the drift velocity is dir * speed
    float life = 0;         // remaining lifetime, seconds
    Effect* next = nullptr; // next node of the same list

    Effect() = default;
    Effect(int sprite, float x, float y, float dirX, float dirY, int speed, float life)
        : sprite(sprite), x(x), y(y), dirX(dirX), dirY(dirY), speed(speed), life(life) {}

    // Moves the node by frameMs milliseconds of its drift.
    void advance(float frameMs);

    // Draws frame 1, column 0 of the sprite at the position truncated towards zero.
    void draw() const;
};
