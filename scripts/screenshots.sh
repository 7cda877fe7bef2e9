#!/usr/bin/env bash
# Captures what a player sees at the start, in the middle of a round, after a win, after a loss
# and with the puzzle console open, from the current Windows build, as PNG files.
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
for scene in start midround won lost console; do
    ready="$work/$scene.ready"
    done_file="$work/$scene.done"
    "$here/wine-session.sh" run "$session" "$build/bin/scene_driver.exe" "$scene" \
        "$(windows_path "$ready")" "$(windows_path "$done_file")" &
    driver=$!
    for _ in $(seq 600); do
        [ -f "$ready" ] && break
        kill -0 "$driver" 2>/dev/null || { echo "scene $scene failed" >&2; exit 1; }
        sleep 0.1
    done
    [ -f "$ready" ] || { echo "scene $scene did not come up" >&2; exit 1; }
    read -r left top width height <"$ready"
    "$here/capture.sh" "$display" "${width}x${height}+${left}+${top}" "$output/$scene.png"
    touch "$done_file"
    wait "$driver"
    driver=""
    echo "$output/$scene.png"
done
