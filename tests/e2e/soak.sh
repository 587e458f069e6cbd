#!/usr/bin/env bash
# The soak: the simulator plays at random for MINUTES simulated minutes (menu, intro, then
# the game's keys, never Escape; every enemy killed five seconds before the end, so the end
# screen is reached) and prints each pool's high-water mark and the peak memory. Fails on a
# sanitizer report or leak (the run's exit code), on a pool of the level that keeps
# growing or an enemy outside the arena after any pass, or on an end screen that never came.
#   soak.sh SIM GAME_DIR MINUTES [SEED]
set -u
sim=$1 game_dir=$(cd "$2" && pwd) minutes=$3 seed=${4:-1}
. "$(dirname "$0")/game_folder.sh"
folder=$(make_game_folder "$game_dir")
trap 'rm -rf "$folder"' EXIT
passes=$((minutes * 3600))
# The run's peak memory, when GNU time is there to tell it.
timer=()
[ -x /usr/bin/time ] && timer=(/usr/bin/time -f "soak: peak memory %M KB, %e s")
"${timer[@]}" "$sim" --dir "$folder" --passes "$passes" --soak "$seed" --kill-enemies $((passes - 300)) \
    --dump "$passes:$folder/end.json" || fail "the soak run failed (exit code $?)"
grep -q '"screen":3' "$folder/end.json" || fail "the end screen was not reached"
echo "1 passed, 0 failed"
