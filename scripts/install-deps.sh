#!/usr/bin/env bash
# Installs the Debian 12 packages RQ0612 needs to build, run and test, only
# those that are missing. Idempotent; quiet when there is nothing to do.
set -euo pipefail

packages=(
    # toolchain and build
    g++ cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
    # libraries
    qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev libcups2-dev
    # Qt's own texts in the user's language; locale data for the locale tests
    qt6-translations-l10n locales
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev openssl lua5.4 python3
    # fonts the form and the report ask for
    fonts-wine fonts-liberation2 fonts-dejavu-core
    # printing, and the tools that check printed and drawn output
    cups printer-driver-cups-pdf poppler-utils zbar-tools zint xvfb xauth ghostscript
    # a real office printer's description (HP LaserJet 4250 PS), whose margins
    # the printing tests place the page against
    printer-driver-postscript-hp
    # the desktop's dpi setting (Xft.dpi) for the high-dpi screenshot
    x11-xserver-utils
    # a real window manager for the window tests, and the tools that read
    # what it reports (xprop, xwininfo)
    openbox x11-utils
)

# Locales the tests run under: Hungarian in UTF-8 and in its 8-bit code page.
locales=("hu_HU.UTF-8 UTF-8" "hu_HU ISO-8859-2")

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
missing_locales=()
available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-')
for l in "${locales[@]}"; do
    name=$(echo "${l%% *}" | tr '[:upper:]' '[:lower:]' | tr -d '-')
    grep -qx "$name" <<<"$available" || missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]} ${missing_locales[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ] &&
    ! { "${sudo[@]}" apt-get update -qq && "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps: installing ${missing[*]} failed" >&2
    exit 1
fi
if [ ${#missing_locales[@]} -gt 0 ]; then
    for l in "${missing_locales[@]}"; do
        grep -qx "$l" /etc/locale.gen 2>/dev/null || echo "$l" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    done
    if ! "${sudo[@]}" locale-gen >"$log" 2>&1; then
        cat "$log" >&2
        echo "install-deps: generating ${missing_locales[*]} failed" >&2
        exit 1
    fi
fi
