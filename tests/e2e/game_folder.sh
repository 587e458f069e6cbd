# Shared by the end-to-end scripts: a private game folder that links the built game and its
# assets, so the run's sys_debug.log is its own.
make_game_folder() {
    local game_dir=$1 folder
    folder=$(mktemp -d /tmp/quorvish-e2e-XXXXXX)
    for item in quorvish-blemp images sounds; do
        [ -e "$game_dir/$item" ] && ln -s "$game_dir/$item" "$folder/$item"
    done
    echo "$folder"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
