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
(cd "$build" && ctest --output-on-failure -j "$(nproc)")

if command -v clang++ >/dev/null; then
    fuzz="$root/build/fuzz"
    CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DRQ_BUILD_FUZZ=ON -DRQ_BUILD_GUI=OFF -DRQ_BUILD_BENCH=OFF -DRQ_WERROR=ON >/dev/null
    cmake --build "$fuzz" --target rq_fuzz
    (cd "$fuzz" && ctest -L fuzz --output-on-failure -j "$(nproc)")
fi
