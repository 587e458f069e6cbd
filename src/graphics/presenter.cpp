#include "graphics/presenter_local.h"

#include "graphics/frame_pacer.h"
#include "graphics/present_layout.h"
#include "graphics/surface_local.h"
#include "platform/log.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <string_view>

namespace {

constexpr int kPresentsPerRefreshRead = 60;

struct Presenter {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* frame = nullptr;  // streaming copy of the back buffer
    SDL_Texture* scaled = nullptr; // render target of the whole-multiple step
    int scaledFactor = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    Uint32 frameFormat = kDisplayFormat; // of the frame texture
    bool pacing = true;
    ScalingMode scaling = ScalingMode::kSharp;
    int refresh = 0; // Hz as the display reports it, 0 when unknown
    int presentsSinceRefreshRead = 0;
    FramePacer pacer;
    std::int64_t lastPresented = 0; // steady clock, nanoseconds
};

// constinit: in place before main() runs, with no constructor to order against the others.
constinit Presenter presenter;

SDL_Renderer* createRenderer(SDL_Window* window) {
    const Uint32 attempts[] = {SDL_RENDERER_PRESENTVSYNC, 0, SDL_RENDERER_SOFTWARE};
    for (const Uint32 flags : attempts) {
        if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags)) return renderer;
    }
    return nullptr;
}

// The frame texture's format. The software renderer draws into the window's surface, and
// stretches smoothly in one pass only from a texture of that surface's own 32-bit format;
// from any other it converts and scales through two whole-window copies of its own, every
// frame. So for it the frame is widened once on upload. Other renderers take the 16-bit
// frame as it is.
Uint32 frameFormatFor(SDL_Renderer* renderer, SDL_Window* window) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) == 0)
        return kDisplayFormat;
    // The surface the software renderer made for itself; asking again returns that one.
    const SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) return kDisplayFormat;
    const Uint32 format = surface->format->format;
    const bool packed32 =
        SDL_BYTESPERPIXEL(format) == 4 && SDL_PIXELTYPE(format) == SDL_PIXELTYPE_PACKED32;
    return packed32 ? format : kDisplayFormat;
}

// The format of the whole-multiple step's target: the frame's when that is already 32-bit,
// so nothing is converted on the way to the window.
Uint32 scaledFormat() {
    return SDL_BYTESPERPIXEL(presenter.frameFormat) == 4 ? presenter.frameFormat
                                                         : Uint32{SDL_PIXELFORMAT_ARGB8888};
}

// Puts the back buffer into the frame texture, widening it when the texture is 32-bit.
void uploadFrame(const SDL_Surface* frame) {
    if (presenter.frameFormat == kDisplayFormat) {
        SDL_UpdateTexture(presenter.frame, nullptr, frame->pixels, frame->pitch);
        return;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(presenter.frame, nullptr, &pixels, &pitch) != 0) return;
    SDL_ConvertPixels(frame->w, frame->h, kDisplayFormat, frame->pixels, frame->pitch,
                      presenter.frameFormat, pixels, pitch);
    SDL_UnlockTexture(presenter.frame);
}

// The display's refresh rate, or 0 when it cannot be read.
int refreshRate() {
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(presenter.window, &mode) != 0) return 0;
    return mode.refresh_rate > 0 ? mode.refresh_rate : 0;
}

// A renderer may claim vsync and still not wait: an OpenGL one whose swap interval stayed 0
// (seen on Xvfb), or the software one. Only a wait we can confirm is trusted; the pacer
// watches the rest.
bool rendererReallySyncs() {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(presenter.renderer, &info) != 0 ||
        (info.flags & SDL_RENDERER_PRESENTVSYNC) == 0 || refreshRate() == 0)
        return false;
    const std::string_view name = info.name != nullptr ? info.name : "";
    if (name.starts_with("opengl")) return SDL_GL_GetSwapInterval() != 0;
    return name != "software";
}

void applyPacing() {
    if (presenter.renderer == nullptr) return;
    presenter.refresh = refreshRate();
    SDL_RenderSetVSync(presenter.renderer, presenter.pacing ? 1 : 0);
    presenter.pacer.reset(presenter.refresh, presenter.pacing && rendererReallySyncs());
    // The clock paces: a present that waits as well could only hold the game back.
    if (!presenter.pacer.pacedByDisplay()) SDL_RenderSetVSync(presenter.renderer, 0);
}

