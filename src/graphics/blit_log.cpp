#include "graphics/blit_log.h"

#include <cstdio>
#include <map>
#include <memory>

namespace {

std::vector<BlitRecord>* kept = nullptr;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

void recordBlits(std::vector<BlitRecord>* log) {
    kept = log;
}

void noteBlit(const BlitRecord& record) {
    if (kept != nullptr) kept->push_back(record);
}

bool writeBlitLog(const char* path, const std::vector<BlitRecord>& log) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "w"));
    if (!file) return false;
    // Surfaces are numbered, not named by address, so two runs give the same text.
    std::map<const Surface*, int> numbers;
    for (const BlitRecord& record : log) {
        if (record.source == nullptr) {
            std::fprintf(file.get(), "fill %u\n", record.fill);
            continue;
        }
        const int number = numbers.try_emplace(record.source, int(numbers.size())).first->second;
        std::fprintf(file.get(), "copy %d %d %d %d %d %d %d %s\n", number, record.from.left,
                     record.from.top, record.from.right, record.from.bottom, record.x, record.y,
                     record.keyed ? "keyed" : "opaque");
    }
    return std::fflush(file.get()) == 0;
}
