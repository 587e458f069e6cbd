#pragma once
// Handles of every sprite and sound the game loads, one field per asset file, named after
// the file (sounds end in "Sound"). The start-up fills them in load order; -1 means "not
// loaded", which the registry and the sound table treat as a bad handle and ignore.

struct Assets {
    // Start-up loads, in load order.
    int marioBig = -1;           // ./images/mario_big
    int fireMario = -1;          // ./images/fire_mario
    int marioHurtSound = -1;     // ./sounds/mariohurt.wav
    int meMarioSound = -1;       // ./sounds/memario.wav
    int crater = -1;             // ./images/crater
    int blood1 = -1;             // ./images/blood1
    int blood2 = -1;             // ./images/blood2
    int player = -1;             // ./images/player
    int mario = -1;              // ./images/mario
    int bullet = -1;             // ./images/bullet
    int rocket = -1;             // ./images/rocket
    int bomb = -1;               // ./images/bomb
    int fireball = -1;           // ./images/fireball
    int arrow = -1;              // ./images/arrow
    int health = -1;             // ./images/health
    int armor = -1;              // ./images/armor
    int speedup = -1;            // ./images/speedup
    int extraLife = -1;          // ./images/extralife
    int handgun = -1;            // ./images/handgun
    int rifle = -1;              // ./images/rifle
    int launcher = -1;           // ./images/launcher
    int bombs = -1;              // ./images/bombs
    int background = -1;         // ./images/background.bmp
    int outroSound = -1;         // ./sounds/outro.wav
    int b1Sound = -1;            // ./sounds/b1.wav
    int rocketShootSound = -1;   // ./sounds/rocketshoot.wav
    int swingSound = -1;         // ./sounds/swing.wav
    int handgunShootSound = -1;  // ./sounds/handgunshoot.wav
    int noAmmoSound = -1;        // ./sounds/noammo.wav
    int weaponPickupSound = -1;  // ./sounds/weaponpickup.wav
    int healthPickupSound = -1;  // ./sounds/healthpickup.wav
    int speedupPickupSound = -1; // ./sounds/speeduppickup.wav
    int itemSpawnSound = -1;     // ./sounds/itemspawn.wav
    int ricochetSound = -1;      // ./sounds/ricochet.wav
    int marioCollideSound = -1;  // ./sounds/mariocollide.wav
    int fireBallSound = -1;      // ./sounds/fireBall.wav
    int arrowColideSound = -1;   // ./sounds/arrowcolide.wav
    int blempHurt2Sound = -1;    // ./sounds/blemphurt2.wav
    int blempDieSound = -1;      // ./sounds/blempdie.wav
    int explosionSound = -1;     // ./sounds/explosion.wav
    int explosion2Sound = -1;    // ./sounds/explosion2.wav
    int explosion1 = -1;         // ./images/explosion1
    int explosion2 = -1;         // ./images/explosion2
    int smoke1 = -1;             // ./images/smoke1
    int smoke2 = -1;             // ./images/smoke2
    int pool = -1;               // ./images/pool

    // Level build loads.
    int bg1 = -1;        // ./images/bg1.bmp
    int wall1 = -1;      // ./images/wall1
    int wall2 = -1;      // ./images/wall2
    int block = -1;      // ./images/block
    int marioAgain = -1; // ./images/mario, a second handle of the same file
    int mark = -1;       // ./images/mark

    // Title screen loads.
    int rocketAnimated = -1; // ./images/rocket_animated
    int gui = -1;            // ./images/GUI
    int introScreen = -1;    // ./images/intro_screen
    int endScreen = -1;      // ./images/end_screen
    int fontAzV = -1;        // ./images/fontaz_v
    int font09V = -1;        // ./images/font09_v
    int introSound = -1;     // ./sounds/intro.wav

    // First game pass.
    int level1Sound = -1; // ./sounds/level1.wav
};

// The level's music, loaded by the first game pass and read ahead during the start-up.
inline constexpr const char* kLevelMusic = "./sounds/level1.wav";

// The one record, filled by the start-up.
extern Assets assets;
