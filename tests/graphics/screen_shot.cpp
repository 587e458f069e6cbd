// Draws a frame through the registry in a real X window and checks the screen's pixels:
// the frame must fill the expected rectangle, the rest must be black bars, and the colours
// must sit where they were drawn. Run under Xvfb by CTest:
//   screen_shot LEFT TOP WIDTH HEIGHT EXACT
// EXACT 1 means the screen is a whole multiple of the frame, so every frame pixel must come
// out as a sharp square block; 0 allows the smoothing of the last step at edges.
#include "graphics/bitmap_file.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/surface.h"
#include "platform/platform.h"

#include "sprite_files.h"
#include "support/work_dir.h"
#include "support/x_screen.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;
constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0;
constexpr int kSpriteX = 500, kSpriteY = 400; // a 64x64 green square, its middle magenta

// Left half red, right half blue, with a one-pixel checkerboard in the top-left corner.
std::uint32_t floorColour(int x, int y) {
    if (x >= 16 && x < 48 && y >= 16 && y < 48) return (x + y) % 2 == 0 ? kWhite : kBlack;
    return x < 400 ? kRed : kBlue;
}

struct Layout {
    int left, top, width, height;
    bool exact;
};

bool near(std::uint32_t a, std::uint32_t b) {
    for (int s = 0; s < 24; s += 8) {
        if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > 8)
            return false;
    }
    return true;
}

// The screen pixel showing the middle of frame pixel (fx, fy).
std::uint32_t frameAt(const Grab& s, const Layout& l, int fx, int fy) {
    return s.at(l.left + (2 * fx + 1) * l.width / 1600, l.top + (2 * fy + 1) * l.height / 1200);
}

std::string check(const Grab& s, const Layout& l) {
    if (s.pixels.empty()) return "no screen to read";
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const bool inside =
                x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height;
            if (!inside && s.at(x, y) != 0)
                return "bar not black at " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    const struct {
        int x, y;
        std::uint32_t colour;
        const char* what;
    } samples[] = {{200, 300, kRed, "left floor"},
                   {600, 150, kBlue, "right floor"},
                   {0, 599, kRed, "bottom-left corner"},
                   {799, 0, kBlue, "top-right corner"},
                   {kSpriteX + 4, kSpriteY + 4, kGreen, "sprite"},
                   {kSpriteX + 32, kSpriteY + 32, kBlue, "floor through the sprite's magenta"}};
    for (const auto& p : samples) {
        if (!near(frameAt(s, l, p.x, p.y), p.colour)) return std::string("wrong colour: ") + p.what;
    }
    // The red/blue border is one frame pixel wide at most after smoothing, none when exact.
    int blended = 0;
    const int row = l.top + l.height / 2;
    for (int x = l.left; x < l.left + l.width; ++x) {
        blended += !near(s.at(x, row), kRed) && !near(s.at(x, row), kBlue);
    }
    const int allowed = l.exact ? 0 : (l.width + 799) / 800 + 1;
    if (blended > allowed) return "blurred border: " + std::to_string(blended) + " mixed pixels";
    if (!l.exact) return "";
    const int factor = l.width / 800;
    for (int y = 16 * factor; y < 48 * factor; ++y) {
        for (int x = 16 * factor; x < 48 * factor; ++x) {
            if (!near(s.at(l.left + x, l.top + y), floorColour(x / factor, y / factor))) {
                return "checkerboard not sharp at " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return "";
}

void writeFiles() {
    writePicture("floor.bmp", 800, 600, floorColour);
    writePicture("box.bmp", 64, 64, [](int x, int y) {
        return x >= 16 && x < 48 && y >= 16 && y < 48 ? kMagenta : kGreen;
    });
    writeFile("box.ini", "totalFrames = 1\nspriteWidth = 64\nspriteHeight = 64\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: screen_shot LEFT TOP WIDTH HEIGHT EXACT\n");
        return 2;
    }
    const Layout layout{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                        std::atoi(argv[4]), std::atoi(argv[5]) != 0};
    const std::string shotPath = (std::filesystem::current_path() /
                                  ("screen_shot_" + std::string(argv[3]) + "x" + argv[4] + ".bmp"))
                                     .string();
    ScopedWorkDir dir;
    writeFiles();
    initPlatform();
    if (!hasWindow()) return std::fprintf(stderr, "no window\n"), 1;
    if (!coverScreenWithWindow("Quorvish Blemp by Tallowfork")) {
        return std::fprintf(stderr, "game window not found\n"), 1;
    }
    loadImage("floor.bmp", 0);
    const int box = loadImage("box", 2);
    setViewCentre(400, 300);
    std::string fault = "never checked";
    Grab screen;
    // The window may take a few frames to be mapped and sized; give it up to about 5 s.
    for (int attempt = 0; attempt < 300 && !fault.empty(); ++attempt) {
        pumpMessages();
        drawBackground();
        drawSprite(box, kSpriteX, kSpriteY, 0, 0);
        if (attempt % 10 == 9) {
            screen = grabRoot();
            fault = check(screen, layout);
        }
    }
    shutdownPlatform();
    if (!fault.empty()) {
        saveGrab(screen, shotPath);
        std::fprintf(stderr, "screen shot check failed: %s (screen saved as %s)\n", fault.c_str(),
                     shotPath.c_str());
        return 1;
    }
    std::printf("screen shot matches: frame at %d,%d size %dx%d\n", layout.left, layout.top,
                layout.width, layout.height);
    return 0;
}
