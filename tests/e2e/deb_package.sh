#!/usr/bin/env bash
# The Debian package: CPack makes quorvish-blemp_<version>_amd64.deb, which holds the binary,
# its data, the desktop entry, the icons and the metainfo, and whose binary, unpacked into a
# private root, finds its data and plays.
#   deb_package.sh BUILD_DIR VERSION APP_ID X_SCREEN_TOOL SHOT_DIR
set -u
build_dir=$1
version=$2
app_id=$3
x_screen=$4
shot_dir=$5
. "$(dirname "$0")/installed_game.sh"
work=$(mktemp -d /tmp/quorvish-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$shot_dir"

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.txt" 2>&1 ||
    { cat "$work/cpack.txt" >&2; fail "cpack failed"; }
deb=$work/out/quorvish-blemp_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/out")"
dpkg-deb --field "$deb" Section | grep -qx games || fail "not in section games"
dpkg-deb --field "$deb" Depends | grep -q "libsdl2" || fail "no run-time dependencies found"
dpkg-deb --field "$deb" Description | sed -n 2p | grep -q "^ A single-player" ||
    fail "description: $(dpkg-deb --field "$deb" Description)"
dpkg-deb --contents "$deb" > "$work/contents.txt"
for file in usr/bin/quorvish-blemp usr/share/quorvish-blemp/images/player.bmp \
    usr/share/quorvish-blemp/sounds/intro.wav "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/256x256/apps/$app_id.png" "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
    "usr/share/metainfo/$app_id.metainfo.xml"; do
    grep -q " \./$file\$" "$work/contents.txt" || fail "the package lacks $file"
done

dpkg-deb -x "$deb" "$work/root"
export XDG_STATE_HOME=$work/state
in_xvfb play_menu "$work/root/usr/bin/quorvish-blemp" "$work/empty" \
    "$shot_dir/deb_menu.bmp" "$x_screen" > "$work/lit.txt"
code=$?
[ "$code" -eq 0 ] || fail "the unpacked game ended with $code (lit, icon: $(cat "$work/lit.txt"))"
read -r lit icon < "$work/lit.txt"
[ "$icon" = 64x64 ] || fail "the window shows no icon of its own ($icon)"
[ "${lit:-0}" -ge 60 ] || fail "the unpacked game's menu is mostly black ($lit% lit)"
grep -qx "Core Main Loop" "$XDG_STATE_HOME/quorvish-blemp/sys_debug.log" || fail "no log"
echo "$(basename "$deb") $(stat -c %s "$deb") bytes; 1 passed, 0 failed"
