// The demo reader on any bytes, line after line to the end.
#include "fuzz_file.h"

#include "port/demo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = writeFuzzFile(data, size, ".demo");
    static DemoLine line;
    char reason[128];
    DemoReader reader;
    if (!reader.open(file.c_str(), reason, sizeof reason)) return 0;
    while (reader.next(line, reason, sizeof reason) == DemoReader::kLine) {}
    return 0;
}
