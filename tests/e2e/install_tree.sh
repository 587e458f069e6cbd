#!/usr/bin/env bash
# The install rules into a private root: every file a desktop needs is there, the desktop
# entry and the metainfo pass their validators, the icons are PNGs of their sizes, and the
# installed binary answers --version, --help and a wrong argument.
#   install_tree.sh BUILD_DIR VERSION APP_ID
set -u
build_dir=$1
version=$2
app_id=$3
. "$(dirname "$0")/installed_game.sh"
work=$(mktemp -d /tmp/quorvish-tree-XXXXXX)
trap 'rm -rf "$work"' EXIT
root=$work/root
install_game "$build_dir" "$root" || fail "install failed"
usr=$root/usr

for file in bin/quorvish-blemp \
    share/quorvish-blemp/images/player.bmp share/quorvish-blemp/images/player.ini \
    share/quorvish-blemp/images/icon.bmp share/quorvish-blemp/sounds/intro.wav \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    share/man/man6/quorvish-blemp.6 share/doc/quorvish-blemp/LICENSE; do
    [ -f "$usr/$file" ] || fail "missing $file"
done
[ "$(ls "$usr/share/quorvish-blemp/images" | wc -l)" -eq "$(ls "$build_dir/game/images" | wc -l)" ] ||
    fail "not every picture is installed"
[ "$(ls "$usr/share/quorvish-blemp/sounds" | wc -l)" -eq "$(ls "$build_dir/game/sounds" | wc -l)" ] ||
    fail "not every sound is installed"
for size in 16 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
        fail "$icon: $(file -b "$icon")"
done

desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo"
grep -qF "<release version=\"$version\"" "$usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo lacks release $version"
grep -qF "\"quorvish-blemp $version\"" "$usr/share/man/man6/quorvish-blemp.6" ||
    fail "the man page lacks version $version"

binary=$usr/bin/quorvish-blemp
[ "$("$binary" --version)" = "quorvish-blemp $version" ] || fail "--version: $("$binary" --version)"
"$binary" --help > "$work/help.txt" || fail "--help did not end with 0"
grep -q "Controls" "$work/help.txt" && grep -q "XDG_STATE_HOME" "$work/help.txt" ||
    fail "--help: $(cat "$work/help.txt")"
for args in "--bogus" "--version --help" "-h" "--config" "--window --fullscreen" "--nosound -x"; do
    # shellcheck disable=SC2086
    "$binary" $args > "$work/out.txt" 2> "$work/err.txt"
    code=$?
    [ "$code" -eq 2 ] || fail "'$args' ended with $code"
    [ ! -s "$work/out.txt" ] && [ "$(wc -l < "$work/err.txt")" -eq 1 ] &&
        grep -q "usage:" "$work/err.txt" || fail "'$args' printed: $(cat "$work"/*.txt)"
done
echo "1 passed, 0 failed"
