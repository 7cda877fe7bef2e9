#!/usr/bin/env bash
# Plays the Linux program from play/, which keeps the statistics, the puzzle stores and the
# configuration between runs; only the program and the guide are refreshed. A language's
# shipped store is copied only while play/ has none of that language's puzzles. Without a display
# the game draws offscreen and a screenshot is saved instead.
# Usage: scripts/run.sh NATIVE_BUILD_FOLDER [PROGRAM_ARGUMENTS...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:?usage: run.sh NATIVE_BUILD_FOLDER [PROGRAM_ARGUMENTS...]}")
shift
play="$root/play"

mkdir -p "$play"
"$root/scripts/copy-guide.sh" "$play"
cp "$build/bin/tallyrope" "$play/"
for store in "$build"/puzzles/OnLoad*.dat; do
    name=$(basename "$store")
    if [ ! -f "$play/$name" ] && [ ! -f "$play/TRData${name#OnLoad}" ]; then
        cp "$store" "$play/"
    fi
done
echo "Playing from $play (its data files are kept between runs)."
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$play/tallyrope" "$@"
fi

"$play/tallyrope" "$@" --screenshot "$play/screenshot.png"
cat <<EOT
There is no display here, so the game drew its window offscreen.
A screenshot of it is in $play/screenshot.png
To play, run 'make run' again in a desktop session (with DISPLAY set).
EOT
