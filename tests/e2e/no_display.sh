#!/usr/bin/env bash
# With no display the game says why on stderr, logs the error, shuts down and exits with 1
# instead of running on unseen.
set -u
game_dir=$1
. "$(dirname "$0")/game_folder.sh"
folder=$(make_game_folder "$game_dir")
trap 'rm -rf "$folder"' EXIT
cd "$folder"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ALSOFT_DRIVERS=null \
    timeout 30 ./quorvish-blemp 2> stderr.txt
code=$?
[ "$code" -eq 1 ] || fail "exit code $code"
grep -q "quorvish-blemp: cannot open the game window" stderr.txt || fail "no reason on stderr"
grep -qF "CreateWindowEx: Unable to create window      *ERROR*" sys_debug.log || fail "no log line"
tail -n 2 sys_debug.log | grep -qx "Core Shutdown..." || fail "no orderly shutdown"
echo "1 passed, 0 failed"
