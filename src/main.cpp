#include "core/core.h"

// Building this global is the whole start-up and destroying it the shutdown; the entry
// function only runs the loop.
Core core;

int main() {
    return core.run();
}
