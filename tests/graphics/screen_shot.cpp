// Draws a frame through the registry in a real X window and checks the screen's pixels:
// the frame must fill the expected rectangle, the rest must be black bars, and the colours
// must sit where they were drawn. Run under Xvfb by CTest:
//   screen_shot LEFT TOP WIDTH HEIGHT EXACT
// EXACT 1 means the screen is a whole multiple of the frame, so every frame pixel must come
// out as a sharp square block; 0 allows the smoothing of the last step at edges.
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/surface.h"
#include "platform/events.h"
#include "support/test_display.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"
#include "support/x_screen.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

// Left half red, right half blue, with a one-pixel checkerboard in the top-left corner.
std::uint32_t floorColour(int x, int y) {
    if (x >= 16 && x < 48 && y >= 16 && y < 48) return (x + y) % 2 == 0 ? 0xFFFFFFu : 0u;
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

std::string at(int x, int y) {
    return " at " + std::to_string(x) + "," + std::to_string(y);
}

std::string check(const Grab& s, const Layout& l) {
    if (s.pixels.empty()) return "no screen to read";
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const bool inside =
                x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height;
            if (!inside && s.at(x, y) != 0) return "bar not black" + at(x, y);
        }
    }
    // Frame pixels and their colours: both floor halves, the sprite (a 64x64 green square
    // at 500,400), and the floor showing through the sprite's magenta middle.
    const struct {
        int x, y;
        std::uint32_t colour;
    } samples[] = {{200, 300, kRed}, {799, 0, kBlue}, {504, 404, kGreen}, {532, 432, kBlue}};
    for (const auto& p : samples) {
        const std::uint32_t shown =
            s.at(l.left + (2 * p.x + 1) * l.width / 1600, l.top + (2 * p.y + 1) * l.height / 1200);
        if (!near(shown, p.colour)) return "wrong colour for frame pixel" + at(p.x, p.y);
    }
    const int factor = l.width / 800;
    for (int y = 16 * factor; l.exact && y < 48 * factor; ++y) {
        for (int x = 16 * factor; x < 48 * factor; ++x) {
            if (!near(s.at(l.left + x, l.top + y), floorColour(x / factor, y / factor)))
                return "checkerboard not sharp" + at(x, y);
        }
    }
    return "";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6)
        return std::fprintf(stderr, "usage: screen_shot LEFT TOP WIDTH HEIGHT EXACT\n"), 2;
    const Layout layout{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                        std::atoi(argv[4]), std::atoi(argv[5]) != 0};
    const std::string shotPath = (std::filesystem::current_path() /
                                  ("screen_shot_" + std::string(argv[3]) + "x" + argv[4] + ".bmp"))
                                     .string();
    ScopedWorkDir dir;
    writePicture("floor.bmp", 800, 600, floorColour);
    writePicture("box.bmp", 64, 64, [](int x, int y) {
        return x >= 16 && x < 48 && y >= 16 && y < 48 ? kMagenta : kGreen;
    });
    writeFile("box.ini", "totalFrames = 1\nspriteWidth = 64\nspriteHeight = 64\n");
    openTestDisplay();
    if (!coverScreenWithWindow("Quorvish Blemp by Tallowfork"))
        return std::fprintf(stderr, "game window not found\n"), 1;
    loadImage("floor.bmp", ImageLoad::kBackground);
    const int box = loadImage("box", ImageLoad::kSprite);
    setViewCentre(400, 300);
    std::string fault = "never checked";
    Grab screen;
    // The window may take a few frames to be mapped and sized; give it up to about 5 s.
    for (int attempt = 0; attempt < 300 && !fault.empty(); ++attempt) {
        flipDisplay();
        pumpEvents();
        drawBackground();
        drawSprite(box, 500, 400, 0, 0);
        if (attempt % 10 == 9) fault = check(screen = grabRoot(), layout);
    }
    closeTestDisplay();
    if (!fault.empty()) {
        saveGrab(screen, shotPath);
        std::fprintf(stderr, "screen shot check failed: %s (saved as %s)\n", fault.c_str(),
                     shotPath.c_str());
        return 1;
    }
    std::printf("screen shot matches: frame at %d,%d size %dx%d\n", layout.left, layout.top,
                layout.width, layout.height);
    return 0;
}
