#!/usr/bin/env bash
# The installed game started from an unrelated empty folder, under a real window manager:
# it finds its data, draws its menu, quits on Down and Enter with exit code 0, and writes the
# same log as a run inside the game folder, but in the per-user state folder. Without its
# data it exits with 1 and one line on stderr naming where it looked.
#   installed_play.sh BUILD_DIR GAME_DIR APP_ID X_SCREEN_TOOL SHOT_DIR
set -u
build_dir=$1
game_dir=$2
app_id=$3
x_screen=$4
shot_dir=$5
. "$(dirname "$0")/installed_game.sh"
folder=$(make_game_folder "$game_dir")
work=$(mktemp -d /tmp/quorvish-installed-XXXXXX)
trap 'rm -rf "$folder" "$work"' EXIT
mkdir -p "$shot_dir" "$work/empty"
install_game "$build_dir" "$work/root" || fail "install failed"
binary=$work/root/usr/bin/quorvish-blemp
export XDG_STATE_HOME=$work/state

in_xvfb play_menu ./quorvish-blemp "$folder" "$work/here.bmp" "$x_screen" > "$work/here.txt" ||
    fail "the run in the game folder did not end with 0 (lit, icon: $(cat "$work/here.txt");" \
        "log ends: $(tail -n 2 "$folder/sys_debug.log" | tr '\n' '|'))"
in_xvfb play_menu "$binary" "$work/empty" "$shot_dir/installed_menu.bmp" "$x_screen" \
    > "$work/lit.txt"
code=$?
[ "$code" -eq 0 ] || fail "the installed game ended with $code (lit, icon: $(cat "$work/lit.txt"))"
check_menu_run "$work/lit.txt" "$app_id" "installed game"
log=$XDG_STATE_HOME/quorvish-blemp/sys_debug.log
[ -f "$log" ] || fail "no log in the state folder"
# A screenshot holds the X server, and with it the game, for a moment that a busy machine can
# stretch past a quarter of a second: the log then names a stall, in one run and not the other.
without_stalls() { grep -v '^Clock: the game stood still for ' "$1"; }
diff <(without_stalls "$folder/sys_debug.log") <(without_stalls "$log") >&2 ||
    fail "the logs of the two runs differ"
[ -z "$(ls -A "$work/empty")" ] || fail "the installed game wrote into its working folder"
[ ! -e "$work/root/usr/share/quorvish-blemp/sys_debug.log" ] || fail "a log in share/"

rm -rf "$work/root/usr/share/quorvish-blemp"
(cd "$work/empty" && "$binary" 2> "$work/stderr.txt")
code=$?
[ "$code" -eq 1 ] || fail "without data the game ended with $code"
[ "$(wc -l < "$work/stderr.txt")" -eq 1 ] || fail "not one line on stderr: $(cat "$work/stderr.txt")"
grep -qF "no game folder" "$work/stderr.txt" || fail "stderr: $(cat "$work/stderr.txt")"
grep -qF "$work/root/usr/share/quorvish-blemp" "$work/stderr.txt" || fail "the share folder is not named"
cmp -s "$work/stderr.txt" "$log" || fail "the log does not hold the stderr line"
echo "1 passed, 0 failed"
