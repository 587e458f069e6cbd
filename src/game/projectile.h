#pragma once
// Projectiles: bullets, rockets and fireballs fly straight at a constant speed, are moved
// with collision like every game object, react once to the first thing they strike and are
// then gone. The level's live projectiles are held by one ProjectileList.
#include "collision/game_object.h"

#include <cstddef>
#include <new>

class Projectile : public GameObject {
  public:
    // Every kind is made in a slot of one recycled pool, so a shot fired in steady play
    // allocates nothing. A kind larger than the slots goes to the heap as usual.
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* memory, std::size_t size) noexcept;

    float speed = 0;            // nominal speed, px/s; the motion is the direction given times this
    Projectile* next = nullptr; // next projectile of the list, null at the end

    // Forwards to hit: a projectile reacts to what stopped it in its kind's own way.
    void collide(GameObject* other, int side, int flag) override;

    // The kind's reaction to striking other, called while it still stands where it began
    // the frame. The base does nothing.
    virtual void hit(GameObject* other, int side, int flag);

    // One frame: push decay, movement with collision through the level's store, drawing at
    // the point reached (frame 1, column 1), and whatever the kind leaves behind.
    void update();

  protected:
    // (x, y) is the top-left corner; (dirX, dirY) the direction, not necessarily of unit
    // length. Lives 100 s; never meets the ownerKind that fired it.
    Projectile(int sprite, int width, int height, float speed, int ownerKind, float x, float y,
               float dirX, float dirY);

    // Called after the drawing of each update; the base leaves nothing.
    virtual void leaveTrail() {}
};

// The handgun's shot: sparks and a ricochet on anything it strikes, and a hero's bullet
// kills the enemy it strikes.
class Bullet : public Projectile {
  public:
    Bullet(int ownerKind, float x, float y, float dirX, float dirY);
    void hit(GameObject* other, int side, int flag) override;
};

// The rocket launcher's shot: smoke behind it while it flies, and on impact an explosion
// that kills every enemy the area query finds within 100 px.
class Rocket : public Projectile {
  public:
    Rocket(int ownerKind, float x, float y, float dirX, float dirY);
    void hit(GameObject* other, int side, int flag) override;

  protected:
    void leaveTrail() override;
};

// A fire-throwing enemy's shot: hurts the hero by 20 and leaves no mark.
class Fireball : public Projectile {
  public:
    Fireball(int ownerKind, float x, float y, float dirX, float dirY);
    void hit(GameObject* other, int side, int flag) override;
};

// The live projectiles, newest first. Owns them; each is in the level's store while listed.
class ProjectileList {
  public:
    ProjectileList() = default;
    // Takes every remaining projectile out of the store and destroys it.
    ~ProjectileList();
    ProjectileList(const ProjectileList&) = delete;
    ProjectileList& operator=(const ProjectileList&) = delete;

    Projectile* head = nullptr; // newest projectile, or null

    // Puts p at the front and inserts it into the level's store. A projectile the store
    // cannot take (full, or no store) is destroyed at once and false returned: it never
    // flies unseen by collision. Null is ignored (false).
    bool add(Projectile* p);

    // Takes p out of the store, unlinks it and destroys it; a p not in the list is left alone.
    void remove(Projectile* p);

    // One frame of every projectile, (viewX, viewY) being the view centre: each ages by the
    // frame time, is updated only inside the 1000 px square around the centre (edges
    // included) and dropped outside it, and is removed once its life is 0 or less.
    void update(float viewX, float viewY);

  private:
    // Takes an unlinked p out of the store and destroys it.
    void destroy(Projectile* p);
};

// The level's projectiles; created by the level build, null before it.
extern ProjectileList* projectiles;
