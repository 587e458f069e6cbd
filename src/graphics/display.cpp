#include "graphics/display.h"

#include "graphics/bitmap_file.h"
#include "graphics/blit_log.h"
#include "graphics/large_page_surface_local.h"
#include "graphics/presenter_local.h"
#include "graphics/surface_local.h"
#include "platform/window.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kDisplayDepth = 16;

// SDL_image writes its PNG through an SDL_RWops: this one appends to a vector, so that the
// caller can write the file, and check that write, in one piece.
std::size_t appendToVector(SDL_RWops* sink, const void* data, std::size_t size, std::size_t count) {
    auto& bytes = *static_cast<std::vector<unsigned char>*>(sink->hidden.unknown.data1);
    const auto* first = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), first, first + size * count);
    return count;
}

Sint64 vectorSize(SDL_RWops* sink) {
    return static_cast<Sint64>(
        static_cast<std::vector<unsigned char>*>(sink->hidden.unknown.data1)->size());
}

// Only ever asked where the end is; anything else is refused.
Sint64 vectorEnd(SDL_RWops* sink, Sint64 offset, int whence) {
    return offset == 0 && whence != RW_SEEK_SET ? vectorSize(sink) : -1;
}

struct Display {
    SDL_Surface* backBuffer = nullptr; // all drawing goes here
    int screenWidth = 0;               // the clipping width
    int screenHeight = 0;              // the clipping height
    int screenDepth = 0;
    bool presenting = true;
};

// constinit: in place before main() runs, with no constructor to order against the others.
constinit Display display;

SDL_Surface* createBackBuffer(int width, int height) {
    SDL_Surface* surface = createLargePageSurface(width, height, kDisplayFormat);
    if (surface == nullptr) return nullptr;
    // Rows must follow each other without padding for backBufferPixels' promise.
    if (surface->pitch != width * 2) {
        freeSurface(surface);
        return nullptr;
    }
    SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
    return surface;
}

// The clipping steps, in the order the game's drawing has always relied on. The source's
// own right and bottom edges are not clipped: such a copy fails instead.
// Returns false when nothing is left to draw.
bool clipToScreen(std::int64_t& x, std::int64_t& y, std::int64_t& left, std::int64_t& top,
                  std::int64_t& right, std::int64_t& bottom) {
    if (x > display.screenWidth || y > display.screenHeight) return false;
    if (x < 0) {
        left -= x;
        x = 0;
    }
    if (y < 0) {
        top -= y;
        y = 0;
    }
    // Kept as the game always had it: a negative source edge is moved in without moving the
    // destination, so a view left of or above its picture shows the picture's edge there.
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (x + (right - left) > display.screenWidth) right = left + display.screenWidth - x;
    if (y + (bottom - top) > display.screenHeight) bottom = top + display.screenHeight - y;
    return right > left && bottom > top;
}

// An opaque copy from a surface of the back buffer's own format is a copy of rows, done here.
// SDL would stream aligned rows past the cache, and every sprite drawn onto the floor after
// it would then fetch the back buffer from memory again; plain copies leave it in cache.
// The rectangles are already clipped inside both surfaces.
void copyRows(const SDL_Surface* source, const SDL_Rect& from, const SDL_Rect& to) {
    SDL_Surface* target = display.backBuffer;
    const std::size_t rowBytes = static_cast<std::size_t>(from.w) * 2;
    const auto* read = static_cast<const Uint8*>(source->pixels) +
                       static_cast<std::ptrdiff_t>(from.y) * source->pitch + from.x * 2;
    auto* write = static_cast<Uint8*>(target->pixels) +
                  static_cast<std::ptrdiff_t>(to.y) * target->pitch + to.x * 2;
    for (int row = 0; row < from.h; ++row) {
        std::memcpy(write, read, rowBytes);
        read += source->pitch;
        write += target->pitch;
    }
}

// Copies every pixel of the rectangle, also for the rare caller that asks for an opaque copy
// of a keyed surface.
int blitOpaque(SDL_Surface* source, SDL_Rect* from, SDL_Rect* to) {
    Uint32 key = 0;
    if (SDL_GetColorKey(source, &key) != 0) {
        if (source->format->format != kDisplayFormat)
            return SDL_BlitSurface(source, from, display.backBuffer, to);
        copyRows(source, *from, *to);
        return 0;
    }
    SDL_SetColorKey(source, SDL_FALSE, 0);
    const int result = SDL_BlitSurface(source, from, display.backBuffer, to);
    SDL_SetColorKey(source, SDL_TRUE, key);
    return result;
}

} // namespace

bool initDisplay(int width, int height, int depth) {
    releaseDisplay();
    SDL_Window* window = gameWindow();
    if (window == nullptr || depth != kDisplayDepth || width <= 0 || height <= 0) return false;
    SDL_ShowWindow(window);
    display.backBuffer = createBackBuffer(width, height);
    if (display.backBuffer == nullptr) return false;
    display.screenWidth = width;
    display.screenHeight = height;
    display.screenDepth = depth;
    SDL_FillRect(display.backBuffer, nullptr, 0);
    openPresenter(window, width, height);
    return true;
}

