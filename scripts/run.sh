#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target rq0612 rq0612-tool
exec "$build/rq0612" "$@"
