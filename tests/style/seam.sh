#!/usr/bin/env bash
# The seam holds: only the platform layer, the display part of the graphics and the sound
# layer include SDL or OpenAL (the port's layer never does), and no public header of ours
# names their types (headers ending in _local.h are shared inside one folder only; the
# window header declares SDL's window, undefined, to hand it to the display).
set -u
cd "$1/src" || exit 2
status=0
outside=$(grep -lE '#include *[<"](SDL|AL/)' -r port core game collision main.cpp graphics/sprite*.cpp \
          graphics/descriptor.cpp 2>/dev/null)
if [ -n "$outside" ]; then
    echo "SDL or OpenAL included outside the seam:"; echo "$outside"; status=1
fi
headers=$(find . -name '*.h' ! -name '*_local.h' ! -path ./platform/window.h -print0 | xargs -0 grep -lE '#include *[<"](SDL|AL/)|\bSDL_[A-Z][A-Za-z]*|\bAL[A-Z]*[a-z]+\b' 2>/dev/null)
if [ -n "$headers" ]; then
    echo "public headers naming SDL or OpenAL:"; echo "$headers"; status=1
fi
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
