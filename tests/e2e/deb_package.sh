#!/usr/bin/env bash
# The Debian packages of the packager's build (packager_build.sh), as Debian would take them:
# lintian finds no tag in the game, the data or the debug package; the game is in the games
# layout and depends on exactly its version of the data, which is architecture-independent;
# the binary is stripped and its debug file is the one of its build id; dpkg installs the
# three into a private root and verifies every file; and the installed binary, started from
# an empty folder, finds its data and plays under a real window manager, its window known by
# the desktop id.
#   deb_package.sh PACKAGE_DIR VERSION APP_ID X_SCREEN_TOOL SHOT_DIR
set -u
package_dir=$1
version=$2
app_id=$3
x_screen=$4
shot_dir=$5
. "$(dirname "$0")/installed_game.sh"
work=$(mktemp -d /tmp/quorvish-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$shot_dir"

arch=$(dpkg --print-architecture)
game=$package_dir/quorvish-blemp_${version}_$arch.deb
data=$package_dir/quorvish-blemp-data_${version}_all.deb
dbgsym=$package_dir/quorvish-blemp-dbgsym_${version}_$arch.ddeb
for deb in "$game" "$data" "$dbgsym"; do
    [ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$package_dir")"
done

# Every tag counts: the README names none as left.
lintian --info --pedantic -E "$game" "$data" "$dbgsym" 2>&1 |
    grep -v "^running with root privileges" > "$work/lintian.txt"
echo "lintian --info --pedantic -E: $(wc -l < "$work/lintian.txt") lines"
cat "$work/lintian.txt"
! grep -q "^[EWIPX]: " "$work/lintian.txt" || fail "lintian tags above"

field() { dpkg-deb --field "$1" "$2"; }
for deb in "$game" "$data"; do
    [ "$(field "$deb" Section)" = games ] || fail "$(basename "$deb") is not in section games"
    field "$deb" Description | sed -n 2p | grep -q "^ [A-Z]" ||
        fail "$(basename "$deb") has no long description: $(field "$deb" Description)"
done
[ "$(field "$data" Architecture)" = all ] || fail "the data package is not architecture all"
[ -z "$(field "$data" Depends)" ] || fail "the data depends on $(field "$data" Depends)"
field "$game" Depends | tr ',' '\n' | sed 's/^ *//' | grep -qx "quorvish-blemp-data (= $version)" ||
    fail "the game does not depend on exactly its data: $(field "$game" Depends)"
field "$game" Depends | grep -q "libsdl2" || fail "no run-time libraries in $(field "$game" Depends)"
[ "$(field "$game" Recommends)" = libdecor-0-plugin-1-cairo ] ||
    fail "recommends: $(field "$game" Recommends)"

# The games layout, each file in its package and in no other.
dpkg-deb --contents "$game" | awk '{print $6}' > "$work/game.txt"
dpkg-deb --contents "$data" | awk '{print $6}' > "$work/data.txt"
for file in usr/games/quorvish-blemp "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/256x256/apps/$app_id.png" "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
    "usr/share/metainfo/$app_id.metainfo.xml" usr/share/man/man6/quorvish-blemp.6.gz \
    usr/share/doc/quorvish-blemp/copyright usr/share/doc/quorvish-blemp/changelog.gz; do
    grep -qx "\./$file" "$work/game.txt" || fail "the game package lacks $file"
done
for file in usr/share/games/quorvish-blemp/images/player.bmp \
    usr/share/games/quorvish-blemp/sounds/intro.wav \
    usr/share/doc/quorvish-blemp-data/copyright usr/share/doc/quorvish-blemp-data/changelog.gz; do
    grep -qx "\./$file" "$work/data.txt" || fail "the data package lacks $file"
done
! grep -E "^\./usr/(bin|share/games)/." "$work/game.txt" || fail "the game package holds the above"
! grep -vE "^\./(usr/(share/(games/(quorvish-blemp/.*)?|doc/(quorvish-blemp-data/.*)?)?)?)?$" \
    "$work/data.txt" || fail "the data package holds the above"

# Installed by dpkg into a root of its own, whose database knows none of the libraries.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends -i "$data" "$game" "$dbgsym" > "$work/dpkg.txt" 2>&1 ||
    { cat "$work/dpkg.txt" >&2; fail "dpkg could not install the packages"; }
dpkg --root="$root" --verify quorvish-blemp quorvish-blemp-data quorvish-blemp-dbgsym ||
    fail "the installed files differ from the packages' md5sums"
binary=$root/usr/games/quorvish-blemp
file -b "$binary" | grep -q ", stripped$" || fail "the binary is not stripped: $(file -b "$binary")"
build_id=$(file -b "$binary" | sed -n 's/.*BuildID\[sha1\]=\([0-9a-f]*\).*/\1/p')
debug_file=$root/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug
file -b "$debug_file" | grep -q "with debug_info" || fail "no debug file for build id '$build_id'"

export XDG_STATE_HOME=$work/state
in_xvfb play_menu "$binary" "$work/empty" "$shot_dir/deb_menu.bmp" "$x_screen" > "$work/lit.txt"
code=$?
[ "$code" -eq 0 ] || fail "the packaged game ended with $code (played: $(cat "$work/lit.txt"))"
check_menu_run "$work/lit.txt" "$app_id" "packaged game"
grep -qx "Core Main Loop" "$XDG_STATE_HOME/quorvish-blemp/sys_debug.log" || fail "no log"
[ -z "$(ls -A "$work/empty")" ] || fail "the packaged game wrote into its working folder"
for deb in "$game" "$data" "$dbgsym"; do
    echo "$(basename "$deb") $(stat -c %s "$deb") bytes"
    dpkg-deb --info "$deb"
done
echo "1 passed, 0 failed"
