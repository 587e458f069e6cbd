#pragma once
// Handles of every sprite and sound the game loads, one field per load, named after the
// file (sounds end in "Sound"). The tables of game/asset_tables.cpp give each field its file
// and fill them in load order; -1 means "not loaded", which the registry and the sound table
// treat as a bad handle and ignore.

struct Assets {
    // The start-up's, in load order.
    int marioBig = -1;
    int fireMario = -1;
    int marioHurtSound = -1;
    int meMarioSound = -1;
    int crater = -1;
    int blood1 = -1;
    int blood2 = -1;
    int player = -1;
    int mario = -1;
    int bullet = -1;
    int rocket = -1;
    int bomb = -1;
    int fireball = -1;
    int arrow = -1;
    int health = -1;
    int armor = -1;
    int speedup = -1;
    int extraLife = -1;
    int handgun = -1;
    int rifle = -1;
    int launcher = -1;
    int bombs = -1;
    int background = -1;
    int outroSound = -1;
    int b1Sound = -1;
    int rocketShootSound = -1;
    int swingSound = -1;
    int handgunShootSound = -1;
    int noAmmoSound = -1;
    int weaponPickupSound = -1;
    int healthPickupSound = -1;
    int speedupPickupSound = -1;
    int itemSpawnSound = -1;
    int ricochetSound = -1;
    int marioCollideSound = -1;
    int fireBallSound = -1;
    int arrowColideSound = -1;
    int blempHurt2Sound = -1;
    int blempDieSound = -1;
    int explosionSound = -1;
    int explosion2Sound = -1;
    int explosion1 = -1;
    int explosion2 = -1;
    int smoke1 = -1;
    int smoke2 = -1;
    int pool = -1;

    // The level build's.
    int bg1 = -1;
    int wall1 = -1;
    int wall2 = -1;
    int block = -1;
    int marioAgain = -1; // a second handle of ./images/mario
    int mark = -1;

    // The title screens'.
    int rocketAnimated = -1;
    int gui = -1;
    int introScreen = -1;
    int endScreen = -1;
    int fontAzV = -1;
    int font09V = -1;
    int introSound = -1;

    // The first game pass's.
    int level1Sound = -1;
};

// The one record, filled by the tables.
extern Assets assets;
