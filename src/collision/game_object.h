#pragma once
// The record shared by everything that collides: hero, enemies, walls and blocks,
// projectiles. The store, the movement and the sight test work on it without knowing the
// family; each family adds its fields behind these and its own operations.

// Values of GameObject::kind and ignoreKind. 2 and 3 are unused; the numbers are compared
// as they stand throughout the game.
enum ObjectKind : int {
    kKindNone = -1, // ignoreKind only: collides with every kind
    kKindEnemy = 0,
    kKindWall = 1, // walls and blocks alike
    kKindPlayer = 4,
    kKindProjectile = 5,
};

// A side of a rectangle, as a contact strikes it and as a sight line meets it.
enum Side : int {
    kSideNone = -1,
    kSideLeft = 0,
    kSideTop = 1,
    kSideRight = 2,
    kSideBottom = 3,
};

class GameObject {
  public:
    // Velocities start at 0; each family sets the rest (the blanks below only keep it defined).
    GameObject() = default;
    // Lists delete their objects through this base.
    virtual ~GameObject() = default;

    // Called on a moving object whose path this frame was stopped by other, before it is set
    // down: it still stands where it began the frame. side is the struck Side of other's
    // enlarged rectangle; flag is always 1. The base does nothing.
    virtual void collide(GameObject* other, int side, int flag);

    float x = 0.0f;     // left edge, world px
    float y = 0.0f;     // top edge, world px
    int width = 0;      // px; the centre is x + width / 2
    int height = 0;     // px
    float pushX = 0.0f; // knock-back velocity, px/s, decayed each update
    float pushY = 0.0f;
    int sprite = -1;       // sprite handle
    int frame = 0;         // animation frame
    int column = 0;        // sprite column when drawn with drawSprite
    float animTime = 0.0f; // ms gathered for the walking animation
    float life = 0.0f;     // projectiles: seconds left
    // Walls and blocks: store entry of the wall touching exactly on that side, -1 for none.
    int rightNeighbour = -1;
    int topNeighbour = -1;
    int leftNeighbour = -1;
    int bottomNeighbour = -1;
    int ignoreKind = kKindNone; // a kind this object never meets, in either direction
    float moveX = 0.0f;         // own velocity this frame, px/s
    float moveY = 0.0f;
    int kind = kKindEnemy;   // an ObjectKind value
    bool seesTarget = false; // enemies: the hero was in sight this frame
};

// Knock-back fades: each push is divided by 1.2 and dropped once its truncated value is at
// most 1 in magnitude, that is below 2 px/s. Applied once a pass to each mover: before the
// hero's and a projectile's move, after an enemy's (as it is drawn).
void decayPush(GameObject& object);

// Whether a moving object m can be stopped by o: never itself, never its own kind, never a
// kind that either of them ignores.
bool canMeet(const GameObject& m, const GameObject& o);
