#!/usr/bin/env bash
# Builds rq0612-tool, starts the real main window under Xvfb, reports the time
# from start-up to the first painted window and writes a picture of it to
# build/screenshot/main-window.png and, on a 192-dpi desktop, to
# build/screenshot/main-window-192dpi.png; then the preview window of the filled
# certificate, tall enough for the whole page at 100%, to
# build/screenshot/preview.png (both regenerated on every run, not committed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${RQ_BUILD_DIR:-$root/build/release}"
out="$root/build/screenshot"
"$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! log=$(cmake --build "$build" --target rq0612-tool 2>&1); then
    echo "$log" >&2
    exit 1
fi
mkdir -p "$out"
# A work area larger than the designed 811 x 558 window, at 96 dpi.
xvfb-run -a -s "-screen 0 1024x700x24 -dpi 96" \
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb \
    "$build/tools/rq0612-tool/rq0612-tool" screenshot "$out/main-window.png"
echo "screenshot: $out/main-window.png"
# The same window on a 192-dpi desktop: Qt takes the scale from the desktop's
# dpi setting (Xft.dpi), which a desktop sets for such a screen. -noreset
# keeps the setting after xrdb disconnects.
xvfb-run -a -s "-noreset -screen 0 2048x1400x24 -dpi 192" \
    sh -c 'echo "Xft.dpi: 192" | xrdb -nocpp -merge - && exec "$@"' sh \
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb \
    "$build/tools/rq0612-tool/rq0612-tool" screenshot "$out/main-window-192dpi.png"
echo "screenshot: $out/main-window-192dpi.png"
# The preview's workspace of 1000 x 1150 pixels holds the 1123-pixel page.
xvfb-run -a -s "-screen 0 1280x1280x24 -dpi 96" \
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb \
    "$build/tools/rq0612-tool/rq0612-tool" --short-date yyyy.MM.dd. preview \
    --date 2026-12-10 --signature 31415926535 \
    --set "Edit1=Kovács és Társa Kft." --set "Edit2=Ezüstliget, Fő utca 1." \
    --set "Edit3=Nagy Anna" --set "Edit6=Kiss Anna" --set "Edit7=Ezüstliget, Kossuth tér 2." \
    --set "Edit5=2019.03.01." --set "Edit4=könyvelő" --set "PBNumEdit1=250 000" \
    --set "PBNumEdit2=12 000" \
    --client 1000x1150 --screenshot "$out/preview.png"
echo "screenshot: $out/preview.png"
