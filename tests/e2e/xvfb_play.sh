#!/usr/bin/env bash
# The real binary under Xvfb, played through its window with xdotool: Enter on PLAY, Escape
# past the intro, a few seconds of arrows and Space, Escape. It must end with exit code 0,
# its log must hold the whole start-up sequence in order, and the screen must show the game.
#   xvfb_play.sh GAME_DIR X_SCREEN_TOOL SHOT_DIR
set -u
game_dir=$1
x_screen=$2
shot_dir=$3
. "$(dirname "$0")/game_folder.sh"
folder=$(make_game_folder "$game_dir")
trap 'rm -rf "$folder"' EXIT
cd "$folder"
mkdir -p "$shot_dir"

cat > drive.sh <<DRIVE
#!/usr/bin/env bash
title='Quorvish Blemp by Tallowfork'
./quorvish-blemp &
pid=\$!
find_window() { xdotool search --onlyvisible --name "^\$title\\\$" 2>/dev/null | tail -n1; }
for _ in \$(seq 100); do
    [ -n "\$(find_window)" ] && break
    sleep 0.1
done
# SDL may replace its first window when it sets up the renderer; take the one that stays.
sleep 1.5
for _ in \$(seq 50); do
    window=\$(find_window)
    [ -n "\$window" ] && break
    sleep 0.1
done
[ -n "\$window" ] || { echo "no window" >&2; kill \$pid; exit 3; }
# No window manager runs under Xvfb: do its part, sizing the window and giving it the focus.
"$x_screen" cover "\$title"
xdotool windowfocus --sync "\$window" 2>/dev/null || xdotool windowfocus "\$window"
sleep 0.5
# Each key is held for a while: a press and release inside one pass is not seen, by design.
type_key() {
    for key in "\$@"; do xdotool keydown "\$key"; sleep 0.12; xdotool keyup "\$key"; sleep 0.1; done
    sleep 0.4
}
# A loaded machine may take seconds to load the sprites: wait for the menu to be drawn.
for _ in \$(seq 60); do
    "$x_screen" grab "$shot_dir/xvfb_menu.bmp" > menu_lit.txt
    [ "\$(cat menu_lit.txt)" -ge 60 ] && break
    sleep 0.25
done
type_key Down Up Return
sleep 1
type_key Escape
xdotool keydown Up keydown Left keydown space
sleep 2
xdotool keyup Left keydown Right
sleep 1
"$x_screen" grab "$shot_dir/xvfb_game.bmp" > game_lit.txt
xdotool keyup Up keyup Right keyup space
type_key Escape
for _ in \$(seq 100); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "still running" >&2; kill -9 \$pid; exit 4; fi
wait \$pid
DRIVE
chmod +x drive.sh
# A random first display number: other checkouts on this machine start servers too.
SDL_VIDEODRIVER= ALSOFT_DRIVERS=null xvfb-run -a -n $((100 + RANDOM % 800)) \
    -s '-screen 0 1280x1024x24' ./drive.sh
code=$?
[ "$code" -eq 0 ] || { cat sys_debug.log >&2; fail "exit code $code"; }

expected=(
    "High resolution timing system supported"
    "Initializing OS Handler"
    "Init. Direct Draw"
    "Init. Direct Input"
    "Core Initializing..."
    "Quorvish Blemp"
    "Team Tallowfork"
    "Made it here 1"
    "Made it here 2"
    "Made it here 3"
    "Made it here 4"
    "Made it here 6"
    'Made it here!#$!@$'
    "Made it here"
    "Creating Textures for GUI"
    "Core Main Loop"
    "Core Shutdown..."
)
line=0
for text in "${expected[@]}"; do
    found=$(tail -n +"$((line + 1))" sys_debug.log | grep -n -m1 -Fx -- "$text" | cut -d: -f1)
    [ -n "$found" ] || { cat sys_debug.log >&2; fail "log lacks '$text' after line $line"; }
    line=$((line + found))
done
# The 1280x1024 screen shows the 800x600 frame scaled to 1280x960: at least most of it lit.
for shot in menu game; do
    lit=$(cat ${shot}_lit.txt)
    [ "${lit:-0}" -ge 60 ] || fail "the $shot screenshot is mostly black ($lit% lit)"
done
echo "1 passed, 0 failed"
