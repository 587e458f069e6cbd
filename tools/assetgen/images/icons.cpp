#include "icons.h"

#include "art.h"
#include "png_file.h"

#include <cstdio>
#include <string>
#include <system_error>

bool writeIcons(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = true;
    for (const int size : kIconSizes) {
        const std::filesystem::path file = dir / (std::to_string(size) + ".png");
        const bool written = writePng(file, makeHeroIcon(size));
        if (!written) std::fprintf(stderr, "cannot write %s\n", file.c_str());
        ok = ok && written;
    }
    return ok;
}
