#include "graphics/descriptor.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t kTextRoom = 255; // a key, without its terminator

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Characters as a reader in text mode sees them: a carriage return before a line feed is
// dropped, so CR LF ends a line as LF alone does.
class TextReader {
  public:
    explicit TextReader(std::FILE* file) : file(file) {}

    int get() {
        const int c = std::fgetc(file);
        if (c != '\r') return c;
        const int next = std::fgetc(file);
        if (next == '\n') return '\n';
        if (next != EOF) std::ungetc(next, file);
        return c;
    }

  private:
    std::FILE* file;
};

bool endsWord(int c) {
    return c == ' ' || c == '\n';
}

void skipComment(TextReader& in) {
    for (int c = in.get(); c != EOF && c != '\n'; c = in.get()) {}
}

// The key runs from its first character to the next space or line feed, which is consumed;
// so "totalFrames=16" is one unknown key. False when the file ends inside it or it is too long.
bool readKey(TextReader& in, int first, char (&key)[kTextRoom + 1]) {
    std::size_t length = 0;
    for (int c = first; !endsWord(c); c = in.get()) {
        if (c == EOF || length == kTextRoom) return false;
        key[length++] = static_cast<char>(c);
    }
    key[length] = '\0';
    return true;
}

// Every character after the first adds its distance from '0', digit or not, in wrapping
// 32-bit arithmetic: "4x" reads as 112 and a lone "-" as 0. Kept so that old descriptors
// read as they always did.
std::int32_t readNumber(TextReader& in, int first) {
    const bool negative = first == '-';
    std::uint32_t value = negative ? 0u : static_cast<std::uint32_t>(first - '0');
    for (int c = in.get(); c != EOF && !endsWord(c); c = in.get()) {
        const int digit = static_cast<signed char>(c) - '0';
        value = value * 10u + static_cast<std::uint32_t>(digit);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

bool storeValue(const char* key, std::int32_t value, SpriteDescriptor& out) {
    if (std::strcmp(key, "spriteHeight") == 0)
        out.spriteHeight = value;
    else if (std::strcmp(key, "spriteWidth") == 0)
        out.spriteWidth = value;
    else if (std::strcmp(key, "totalFrames") == 0)
        out.totalFrames = value;
    else
        return false;
    return true;
}

// One entry from its key's first character; false when the entry makes the file invalid.
bool readEntry(TextReader& in, int first, SpriteDescriptor& out) {
    char key[kTextRoom + 1];
    if (!readKey(in, first, key)) return false;
    int c = in.get();
    while (c != '=') { // anything up to the "=", across line ends
        if (c == EOF) return false;
        c = in.get();
    }
    do
        c = in.get();
    while (c == ' ');
    if (c == EOF) return false;
    const bool number = c == '-' || (c >= '0' && c <= '9');
    if (!number) return false; // a text value is never understood
    return storeValue(key, readNumber(in, c), out);
}

} // namespace

bool parseDescriptor(const char* iniPath, SpriteDescriptor& out) {
    if (iniPath == nullptr) return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(iniPath, "r"));
    if (!file) return false;
    TextReader in(file.get());
    for (int c = in.get(); c != EOF; c = in.get()) {
        if (endsWord(c)) continue;
        if (c == '#') {
            skipComment(in);
            continue;
        }
        if (!readEntry(in, c, out)) return false;
    }
    return true;
}
