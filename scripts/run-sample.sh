#!/usr/bin/env bash
# Installs what is missing, builds, and starts the suite's host program with the album on
# the built-in sample data folder. Without a display it runs the same lifecycle offscreen
# and writes a screenshot of the host window, saying where.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"

"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHARBO_TESTS=OFF >/dev/null
ninja -C "$build" harbo-suite harbo-album KXPhoto

# The sample is copied afresh, so a run never changes the repository's copy.
data="$build/sample-data"
rm -rf "$data"
cp -r "$here/sample" "$data"
export HARBO_REGISTRY_DIR="$data/registry"

"$build/bin/harbo-album" --data "$data" --user user info
"$build/bin/harbo-album" make-phone "$data/phone"
# The external memory's photos start in the album as PC imports, so the index has years.
"$build/bin/harbo-album" --data "$data" --user user import "$data/phone/external"
exec "$build/bin/harbo-suite" --data "$data" --user user --phone "$data/phone" "$@"
