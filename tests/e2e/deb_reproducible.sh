#!/usr/bin/env bash
# The same tree makes the same packages, byte for byte, in another build folder: the
# packager's build (packager_build.sh) again in SECOND_DIR, compared with FIRST_DIR's.
#   deb_reproducible.sh SOURCE_DIR FIRST_DIR SECOND_DIR
set -u
source_dir=$1
first=$2
second=$3
. "$(dirname "$0")/game_folder.sh"
"$(dirname "$0")/packager_build.sh" "$source_dir" "$second" > /dev/null || exit 1
for deb in "$first"/*.deb "$first"/*.ddeb; do
    name=$(basename "$deb")
    cmp -s "$deb" "$second/$name" && { echo "$name: $(md5sum < "$deb" | cut -c1-32), the same"; continue; }
    for member in $(ar t "$deb"); do
        cmp -s <(ar p "$deb" "$member") <(ar p "$second/$name" "$member") ||
            echo "$name: $member differs" >&2
    done
    fail "$name differs between $first and $second"
done
echo "1 passed, 0 failed"
