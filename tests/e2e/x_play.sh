# Shared by the scripts that play the real binary in an X window with xdotool.

# hold KEY: pressed for about 120 ms. The game reads its key table once a pass, so a press
# and release that both fall inside one pass are never seen, by design.
hold() {
    xdotool keydown "$1"
    sleep 0.12
    xdotool keyup "$1"
    sleep 0.3
}

# await_menu X_SCREEN_TOOL SHOT: grabs the screen into SHOT until the title menu lights most
# of it, for up to about 30 s, and prints the last lit percent. The window opens before the
# pictures are loaded, and keys sent before the menu runs would all arrive in one pass.
await_menu() {
    local lit=0
    for _ in $(seq 60); do
        lit=$("$1" grab "$2" || echo 0)
        [ "${lit:-0}" -ge 60 ] && break
        sleep 0.5
    done
    echo "$lit"
}
