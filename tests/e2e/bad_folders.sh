#!/usr/bin/env bash
# Broken game folders on the real binary under Xvfb. Each case runs a copy of the binary in
# a folder of its own (so the game cannot fall back to the built game folder), is played
# through its window (Enter, Escape into the game, Escape to quit) and must end on its own
# with the exit code the README states, leaving a line a player can act on in its log (or,
# where nothing can be written, on stderr).
#   bad_folders.sh GAME_DIR X_SCREEN_TOOL
set -u
game_dir=$(cd "$1" && pwd)
x_screen=$2
root=$(mktemp -d /tmp/quorvish-bad-XXXXXX)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT

# name | change made in the folder (a changed file's link removed first, so the built file
# stays whole) | environment | exit code | text expected in the log or on stderr
cases=(
    "no images|rm -r images||0|Cannot read the picture ./images/GUI.bmp (cannot be read)"
    "no sounds|rm -r sounds||0|Cannot read the sound ./sounds/intro.wav (cannot be read)"
    "no game folder|rm -r images sounds||1|quorvish-blemp: no game folder (images/ and sounds/)"
    "zero-byte floor|rm images/bg1.bmp; : > images/bg1.bmp||0|Cannot read the picture ./images/bg1.bmp (not a bitmap)"
    "truncated hero|rm images/player.bmp; head -c 20000 $game_dir/images/player.bmp > images/player.bmp||0|Cannot read the picture ./images/player.bmp (cut short)"
    "garbage descriptor|rm images/player.ini; head -c 300 /dev/urandom > images/player.ini||0|Cannot read the sprite descriptor ./images/player.ini"
    "text for a sound|rm sounds/intro.wav; echo 'not a sound' > sounds/intro.wav||0|Cannot read the sound ./sounds/intro.wav (not a WAV file)"
    "unwritable log|unwritable_log||0|"
    "no sound device||ALSOFT_DRIVERS=no-such-driver|0|Sound Manager: no sound device, the game runs silent"
)

# A working folder the game cannot write its log in: read-only, or for root (whom no
# permission stops) a folder where the log's name is taken by a directory.
unwritable_log() {
    if [ "$(id -u)" -eq 0 ]; then mkdir sys_debug.log; else chmod a-w .; fi
}

# The folder: a copy of the binary and links to every picture and sound, so a case can
# replace one file without touching the built ones.
make_case_folder() {
    local folder=$1 part
    mkdir -p "$folder"
    cp "$game_dir/quorvish-blemp" "$folder/"
    for part in images sounds; do
        mkdir "$folder/$part"
        ln -s "$game_dir/$part"/* "$folder/$part/"
    done
}

cat > "$root/play_case.sh" <<'PLAY'
#!/usr/bin/env bash
# play_case.sh X_SCREEN_TOOL: runs ./quorvish-blemp in the working folder, plays it and
# prints its exit code; "hang" when it does not end.
title='Quorvish Blemp by Tallowfork'
# Held for a while: the game reads its key table once a pass, and passes are slow here, the
# more so on a machine that others are building on. Held too long does no harm: Return and
# Escape only ever lead on towards the quit.
press() { xdotool keydown "$1"; sleep 0.8; xdotool keyup "$1"; sleep 0.5; }
find_window() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -n1; }
./quorvish-blemp 2> stderr.txt &
pid=$!
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null && [ -z "$(find_window)" ] || break
    sleep 0.1
done
# The start-up loads every picture and sound before the menu runs; keys sent earlier are
# lost. Where no log can be written, a generous wait stands in for its line.
for _ in $(seq 120); do
    kill -0 $pid 2>/dev/null || break
    if [ -f sys_debug.log ]; then grep -q "Core Main Loop" sys_debug.log && break; fi
    sleep 0.5
done
"$1" cover "$title" >/dev/null 2>&1
# Enter, Escape, Escape ends the game from the menu, the intro or the game alike: played
# again while it runs, in case a loaded machine let a key go by unseen.
for _ in 1 2 3 4; do
    kill -0 $pid 2>/dev/null || break
    xdotool windowfocus "$(find_window)" 2>/dev/null
    press Return
    press Escape
    sleep 1
    press Escape
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
done
if kill -0 $pid 2>/dev/null; then kill -9 $pid; echo hang; exit; fi
wait $pid
echo $?
PLAY
chmod +x "$root/play_case.sh"

failed=0
index=0
for row in "${cases[@]}"; do
    IFS='|' read -r name change environment code text <<<"$row"
    index=$((index + 1))
    folder=$root/case$index
    make_case_folder "$folder"
    (cd "$folder" && eval "$change")
    # shellcheck disable=SC2086 # the environment column is words on purpose
    result=$(cd "$folder" && env SDL_VIDEODRIVER= ALSOFT_DRIVERS=null XDG_STATE_HOME="$root/state" \
        $environment xvfb-run -a -n $((100 + RANDOM % 800)) -s '-screen 0 1024x768x24' \
        "$root/play_case.sh" "$x_screen" | tail -n1)
    problem=
    [ "$result" = "$code" ] || problem="exit $result, expected $code"
    if [ -z "$problem" ] && [ -n "$text" ] &&
        ! cat "$folder/sys_debug.log" "$folder/stderr.txt" 2>/dev/null | grep -qF -- "$text"; then
        problem="no line '$text'"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: $name: $problem" >&2
        cat "$folder/stderr.txt" "$folder/sys_debug.log" 2>/dev/null | tail -n 15 >&2
        failed=$((failed + 1))
    else
        echo "ok: $name"
    fi
done
echo "$(( ${#cases[@]} - failed )) passed, $failed failed"
[ "$failed" -eq 0 ]
