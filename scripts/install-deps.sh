#!/usr/bin/env bash
# Installs the Debian 12 packages RQ0612 needs to build, run and test, only
# those that are missing. Idempotent; quiet when there is nothing to do.
set -euo pipefail

packages=(
    # toolchain and build
    g++ cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
    # libraries
    qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev libcups2-dev
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev openssl lua5.4 python3
    # fonts the form and the report ask for
    fonts-wine fonts-liberation2 fonts-dejavu-core
    # printing, and the tools that check printed and drawn output
    cups printer-driver-cups-pdf poppler-utils zbar-tools zint xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
export DEBIAN_FRONTEND=noninteractive
if ! { "${sudo[@]}" apt-get update -qq && "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps: installing ${missing[*]} failed" >&2
    exit 1
fi
