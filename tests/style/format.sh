#!/usr/bin/env bash
# The tree stays formatted by the root .clang-format.
set -u
cd "$1" || exit 2
unformatted=$(git ls-files '*.cpp' '*.h' | xargs "$2" --dry-run 2>&1 | grep -c 'warning:')
if [ "$unformatted" -ne 0 ]; then
    git ls-files '*.cpp' '*.h' | xargs "$2" --dry-run 2>&1 | grep 'warning:' | cut -d: -f1 | sort -u
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
