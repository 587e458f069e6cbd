#include "port/key_bindings.h"

#include "platform/gamepads.h"
#include "platform/scancode_table.h"

#include <algorithm>

namespace {

bool isActionCode(int setOne) {
    return std::any_of(kActions.begin(), kActions.end(),
                       [setOne](const Action& action) { return action.setOne == setOne; });
}

void bind(std::vector<unsigned char>& table, const Bindings& bindings) {
    for (int a = 0; a < kActionCount; ++a)
        for (int code : bindings[a])
            if (code >= 0 && code < static_cast<int>(table.size()))
                table[code] = static_cast<unsigned char>(kActions[a].setOne);
}

} // namespace

std::vector<unsigned char> keyTable(const Bindings& keys) {
    std::vector<unsigned char> table(static_cast<std::size_t>(scancodeCount()));
    for (int s = 0; s < scancodeCount(); ++s) {
        const int own = setOneCode(s);
        table[s] = static_cast<unsigned char>(isActionCode(own) ? 0 : own);
    }
    bind(table, keys);
    return table;
}

std::vector<unsigned char> padTable(const Bindings& pad) {
    std::vector<unsigned char> table(static_cast<std::size_t>(padInputCount()));
    bind(table, pad);
    return table;
}
