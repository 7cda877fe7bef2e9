#!/usr/bin/env bash
# Plays the Windows build under Wine from play/, which keeps the statistics, the puzzle store
# and the configuration between runs; only the program and the guides are refreshed. Without a
# display the game is started on a virtual one and a screenshot is saved instead.
# Usage: scripts/run-windows.sh WINDOWS_BUILD_FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$(realpath "${1:?usage: run-windows.sh WINDOWS_BUILD_FOLDER}")
play="$root/play"
puzzles="$root/build/puzzles"
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tallyrope/wine}"

mkdir -p "$play"
cp "$build/bin/tallyrope.exe" "$play/"
cp "$root/help/tallyrope-help.chm" "$play/"
for guide in "$root"/help/*/tallyrope-help.chm; do
    code=$(basename "$(dirname "$guide")")
    mkdir -p "$play/$code"
    cp "$guide" "$play/$code/"
done
if [ ! -f "$puzzles/OnLoad.dat" ]; then
    echo "No puzzle stores in $puzzles: New Puzzle will find no puzzles." >&2
fi
for store in "$puzzles"/OnLoad*.dat; do
    [ -f "$store" ] || continue
    name=$(basename "$store")
    if [ ! -f "$play/$name" ] && [ ! -f "$play/TRData${name#OnLoad}" ]; then
        cp "$store" "$play/"
    fi
done
echo "Playing from $play (its data files are kept between runs)."

if [ -n "${DISPLAY:-}" ]; then
    # shellcheck source=wine-env.sh
    . "$here/wine-env.sh"
    wine_prefix_ready
    exec wine "$play/tallyrope.exe"
fi

session=$(mktemp -d)
finish() {
    "$here/wine-session.sh" stop "$session"
    rm -rf "$session"
}
trap finish EXIT

"$here/wine-session.sh" start "$session"
display=$(cat "$session/display/display")
"$here/wine-session.sh" run "$session" "$play/tallyrope.exe" >/dev/null 2>&1 &
window=""
for _ in $(seq 600); do
    window=$(DISPLAY=$display xdotool search --name '^Tallyrope$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "The game's window did not appear." >&2
    exit 1
fi
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
"$here/capture.sh" "$display" "${WIDTH}x${HEIGHT}+${X}+${Y}" "$play/screenshot.png"
cat <<EOT
There is no display here, so the game ran on a virtual one.
A screenshot of it is in $play/screenshot.png
To play, run 'make run' again in a desktop session (with DISPLAY set).
EOT
