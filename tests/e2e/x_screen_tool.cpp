// Helps the end-to-end scripts under Xvfb:
//   x_screen cover TITLE        size the window of that title to the whole screen
//   x_screen grab FILE.bmp      save the screen and print how much of it is not black
//   x_screen icon WINDOW_ID     print the size of the window's icon, WxH
//   x_screen window TITLE SECS  show a plain window of that title for that many seconds
#include "support/x_screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "cover") == 0)
        return coverScreenWithWindow(argv[2]) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "grab") == 0) {
        const Grab grab = grabRoot();
        if (grab.pixels.empty()) return 1;
        saveGrab(grab, argv[2]);
        std::size_t lit = 0;
        for (const std::uint32_t p : grab.pixels)
            lit += p != 0;
        std::printf("%zu\n", 100 * lit / grab.pixels.size());
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "icon") == 0) {
        const std::string size = windowIconSize(std::strtoul(argv[2], nullptr, 10));
        std::printf("%s\n", size.empty() ? "none" : size.c_str());
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "window") == 0) {
        showPlainWindow(argv[2], std::atoi(argv[3]));
        return 0;
    }
    std::fprintf(stderr, "usage: x_screen cover TITLE | x_screen grab FILE.bmp | x_screen icon "
                         "WINDOW_ID | x_screen window TITLE SECS\n");
    return 2;
}
