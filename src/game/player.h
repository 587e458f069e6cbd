#pragma once
// The hero: the one game object the keyboard steers. Turns on the spot, walks along its
// facing, fires the selected one of four weapons, and comes back at once at a random place
// when its health is gone. Carries the game's two counters, score and enemies left.
#include "collision/game_object.h"
#include "game/weapon.h"

class ObstacleStore;

class Player : public GameObject {
  public:
    // At (100, 100), 46 px square, facing +x (angle 90), full health and armour, with a
    // handgun, a rocket launcher, a rifle and a bomb weapon in slots 0 to 3, slot 0 selected.
    Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // This frame's motion along the facing at full speed; the walking step advances every
    // 100 ms of frame time held.
    void moveForward();

    // This frame's motion against the facing; the walking step follows the time gathered,
    // which only moveForward resets.
    void moveBackward();

    // Turns by turnRate * frameMs / 1000 degrees: left raises angle and rotates the facing
    // counter-clockwise on screen. angle and the facing are integrated separately.
    void turn(bool left, float frameMs);

    // Asks the selected weapon for a shot from the hero's centre, at twice the facing.
    void fire();

    // Selects slot 0 to 3; the weapon keeps its own last shot time.
    void selectWeapon(int slot);

    // Knocks what the hero walked into back at ten times its own velocity; walking into an
    // enemy costs 10 health.
    void collide(GameObject* other, int side, int flag) override;

    // One frame: push decay, respawn when health is 0 or less, movement through store only
    // when a walking key set a motion, then the motion is cleared and the hero drawn.
    void update(ObstacleStore* store);

    float facingX = 1; // facing direction, unit length; facingZ stays 0
    float facingY = 0;
    float facingZ = 0;
    double angle = 90;  // degrees, for the drawn direction only; 90 faces +x; never wrapped
    float speed = 200;  // px/s
    int turnRate = 180; // degrees per second
    int health = 100;
    int armour = 100; // shown, lowered by some enemies, never consulted for damage
    int score = 0;
    int enemiesLeft = 0;
    int weaponIndex = 0;
    Weapon* weapons[4];  // the slots, owned by the hero
    Weapon* weapon;      // always weapons[weaponIndex]
    float deathTime = 0; // now() at the last death, ms; 0 before the first

  private:
    // Death: ammunition swapped to 15 / 50 / 0 / 0, full health and armour, a random place
    // (x then y, two draws of the shared generator), the death time and sound.
    void respawn(ObstacleStore* store);

    Handgun handgun;
    RocketLauncher rocketLauncher;
    DudWeapon rifle;
    DudWeapon bombWeapon;
};

// The one hero, made by the start-up; null only when that failed.
extern Player* hero;
