#!/usr/bin/env bash
# Captures what a player sees at the start, in the middle of a round, after a win, after a loss
# and with the puzzle console open, from the current Windows build, as PNG files; a round at
# 150 and a win at 200 percent, on displays of 144 and 192 DPI; a round in Spanish and one in
# French at 144 DPI; and the whole screen of a 1366 x 768 laptop at 144 DPI and of a 2560 x 1600 one with
# the console open at 192.
# Usage: scripts/screenshots.sh WINDOWS_BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: screenshots.sh WINDOWS_BUILD_FOLDER OUTPUT_FOLDER}")
output=$(realpath -m "${2:?usage: screenshots.sh WINDOWS_BUILD_FOLDER OUTPUT_FOLDER}")
session="$build/wine-session"
work=$(mktemp -d)
driver=""

finish() {
    [ -n "$driver" ] && kill "$driver" 2>/dev/null
    "$here/wine-session.sh" stop "$session"
    rm -rf "$work"
}
trap finish EXIT

# A Unix path as Wine's Z: drive shows it.
windows_path() { echo "Z:${1//\//\\}"; }

mkdir -p "$output"
"$here/wine-session.sh" start "$session"
display=$(cat "$session/display/display")
# Each shot as its file name, its scene, the display's DPI and the screen it has of its own, if
# any, a laptop's; "whole" shows the test display's whole 2560 x 1600 screen at half its size.
for shot in start:start:96 midround:midround:96 won:won:96 lost:lost:96 console:console:96 \
    windows-144:midround:144 windows-192:won:192 windows-spanish:spanish:96 windows-french:french:144 \
    laptop-1366x768-144:midround:144:1366x768 console-2560x1600-192:console:192:whole; do
    IFS=: read -r name scene dpi screen <<<"$shot"
    ready="$work/$name.ready"
    done_file="$work/$name.done"
    own_screen=${screen#whole}
    "$here/wine-session.sh" run "$session" "$build/bin/scene_driver.exe" "$scene" \
        "$(windows_path "$ready")" "$(windows_path "$done_file")" "$dpi" ${own_screen:+"$own_screen"} &
    driver=$!
    for _ in $(seq 600); do
        [ -f "$ready" ] && break
        kill -0 "$driver" 2>/dev/null || { echo "scene $name failed" >&2; exit 1; }
        sleep 0.1
    done
    [ -f "$ready" ] || { echo "scene $name did not come up" >&2; exit 1; }
    read -r left top width height <"$ready"
    if [ "$screen" = whole ]; then
        read -r left top width height <<<"0 0 2560 1600"
    fi
    "$here/capture.sh" "$display" "${width}x${height}+${left}+${top}" "$output/$name.png"
    if [ "$width" -gt 2000 ]; then
        /usr/bin/convert "$output/$name.png" -resize 50% -strip "$output/$name.png"
    fi
    touch "$done_file"
    wait "$driver"
    driver=""
    echo "$output/$name.png"
done
