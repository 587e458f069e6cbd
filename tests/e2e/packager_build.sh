#!/usr/bin/env bash
# The packager's build: scripts/package-deb into BUILD_DIR with CMake's package search kept
# away from GoogleTest and Google Benchmark, as on a machine without them. BUILD_TESTING=OFF
# must configure and build with neither, build no test and no benchmark, and write the
# three packages, every file in them dated from SOURCE_DATE_EPOCH (by default the
# changelog's newest entry). Later runs reuse the folder.
#   packager_build.sh SOURCE_DIR BUILD_DIR
set -u
source_dir=$1
build_dir=$2
. "$(dirname "$0")/game_folder.sh"
mkdir -p "$build_dir"
log=$build_dir/package-deb.log
"$source_dir/scripts/package-deb" "$build_dir" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON > "$log" 2>&1 ||
    { tail -n 40 "$log" >&2; fail "the packager's build failed (log: $log)"; }
[ ! -e "$build_dir/CTestTestfile.cmake" ] && [ ! -e "$build_dir/tests" ] ||
    fail "BUILD_TESTING=OFF configured tests"
[ ! -e "$build_dir/bench" ] || fail "benchmarks were configured without being asked for"
epoch=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$source_dir/dist/changelog" -S Timestamp)}
date=$(date -u -d "@$epoch" '+%F %T')
count=0
for deb in "$build_dir"/*.deb "$build_dir"/*.ddeb; do
    [ -f "$deb" ] || fail "no packages in $build_dir"
    dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time > "$build_dir/contents.txt"
    ! awk -v d="$date" '$4 " " $5 != d' "$build_dir/contents.txt" | grep . ||
        fail "$(basename "$deb"): the entries above are not dated $date"
    count=$((count + 1))
done
[ "$count" -eq 3 ] || fail "$count packages: $(ls "$build_dir"/*deb)"
echo "$(grep -c "package: .* generated" "$log") packages, every file dated $date; 1 passed, 0 failed"
