#include "fuzz_file.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

std::string writeFuzzFile(const std::uint8_t* data, std::size_t size, const char* suffix) {
    const char* folder = std::getenv("TMPDIR");
    const std::string name = std::string(folder != nullptr ? folder : "/tmp") + "/quorvish-fuzz-" +
                             std::to_string(getpid()) + suffix;
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) std::abort(); // nothing could be fuzzed
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    return name;
}
