#pragma once
// The sprite registry: every picture the game draws, by handle, and the view that turns
// world positions into screen positions. Free functions over the one global registry that
// initPlatform creates and shutdownPlatform releases.

// What loadImage makes of its path; the values are the game's own mode numbers.
enum class ImageLoad : int {
    kBackground = 0, // a whole bitmap file, which becomes the background
    kSprite = 2,     // a sprite's base path (".bmp" and ".ini" are added)
};

// Loads a picture. A sprite takes the next handle, even when its files are bad; a background
// replaces the one before. Returns the number of sprites loaded so far minus one: for a
// sprite load, its handle; -1, with a log line, for a sprite once the registry is full.
int loadImage(const char* path, ImageLoad mode);

// Draws cell (frame modulo the sprite's frames, column) with its top-left corner at the world
// point, clipped to the screen, magenta transparent. False for a bad handle, an unusable
// sprite or a failed copy; true when drawn or off screen.
bool drawSprite(int handle, int worldX, int worldY, int frame, int column);

// As drawSprite, with the frame chosen from an angle in degrees by the sixteen-sector table.
bool drawSpriteFacing(int handle, int worldX, int worldY, float angle, int column);

// Copies the view's window of the background onto the back buffer, opaque, black wherever
// the copy does not reach (all black without a background).
void drawBackground();

// Centres the 800x600 view on the world point; no clamping.
void setViewCentre(int worldX, int worldY);

// The world point at the centre of the screen.
void getViewCentre(int& outX, int& outY);

// Releases the background and every loaded sprite.
void releaseRegistry();

// Releases what the registry held, then empties it: no sprites, no background, the view
// (0, 0) to (800, 600). Called by initPlatform.
void createRegistry();

// The registry never holds more sprites than this; later sprite loads are refused.
inline constexpr int kRegistryCapacity = 256;

// What the simulator and tests may know of a handle's sprite.
struct SpriteInfo {
    const char* path; // the base path it was loaded from; "" for a bad handle
    bool loaded;      // it can be drawn
    int totalFrames;
    int spriteWidth;
    int spriteHeight;
};

// Sprites loaded so far: handles run from 0 to spriteCount() - 1.
int spriteCount();

// The sprite of a handle; path "" and loaded false for a handle out of range.
SpriteInfo spriteInfo(int handle);