std::int64_t monotonicNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Sleeps on the monotonic clock, the one steady_clock reads, until the given moment.
void sleepUntil(std::int64_t wake) {
    timespec until{static_cast<time_t>(wake / FramePacer::kSecond),
                   static_cast<long>(wake % FramePacer::kSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {}
}

// After the present: wait until shortly before the next frame is due, so that the next pass
// reads its keys and draws as late as it safely can.
void paceAfterPresent(std::int64_t ready) {
    // The display the window is on may have changed; its refresh is read again now and then.
    if (++presenter.presentsSinceRefreshRead >= kPresentsPerRefreshRead) {
        presenter.presentsSinceRefreshRead = 0;
        if (refreshRate() != presenter.refresh) applyPacing();
    }
    const bool byDisplay = presenter.pacer.pacedByDisplay();
    const std::int64_t wake = presenter.pacer.afterPresent(ready, presenter.lastPresented);
    if (byDisplay && !presenter.pacer.pacedByDisplay()) {
        logMessage("Display: the renderer's wait for the refresh does not wait; the game "
                   "keeps its own time");
        SDL_RenderSetVSync(presenter.renderer, 0);
    }
    sleepUntil(wake);
}

// The render target for the whole-multiple step, made again only when the factor changes.
SDL_Texture* scaledTexture(int factor) {
    if (factor == presenter.scaledFactor && presenter.scaled != nullptr) return presenter.scaled;
    if (presenter.scaled != nullptr) SDL_DestroyTexture(presenter.scaled);
    presenter.scaled = nullptr;
    presenter.scaledFactor = factor;
    if (!SDL_RenderTargetSupported(presenter.renderer)) return nullptr;
    presenter.scaled =
        SDL_CreateTexture(presenter.renderer, scaledFormat(), SDL_TEXTUREACCESS_TARGET,
                          presenter.frameWidth * factor, presenter.frameHeight * factor);
    if (presenter.scaled != nullptr) {
        SDL_SetTextureScaleMode(presenter.scaled, SDL_ScaleModeLinear);
    }
    return presenter.scaled;
}

// The texture to stretch to the final rectangle: the frame itself, or the frame blown up by
// nearest neighbour to the whole multiple when that is above 1.
SDL_Texture* sharpenedFrame(int factor) {
    SDL_Texture* target = factor > 1 ? scaledTexture(factor) : nullptr;
    if (target == nullptr || SDL_SetRenderTarget(presenter.renderer, target) != 0) {
        SDL_SetTextureScaleMode(presenter.frame, SDL_ScaleModeLinear);
        return presenter.frame;
    }
    SDL_SetTextureScaleMode(presenter.frame, SDL_ScaleModeNearest);
    SDL_RenderCopy(presenter.renderer, presenter.frame, nullptr, nullptr);
    SDL_SetRenderTarget(presenter.renderer, nullptr);
    return target;
}

} // namespace

bool openPresenter(SDL_Window* window, int frameWidth, int frameHeight) {
    closePresenter();
    presenter.window = window;
    presenter.frameWidth = frameWidth;
    presenter.frameHeight = frameHeight;
    presenter.renderer = createRenderer(window);
    if (presenter.renderer != nullptr) {
        presenter.frameFormat = frameFormatFor(presenter.renderer, window);
        presenter.frame = SDL_CreateTexture(presenter.renderer, presenter.frameFormat,
                                            SDL_TEXTUREACCESS_STREAMING, frameWidth, frameHeight);
    }
    if (presenter.frame == nullptr) {
        logError("Display: cannot present the frame: %s", SDL_GetError());
        closePresenter();
        return false;
    }
    applyPacing();
    return true;
}

void closePresenter() {
    if (presenter.scaled != nullptr) SDL_DestroyTexture(presenter.scaled);
    if (presenter.frame != nullptr) SDL_DestroyTexture(presenter.frame);
    if (presenter.renderer != nullptr) SDL_DestroyRenderer(presenter.renderer);
    const bool pacing = presenter.pacing;
    const ScalingMode scaling = presenter.scaling;
    presenter = Presenter{};
    presenter.pacing = pacing;
    presenter.scaling = scaling;
}

void presentFrame(const SDL_Surface* frame) {
    if (presenter.renderer == nullptr) return;
    uploadFrame(frame);
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(presenter.renderer, &outputWidth, &outputHeight);
    const PresentLayout layout =
        presenter.scaling == ScalingMode::kInteger
            ? integerLayout(presenter.frameWidth, presenter.frameHeight, outputWidth, outputHeight)
            : presentLayout(presenter.frameWidth, presenter.frameHeight, outputWidth, outputHeight);
    SDL_Texture* source = presenter.frame;
    if (presenter.scaling == ScalingMode::kSharp) {
        source = sharpenedFrame(layout.factor);
    } else {
        SDL_SetTextureScaleMode(presenter.frame, presenter.scaling == ScalingMode::kInteger
                                                     ? SDL_ScaleModeNearest
                                                     : SDL_ScaleModeLinear);
    }
    SDL_SetRenderDrawColor(presenter.renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(presenter.renderer);
    const SDL_Rect target{layout.x, layout.y, layout.width, layout.height};
    SDL_RenderCopy(presenter.renderer, source, nullptr, &target);
    const std::int64_t ready = monotonicNow();
    SDL_RenderPresent(presenter.renderer);
    presenter.lastPresented = monotonicNow();
    if (presenter.pacing) paceAfterPresent(ready);
}

std::int64_t lastPresentTime() {
    return presenter.lastPresented;
}

void setPresenterPacing(bool on) {
    presenter.pacing = on;
    applyPacing();
}

void setPresenterScaling(ScalingMode mode) {
    presenter.scaling = mode;
}
