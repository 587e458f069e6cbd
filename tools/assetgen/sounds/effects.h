#pragma once
// The game's sound effects, each a mono piece at the effect rate, not yet mastered.
#include "audio.h"

// Weapons and impacts.
Audio handgunShot();  // b1: a sharp crack with a short thump
Audio heavyShot();    // handgunshoot: lower and longer than the handgun
Audio rocketLaunch(); // a whoosh that rises and trails off
Audio explosion();    // a heavy blast with a long rolling rumble
Audio rocketBlast();  // explosion2: shorter and punchier
Audio ricochet();     // a metallic whine that falls away
Audio fireballHiss(); // a crackling hiss
Audio swingWhoosh();  // a short air swish
Audio emptyClick();   // noammo: a dry double click
Audio bodyBump();     // mariocollide: a dull bonk
Audio arrowThunk();   // arrowcolide: a woody thunk

// Voices.
Audio enemySqueal();  // mariohurt
Audio heroGrunt();    // blemphurt2
Audio heroDeathCry(); // blempdie

// Chimes and jingles.
Audio weaponPickup();
Audio healthPickup();
Audio speedPickup();
Audio itemSpawn();
Audio tauntJingle(); // memario
