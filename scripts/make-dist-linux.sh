#!/usr/bin/env bash
# The Linux distribution: a folder with the program, every language's shipped puzzle store from
# PUZZLES and the guide's pages, and a zip of that folder beside it. The program finds its files
# beside itself.
# Usage: scripts/make-dist-linux.sh PROGRAM PUZZLES DIST_FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-dist-linux.sh PROGRAM PUZZLES DIST_FOLDER"
program=${1:?$usage}
puzzles=${2:?$usage}
dist=$(realpath -m "${3:?$usage}")

for file in "$program" "$puzzles/OnLoad.dat"; do
    [ -f "$file" ] || { echo "make-dist-linux: missing $file" >&2; exit 1; }
done

rm -rf "$dist"
mkdir -p "$dist"
cp "$program" "$puzzles"/OnLoad*.dat "$dist/"
strip "$dist/$(basename "$program")"
"$root/scripts/copy-guide.sh" "$dist"
"$root/scripts/zip-folder.sh" "$dist" "$(dirname "$dist")/tallyrope-linux.zip"
