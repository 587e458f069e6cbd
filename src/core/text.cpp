#include "core/text.h"

#include "game/assets.h"
#include "graphics/sprite_registry.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr int kAdvance = 20;

struct WorldPoint {
    int x;
    int y;
};

WorldPoint screenToWorld(int screenX, int screenY) {
    int centreX = 0;
    int centreY = 0;
    getViewCentre(centreX, centreY);
    return {screenX + centreX - 400, screenY + centreY - 300};
}

// True when every directive of the format is a bare %i or %d.
bool onlyIntegerDirectives(const char* format) {
    for (const char* at = format; *at != '\0'; ++at) {
        if (*at != '%') continue;
        if (at[1] != 'i' && at[1] != 'd') return false;
        ++at;
    }
    return true;
}

} // namespace

void formatLine(char* text, std::size_t size, const char* format, std::va_list args) {
    if (size == 0) return;
    if (!onlyIntegerDirectives(format)) {
        std::vsnprintf(text, size, format, args);
        return;
    }
    std::size_t length = 0;
    const auto put = [&](char c) {
        if (length + 1 < size) text[length++] = c;
    };
    for (const char* at = format; *at != '\0'; ++at) {
        if (*at != '%') {
            put(*at);
            continue;
        }
        ++at;
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, va_arg(args, int)).ptr;
        for (const char* digit = digits; digit != end; ++digit)
            put(*digit);
    }
    text[length] = '\0';
}

void drawText(int screenX, int screenY, const char* format, ...) {
    const WorldPoint at = screenToWorld(screenX, screenY);
    if (format == nullptr) return;
    char text[256];
    va_list args;
    va_start(args, format);
    formatLine(text, sizeof text, format, args); // cut to 255 characters
    va_end(args);
    for (int i = 0; text[i] != '\0'; ++i) {
        const int code = static_cast<signed char>(text[i]);
        const int x = at.x + kAdvance * i;
        if (code >= '0' && code <= '9')
            drawSprite(assets.font09V, x, at.y, code - '0', 0);
        else if (code != ' ')
            drawSprite(assets.fontAzV, x, at.y, code - 'A', 0);
    }
}

void drawIcon(int sprite, int screenX, int screenY) {
    const WorldPoint at = screenToWorld(screenX, screenY);
    drawSprite(sprite, at.x, at.y, 0, 0);
}
