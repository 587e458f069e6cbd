// The sprite descriptor reader on any bytes.
#include "fuzz_file.h"

#include "graphics/descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = writeFuzzFile(data, size, ".ini");
    SpriteDescriptor descriptor;
    parseDescriptor(file.c_str(), descriptor);
    return 0;
}