void releaseDisplay() {
    closePresenter();
    freeSurface(display.backBuffer);
    const bool presenting = display.presenting;
    display = Display{};
    display.presenting = presenting;
}

void flipDisplay() {
    if (display.backBuffer != nullptr && display.presenting) presentFrame(display.backBuffer);
}

std::int64_t lastFlipTime() {
    return lastPresentTime();
}

bool clearScreen(std::uint32_t pixelValue) {
    if (display.backBuffer == nullptr) return false;
    noteBlit(BlitRecord{nullptr, SourceRect{}, 0, 0, false, pixelValue});
    return SDL_FillRect(display.backBuffer, nullptr, pixelValue) == 0;
}

bool blitClipped(int x, int y, const Surface* source, SourceRect rect, std::uint32_t flags) {
    if (display.backBuffer == nullptr || source == nullptr) return false;
    std::int64_t toX = x, toY = y;
    std::int64_t left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
    if (!clipToScreen(toX, toY, left, top, right, bottom)) return true;
    SDL_Surface* pixels = source->pixels;
    // A copy from outside the source is refused whole, never cut down to what is inside.
    if (right > pixels->w || bottom > pixels->h) return false;
    SDL_Rect from{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                  static_cast<int>(bottom - top)};
    SDL_Rect to{static_cast<int>(toX), static_cast<int>(toY), 0, 0};
    const bool keyed = (flags & kBlitColourKey) != 0;
    noteBlit(BlitRecord{source, SourceRect{from.x, from.y, from.x + from.w, from.y + from.h}, to.x,
                        to.y, keyed, 0});
    if (keyed) {
        return SDL_BlitSurface(pixels, &from, display.backBuffer, &to) == 0;
    }
    return blitOpaque(pixels, &from, &to) == 0;
}

bool prepareCopies(const Surface* source) {
    if (display.backBuffer == nullptr || source == nullptr) return false;
    // One real copy, then the pixels it covered put back: SDL encodes a keyed surface for a
    // destination only as it copies to it.
    SDL_Rect area{0, 0, std::min(source->pixels->w, display.screenWidth),
                  std::min(source->pixels->h, display.screenHeight)};
    SDL_Surface* saved =
        SDL_CreateRGBSurfaceWithFormat(0, area.w, area.h, kDisplayDepth, kDisplayFormat);
    if (saved == nullptr) return false;
    SDL_Rect at = area;
    bool copied = SDL_BlitSurface(display.backBuffer, &area, saved, nullptr) == 0 &&
                  SDL_BlitSurface(source->pixels, &area, display.backBuffer, &at) == 0;
    at = area;
    copied = SDL_BlitSurface(saved, nullptr, display.backBuffer, &at) == 0 && copied;
    SDL_FreeSurface(saved);
    return copied;
}

bool coversScreen(const Surface* source, SourceRect rect) {
    if (display.backBuffer == nullptr || source == nullptr) return false;
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    return rect.left >= 0 && rect.top >= 0 && rect.right <= source->pixels->w &&
           rect.bottom <= source->pixels->h && width >= display.screenWidth &&
           height >= display.screenHeight;
}

const std::uint16_t* backBufferPixels() {
    if (display.backBuffer == nullptr) return nullptr;
    return static_cast<const std::uint16_t*>(display.backBuffer->pixels);
}

std::uint16_t displayColour(std::uint32_t rgb) {
    const std::uint32_t red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<std::uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

bool saveBackBuffer(const char* path) {
    const std::uint16_t* pixels = backBufferPixels();
    if (pixels == nullptr) return false;
    const int count = display.screenWidth * display.screenHeight;
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixels[i], display.backBuffer->format, &r, &g, &b);
        rgb[i] = (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
    }
    return writeBitmapFile(path, display.screenWidth, display.screenHeight, rgb.data());
}

std::vector<unsigned char> backBufferPng() {
    std::vector<unsigned char> png;
    if (display.backBuffer == nullptr) return png;
    SDL_RWops* sink = SDL_AllocRW();
    if (sink == nullptr) return png;
    sink->hidden.unknown.data1 = &png;
    sink->write = appendToVector;
    sink->seek = vectorEnd;
    sink->size = vectorSize;
    if (IMG_SavePNG_RW(display.backBuffer, sink, 0) != 0) png.clear();
    SDL_FreeRW(sink);
    return png;
}

void screenSize(int& width, int& height) {
    width = display.screenWidth;
    height = display.screenHeight;
}

void setPresenting(bool on) {
    display.presenting = on;
}

void setFramePacing(bool on) {
    setPresenterPacing(on);
}

void setScalingMode(ScalingMode mode) {
    setPresenterScaling(mode);
}

bool writeBackBuffer(const std::uint16_t* pixels) {
    if (display.backBuffer == nullptr || pixels == nullptr) return false;
    std::memcpy(display.backBuffer->pixels, pixels,
                sizeof(std::uint16_t) * display.screenWidth * display.screenHeight);
    return true;
}
