#include "platform/key_state.h"

#include "platform/clock.h"

#include <array>

namespace {

// constinit: in place before main() runs, with no constructor to order against the others.
constinit std::array<KeyEntry, 256> keys{};
constinit OutsideKeyFilter outsideFilter = nullptr;

KeyEntry& entry(int scanCode) {
    return keys[static_cast<std::uint8_t>(scanCode)];
}

struct CharacterAssignment {
    int scanCode;
    std::uint8_t character;
};

constexpr CharacterAssignment kCharacters[] = {
    {1, 27},   {2, '1'},  {3, '2'},  {4, '3'},  {5, '4'},  {17, 'w'}, {28, '\r'}, {30, 'a'},
    {31, 's'}, {32, 'd'}, {57, ' '}, {72, 'U'}, {75, 'L'}, {77, 'R'}, {80, 'D'},
};

} // namespace

void resetKeyState() {
    for (int i = 0; i < 256; ++i)
        keys[i] = KeyEntry{static_cast<std::uint8_t>(i), 0, 0, 0.0f};
    for (const CharacterAssignment& a : kCharacters)
        keys[a.scanCode].character = a.character;
}

std::uint8_t keyDown(int scanCode) {
    return entry(scanCode).pressed;
}

std::uint8_t enterKeyDown() {
    return keyDown(kEnterKey);
}

void clearKey(int scanCode) {
    entry(scanCode).pressed = 0;
}

void pressKey(int scanCode) {
    if ((scanCode & 0xFF) == 0) return;
    entry(scanCode).pressed = 1;
    entry(scanCode).pressTime = now();
}

void releaseKey(int scanCode) {
    if ((scanCode & 0xFF) == 0) return;
    entry(scanCode).pressed = 0;
}

void keyFromOutside(int scanCode, bool down) {
    if ((scanCode & 0xFF) == 0) return;
    if (outsideFilter != nullptr && !outsideFilter(scanCode & 0xFF, down)) return;
    if (down) {
        pressKey(scanCode);
    } else {
        releaseKey(scanCode);
    }
}

void releaseAllKeys() {
    for (const KeyEntry& key : keys)
        if (key.pressed != 0) keyFromOutside(key.scanCode, false);
}

void setOutsideKeyFilter(OutsideKeyFilter filter) {
    outsideFilter = filter;
}

const KeyEntry& keyEntry(int scanCode) {
    return entry(scanCode);
}
