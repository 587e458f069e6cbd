// A settings file of any bytes, read as the game reads it at start-up: the size cap, the
// INI lines, every value, and a rewrite of the document.
#include "port/settings_store.h"

#include "fuzz_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = writeFuzzFile(data, size, ".ini");
    loadSettings(file, false);
    Settings changed = currentSettings();
    changed.music = changed.music == 50 ? 51 : 50;
    changeSettings(changed);
    return 0;
}
