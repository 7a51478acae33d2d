#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors) and runs every test.
# With clang present it then builds the fuzz targets in build/fuzz and
# replays each one's seed corpus once; a crash there fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/sanitize"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRQ_SANITIZE=ON \
      -DRQ_WERROR=ON >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A test that hangs fails after five minutes instead of holding the run.
(cd "$build" && ctest --output-on-failure --timeout 300 -j "$(nproc)")

# The fuzz targets, built in their own clang configuration, replay their
# seed corpora once (no fuzzing): a seed that crashes fails the run.
if command -v clang++ >/dev/null; then
    "$root/scripts/fuzz.sh" 0
fi
