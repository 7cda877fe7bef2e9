#!/usr/bin/env bash
# Saves a rectangle of an X display as a PNG once what it shows has settled: windows are
# mapped before their controls are painted, so it captures until two captures agree.
# Usage: scripts/capture.sh DISPLAY WIDTHxHEIGHT+LEFT+TOP OUTPUT.png
set -euo pipefail

display=${1:?usage: capture.sh DISPLAY GEOMETRY OUTPUT}
geometry=${2:?usage: capture.sh DISPLAY GEOMETRY OUTPUT}
output=${3:?usage: capture.sh DISPLAY GEOMETRY OUTPUT}
earlier=$(mktemp --suffix=.png)
trap 'rm -f "$earlier"' EXIT

capture() {
    xwd -root -silent -display "$display" |
        /usr/bin/convert xwd:- -crop "$geometry" +repage -strip "$1"
}

capture "$earlier"
for _ in $(seq 50); do
    sleep 0.1
    capture "$output"
    cmp -s "$earlier" "$output" && exit 0
    mv "$output" "$earlier"
done
echo "capture.sh: the display did not settle" >&2
mv "$earlier" "$output"
