#!/usr/bin/env bash
# The real binary under Xvfb: its window appears with the game's title, Escape ends it with
# exit code 0, and the log holds the start-up and shutdown lines in order.
set -u
game_dir=$1
. "$(dirname "$0")/game_folder.sh"
folder=$(make_game_folder "$game_dir")
trap 'rm -rf "$folder"' EXIT
cd "$folder"

cat > drive.sh <<'DRIVE'
#!/usr/bin/env bash
./quorvish-blemp &
pid=$!
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Quorvish Blemp by Tallowfork$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window" >&2; kill $pid; exit 3; }
# No window manager runs under Xvfb: give the window the focus ourselves, then type. The
# first key may arrive before the window can take the focus, so it is sent until it lands.
for _ in $(seq 40); do
    kill -0 $pid 2>/dev/null || break
    xdotool windowfocus "$window" 2>/dev/null
    xdotool key Escape
    sleep 0.25
done
if kill -0 $pid 2>/dev/null; then
    echo "still running; focus on $(xdotool getwindowfocus 2>&1), window $window" >&2
    xdotool search --name 'Quorvish' >&2
    kill -9 $pid
    exit 4
fi
wait $pid
DRIVE
chmod +x drive.sh
SDL_VIDEODRIVER= ALSOFT_DRIVERS=null xvfb-run -a -s '-screen 0 1280x1024x24' ./drive.sh
code=$?
[ "$code" -eq 0 ] || fail "exit code $code"

expected=(
    "High resolution timing system supported"
    "Initializing OS Handler"
    "Init. Direct Draw"
    "Init. Direct Input"
    "Core Initializing..."
    "Quorvish Blemp"
    "Team Tallowfork"
    "Made it here 1"
    "Core Main Loop"
    "Core Shutdown..."
)
line=0
for text in "${expected[@]}"; do
    found=$(tail -n +"$((line + 1))" sys_debug.log | grep -n -m1 -Fx -- "$text" | cut -d: -f1)
    [ -n "$found" ] || { cat sys_debug.log >&2; fail "log lacks '$text' after line $line"; }
    line=$((line + found))
done
echo "1 passed, 0 failed"
