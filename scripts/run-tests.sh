#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test; CTest's summary line closes the output.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-test"

"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHARBO_SANITIZE=ON >/dev/null
ninja -C "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300
