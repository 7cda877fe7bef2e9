#!/usr/bin/env bash
# The Windows distribution: a folder with the program, every language's shipped puzzle store
# from PUZZLES (OnLoad.dat, OnLoad-de.dat...) and the guide in every language (de\tallyrope-help.chm...),
# and a zip of that folder beside it.
# Usage: scripts/make-dist-windows.sh PROGRAM PUZZLES DIST_FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-dist-windows.sh PROGRAM PUZZLES DIST_FOLDER"
program=${1:?$usage}
puzzles=${2:?$usage}
dist=$(realpath -m "${3:?$usage}")
help="$root/help/tallyrope-help.chm"

for file in "$program" "$puzzles/OnLoad.dat" "$help"; do
    [ -f "$file" ] || { echo "make-dist: missing $file" >&2; exit 1; }
done

# The program must run on a bare Windows: it may import nothing but the system's own DLLs.
system_dlls='^(KERNEL32|USER32|GDI32|WINMM|SHELL32|COMCTL32|msvcrt)\.dll$'
foreign=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' |
    grep -Eiv "$system_dlls" || true)
if [ -n "$foreign" ]; then
    echo "make-dist: $program needs DLLs that Windows does not have: $foreign" >&2
    exit 1
fi

rm -rf "$dist"
mkdir -p "$dist"
cp "$program" "$puzzles"/OnLoad*.dat "$help" "$dist/"
# Each other language's guide in a folder named by its code, where the program looks for it.
for guide in "$root"/help/*/tallyrope-help.chm; do
    code=$(basename "$(dirname "$guide")")
    mkdir -p "$dist/$code"
    cp "$guide" "$dist/$code/"
done
"$root/scripts/zip-folder.sh" "$dist" "$(dirname "$dist")/tallyrope-windows.zip"
