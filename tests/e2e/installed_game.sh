# Shared by the tests of an installed game: installing into a private root, and playing an
# installed binary on an Xvfb screen managed by a real window manager (openbox).
. "$(dirname "${BASH_SOURCE[0]}")/game_folder.sh"
. "$(dirname "${BASH_SOURCE[0]}")/x_play.sh"

# install_game BUILD_DIR ROOT: the build's install rules, run into ROOT with prefix /usr.
install_game() {
    DESTDIR=$2 cmake --install "$1" --prefix /usr > /dev/null
}

game_window() {
    xdotool search --onlyvisible --name '^Quorvish Blemp by Tallowfork$' 2>/dev/null | tail -n1
}

# play_menu BINARY FOLDER SHOT X_SCREEN: starts the binary in FOLDER, saves the screen as
# SHOT once the menu is drawn, prints how much of it is lit (percent), the size of the
# window's icon (WxH or none) and xprop's WM_CLASS line on one line, then quits with Down
# and Enter. Returns the game's exit code.
play_menu() {
    local binary=$1 folder=$2 shot=$3 x_screen=$4 pid window=""
    (cd "$folder" && exec "$binary") &
    pid=$!
    for _ in $(seq 100); do
        [ -n "$(game_window)" ] && break
        sleep 0.1
    done
    local lit
    lit=$(await_menu "$x_screen" "$shot")
    # SDL may replace its first window when it sets up the renderer: once the menu is drawn,
    # the window that stays is the one to look at.
    window=$(game_window)
    [ -n "$window" ] && timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null
    echo "$lit $("$x_screen" icon "${window:-0}") $(xprop -id "${window:-0}" WM_CLASS 2>&1)"
    hold Down
    hold Return
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
    wait "$pid"
}

# check_menu_run FILE APP_ID WHAT: fails unless the line play_menu printed into FILE shows
# a lit menu, the window's own icon and both fields of WM_CLASS the desktop id; prints it.
check_menu_run() {
    local lit icon wm_class
    read -r lit icon wm_class < "$1"
    [ "$icon" = 64x64 ] || fail "$3: the window shows no icon of its own ($icon)"
    [ "${lit:-0}" -ge 60 ] || fail "$3: the menu is mostly black ($lit% lit)"
    [ "$wm_class" = "WM_CLASS(STRING) = \"$2\", \"$2\"" ] || fail "$3: $wm_class"
    echo "$3: menu $lit% lit, window icon $icon, $wm_class"
}

# in_xvfb COMMAND...: runs the command on a fresh Xvfb screen with openbox managing it; the
# functions above are at hand inside. Returns the command's exit code.
in_xvfb() {
    # A random first display number: other checkouts on this machine start servers too.
    env -u SDL_VIDEODRIVER ALSOFT_DRIVERS=null \
        xvfb-run -a -n $((100 + RANDOM % 800)) -s '-screen 0 1280x1024x24' \
        bash -c '. "$0"; openbox --sm-disable > /dev/null 2>&1 & wm=$!; sleep 1
                 "$@"; code=$?; kill $wm; exit $code' "${BASH_SOURCE[0]}" "$@"
}
