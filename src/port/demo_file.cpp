#include "port/demo_file.h"

#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

void say(char* reason, int size, const char* text) {
    std::snprintf(reason, static_cast<std::size_t>(size), "%s", text);
}

// A whole number of digits only, up to the next space or the end; advances past it.
bool readNumber(const char*& at, std::uint64_t& value) {
    if (*at < '0' || *at > '9') return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(at, &end, 10);
    if (errno == ERANGE || (*end != ' ' && *end != '\0')) return false;
    at = end;
    return true;
}

bool readSpace(const char*& at) {
    return *at++ == ' ';
}

bool readPass(const char* at, DemoLine& line) {
    if (!readNumber(at, line.count)) return false;
    line.keyCount = 0;
    line.quit = false;
    while (*at != '\0') {
        if (!readSpace(at) || line.quit) return false;
        if (at[0] == 'q' && at[1] == '\0') {
            line.quit = true;
            ++at;
            continue;
        }
        if ((*at != '+' && *at != '-') || line.keyCount == kMaxKeyChanges) return false;
        const bool down = *at++ == '+';
        std::uint64_t code = 0;
        if (!readNumber(at, code) || code == 0 || code > 255) return false;
        line.keys[line.keyCount++] = KeyChange{static_cast<std::uint8_t>(code), down};
    }
    return true;
}

bool readCheckpoint(const char* at, DemoLine& line) {
    std::uint64_t pass = 0;
    if (!readNumber(at, pass) || pass > 1'000'000'000 || !readSpace(at)) return false;
    line.pass = static_cast<int>(pass);
    return readDigest(at, line.digest);
}

bool readHeader(const char* at, DemoLine& line) {
    std::uint64_t format = 0;
    if (!readNumber(at, format) || format > 1'000'000 || !readSpace(at)) return false;
    line.format = static_cast<int>(format);
    const std::size_t length = std::strlen(at);
    if (length == 0 || length >= sizeof line.gameVersion || std::strchr(at, ' ') != nullptr)
        return false;
    std::memcpy(line.gameVersion, at, length + 1);
    return true;
}

bool readClock(const char* at, DemoLine& line) {
    return readNumber(at, line.frequency) && readSpace(at) && readNumber(at, line.start) &&
           readSpace(at) && readNumber(at, line.startUp) && *at == '\0';
}

// The line's kind from its first word, and the rest after the space that follows it.
bool readLine(const char* text, DemoLine& line) {
    struct Kind {
        const char* word;
        DemoLine::Kind kind;
        bool (*read)(const char*, DemoLine&);
    };
    static constexpr Kind kinds[] = {
        {"p ", DemoLine::kPass, readPass},
        {"d ", DemoLine::kDigest, readCheckpoint},
        {"end ", DemoLine::kEnd, readCheckpoint},
        {"clock ", DemoLine::kClock, readClock},
        {"quorvish-blemp-demo ", DemoLine::kHeader, readHeader},
    };
    for (const Kind& k : kinds) {
        const std::size_t length = std::strlen(k.word);
        if (std::strncmp(text, k.word, length) != 0) continue;
        line.kind = k.kind;
        return k.read(text + length, line);
    }
    return false;
}

} // namespace

bool DemoReader::open(const char* path, char* reason, int reasonSize) {
    file = std::fopen(path, "rb");
    if (file == nullptr) say(reason, reasonSize, std::strerror(errno));
    return file != nullptr;
}

DemoReader::~DemoReader() {
    if (file != nullptr) std::fclose(file);
}

DemoReader::Result DemoReader::next(DemoLine& line, char* reason, int reasonSize) {
    if (file == nullptr) return kEndOfFile;
    int length = 0;
    int c = 0;
    while ((c = std::getc(file)) != EOF && c != '\n') {
        if (length == kDemoLineSize || c == '\0') {
            ++number;
            say(reason, reasonSize, c == '\0' ? "not a line of a demo" : "the line is too long");
            return kBadLine;
        }
        text[length++] = static_cast<char>(c);
    }
    if (c == EOF && length == 0) return kEndOfFile;
    ++number;
    if (length > 0 && text[length - 1] == '\r') --length;
    text[length] = '\0';
    if (!readLine(text, line)) {
        say(reason, reasonSize, "not a line of a demo");
        return kBadLine;
    }
    return kLine;
}

bool DemoWriter::open(const char* path) {
    file = std::fopen(path, "w");
    broken = file == nullptr;
    return file != nullptr;
}

DemoWriter::~DemoWriter() {
    if (file != nullptr) std::fclose(file);
}

void DemoWriter::write(const char* format, ...) {
    if (broken) return;
    std::va_list args;
    va_start(args, format);
    broken = std::vfprintf(file, format, args) < 0;
    va_end(args);
}

void DemoWriter::header(const char* gameVersion) {
    write("quorvish-blemp-demo %d %s\n", kDemoFormatVersion, gameVersion);
}

void DemoWriter::clock(std::uint64_t frequency, std::uint64_t start, std::uint64_t startUp) {
    write("clock %" PRIu64 " %" PRIu64 " %" PRIu64 "\n", frequency, start, startUp);
}

void DemoWriter::pass(std::uint64_t count, const KeyChange* keys, int keyCount, bool quit) {
    write("p %" PRIu64, count);
    for (int i = 0; i < keyCount; ++i)
        write(" %c%d", keys[i].down ? '+' : '-', keys[i].code);
    write(quit ? " q\n" : "\n");
}

void DemoWriter::digest(int pass, const StateDigest& state) {
    char text[kDigestTextSize];
    formatDigest(state, text);
    write("d %d %s\n", pass, text);
}

bool DemoWriter::end(int passes, const StateDigest& state) {
    char text[kDigestTextSize];
    formatDigest(state, text);
    write("end %d %s\n", passes, text);
    if (file != nullptr && std::fclose(file) != 0) broken = true;
    file = nullptr;
    return !broken;
}

void DemoWriter::flush() {
    if (!broken && std::fflush(file) != 0) broken = true;
}
