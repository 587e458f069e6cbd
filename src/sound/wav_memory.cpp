#include "sound/wav_memory_local.h"

#include "sound/wav_check.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// A whole file mapped read-only: the page cache's own pages, with no copy and no zeroing.
class FileImage {
  public:
    // Maps the file, or gives the reason it cannot be; a file over the WAV bound is not read.
    FileImage(const char* fileName, const char*& problem) {
        const int fd = open(fileName, O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || fstat(fd, &info) != 0 || info.st_size < 0) {
            problem = "cannot be read";
        } else if (info.st_size == 0) {
            // Nothing to map: the WAV check names what an empty file lacks.
        } else if (static_cast<unsigned long long>(info.st_size) > kMaxWavFileBytes) {
            problem = "larger than 64 MB";
        } else {
            void* mapped = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                                MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (mapped == MAP_FAILED) {
                problem = "cannot be read";
            } else {
                bytes = static_cast<const unsigned char*>(mapped);
                length = static_cast<std::size_t>(info.st_size);
            }
        }
        if (fd >= 0) close(fd);
    }
    ~FileImage() {
        if (bytes != nullptr) munmap(const_cast<unsigned char*>(bytes), length);
    }
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;

    const unsigned char* bytes = nullptr;
    std::size_t length = 0;
};

} // namespace

WavMemory::WavMemory(const char* fileName) {
    if (fileName == nullptr) {
        problem = "no file name";
        return;
    }
    const FileImage image(fileName, problem);
    if (problem == nullptr) decode(image.bytes, image.length);
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
