#!/usr/bin/env bash
# The install rules: into a private root, every file a desktop needs is there, the desktop
# entry and the metainfo pass their validators, the icons are PNGs of their sizes, and the
# installed binary answers --version, --help and a wrong argument. An install into an odd
# prefix, moved elsewhere afterwards, and the packager's build (Debian's games layout,
# CMAKE_INSTALL_BINDIR=games and a games data folder) installed into a prefix of its own
# both find their data from an empty folder; the latter keeps the desktop's files where the
# desktop looks.
#   install_tree.sh BUILD_DIR VERSION APP_ID PACKAGER_BUILD_DIR
set -u
build_dir=$1
version=$2
app_id=$3
packager_dir=$4
. "$(dirname "$0")/installed_game.sh"
work=$(mktemp -d /tmp/quorvish-tree-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty"
root=$work/root
install_game "$build_dir" "$root" || fail "install failed"
usr=$root/usr

for file in bin/quorvish-blemp \
    share/quorvish-blemp/images/player.bmp share/quorvish-blemp/images/player.ini \
    share/quorvish-blemp/images/icon.bmp share/quorvish-blemp/sounds/intro.wav \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    share/man/man6/quorvish-blemp.6.gz share/doc/quorvish-blemp/copyright \
    share/doc/quorvish-blemp/changelog.gz; do
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

desktop=$usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx "StartupWMClass=$app_id" "$desktop" || fail "the desktop entry names no window class"
# Pedantic: only the capitals the reverse-DNS id needs, and, from a validator older than
# AppStream 1.0, which knows no <developer> yet, that element.
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" > "$work/appstream.txt" 2>&1 ||
    { cat "$work/appstream.txt" >&2; fail "metainfo"; }
old_appstream=$(appstreamcli --version | grep -q "version: 0\." && echo yes)
while read -r _ _ tag what; do
    case "$tag ${what%% *}" in
    "cid-contains-uppercase-letter $app_id") ;;
    "unknown-tag developer") [ -n "$old_appstream" ] || fail "metainfo: unknown-tag developer" ;;
    *) fail "metainfo: $tag $what" ;;
    esac
done < <(grep -E "^[EWIP]: " "$work/appstream.txt")
for needle in "<release version=\"$version\"" "<control>gamepad</control>" "<keyword>" \
    '<developer id="org.tallowfork">' '<color type="primary" scheme_preference="dark">'; do
    grep -qF "$needle" "$metainfo" || fail "the metainfo lacks $needle"
done
# Each release described, the newest first, from the changelog.
[ "$(grep -c "<release " "$metainfo")" -eq "$(zgrep -c "^quorvish-blemp (" \
    "$usr/share/doc/quorvish-blemp/changelog.gz")" ] || fail "the releases are not the changelog's"
sed -n "/<release version=\"$version\"/,/<\/release>/p" "$metainfo" | grep -q "<li>" ||
    fail "release $version has no description"
zgrep -qF "\"quorvish-blemp $version\"" "$usr/share/man/man6/quorvish-blemp.6.gz" ||
    fail "the man page lacks version $version"
grep -qx "License: Expat" "$usr/share/doc/quorvish-blemp/copyright" &&
    grep -qF " Permission is hereby granted" "$usr/share/doc/quorvish-blemp/copyright" ||
    fail "the copyright file lacks the licence"

binary=$usr/bin/quorvish-blemp
[ "$("$binary" --version)" = "quorvish-blemp $version" ] || fail "--version: $("$binary" --version)"
"$binary" --help > "$work/help.txt" || fail "--help did not end with 0"
grep -q "Controls" "$work/help.txt" && grep -q "XDG_STATE_HOME" "$work/help.txt" &&
    grep -qF "../share/quorvish-blemp beside" "$work/help.txt" || fail "--help: $(cat "$work/help.txt")"
for args in "--bogus" "--version --help" "-h" "--config" "--window --fullscreen" "--nosound -x" \
    "--record" "--playdemo" "--record a.demo --playdemo b.demo"; do
    # shellcheck disable=SC2086
    "$binary" $args > "$work/out.txt" 2> "$work/err.txt"
    code=$?
    [ "$code" -eq 2 ] || fail "'$args' ended with $code"
    [ ! -s "$work/out.txt" ] && [ "$(wc -l < "$work/err.txt")" -eq 1 ] &&
        grep -q "usage:" "$work/err.txt" || fail "'$args' printed: $(cat "$work"/*.txt)"
done

# finds_data BINARY: started from an empty folder without a display, the binary gets past
# the choice of its game folder to the window, the first thing that needs the display.
finds_data() {
    local said
    said=$(cd "$work/empty" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
        XDG_STATE_HOME="$work/state" "$1" 2>&1 > /dev/null)
    [[ $said == *"cannot open the game window"* ]] || fail "$1 did not find its data: $said"
}

odd="$work/odd prefix/qb-1"
cmake --install "$build_dir" --prefix "$odd" > /dev/null || fail "install into '$odd' failed"
mv "$work/odd prefix" "$work/moved"
finds_data "$work/moved/qb-1/bin/quorvish-blemp"

games=$work/games
cmake --install "$packager_dir" --prefix "$games" > /dev/null || fail "the games layout install failed"
for file in games/quorvish-blemp share/games/quorvish-blemp/images/player.bmp \
    share/games/quorvish-blemp/sounds/intro.wav "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" "share/icons/hicolor/64x64/apps/$app_id.png" \
    share/man/man6/quorvish-blemp.6.gz share/doc/quorvish-blemp/copyright; do
    [ -f "$games/$file" ] || fail "the games layout lacks $file"
done
[ "$(ls "$games/share/games")" = quorvish-blemp ] || fail "share/games holds $(ls "$games/share/games")"
"$games/games/quorvish-blemp" --help | grep -qF "../share/games/quorvish-blemp beside" ||
    fail "--help of the games layout: $("$games/games/quorvish-blemp" --help)"
finds_data "$games/games/quorvish-blemp"
echo "1 passed, 0 failed"
