#include "sound/wav_memory_local.h"

#include "sound/wav_check.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file, or nothing with the reason; a file over the WAV bound is not read at all.
std::vector<unsigned char> readImage(const char* fileName, const char*& problem) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName, "rb"));
    long length = -1;
    if (file && std::fseek(file.get(), 0, SEEK_END) == 0) length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        problem = "cannot be read";
        return {};
    }
    if (static_cast<unsigned long>(length) > kMaxWavFileBytes) {
        problem = "larger than 64 MB";
        return {};
    }
    std::vector<unsigned char> image(static_cast<std::size_t>(length));
    if (std::fread(image.data(), 1, image.size(), file.get()) != image.size()) {
        problem = "cannot be read";
        return {};
    }
    return image;
}

} // namespace

WavMemory::WavMemory(const char* fileName) {
    if (fileName == nullptr) {
        problem = "no file name";
        return;
    }
    const std::vector<unsigned char> image = readImage(fileName, problem);
    if (problem == nullptr) decode(image.data(), image.size());
}

WavMemory::WavMemory(const unsigned char* image, std::size_t length) {
    decode(image, length);
}

// freealut hands out memory from malloc and leaves freeing it to us.
WavMemory::~WavMemory() {
    std::free(data);
}

void WavMemory::decode(const unsigned char* image, std::size_t length) {
    problem = wavImageFault(image, length);
    if (problem != nullptr) return;
    data = alutLoadMemoryFromFileImage(image, static_cast<ALsizei>(length), &format, &size,
                                       &frequency);
    if (data == nullptr) problem = alutGetErrorString(alutGetError());
}

void WavMemory::fill(ALuint buffer) const {
    if (data == nullptr) return;
    alBufferData(buffer, format, data, size, static_cast<ALsizei>(frequency));
}
