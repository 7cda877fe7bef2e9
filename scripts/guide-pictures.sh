#!/usr/bin/env bash
# Takes the guide's picture of the game in each language other than English from the Linux
# program in NATIVE_BUILD, in the middle of a round of one of that language's own proverbs, on
# a virtual display: help/images/main-window-CODE.png, 600 x 413 like the English one, which the
# art generator paints.
# Usage: scripts/guide-pictures.sh NATIVE_BUILD
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:?usage: guide-pictures.sh NATIVE_BUILD}")
work=$(mktemp -d)
display=:97
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
server=$!
game=""
finish() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0
sleep 1

# Each language's round: its code, the puzzle (phrase;hint:) and the letters guessed, two of
# them misses.
rounds=(
    "de|über stock und stein;Querfeldein:|ENSTKAL"
    "es|más vale tarde que nunca;Refrán:|AEUQXZ"
    "fr|qui vivra verra;Proverbe:|IRVXZ"
    "it|chi dorme non piglia pesci;Proverbio:|IEONKW"
    "nl|wie niet waagt wie niet wint;Spreekwoord:|IEWTQX"
    "pt_BR|quem espera sempre alcança;Ditado:|EAMKW"
)
for round in "${rounds[@]}"; do
    IFS='|' read -r code puzzle letters <<<"$round"
    data="$work/$code"
    mkdir -p "$data"
    printf 'Language= %s\r\n' "$code" >"$data/TRLanguage.dat"
    printf '340 4 1 120 2 3' >"$data/TRStats.dat"
    printf '%s' "$puzzle" | iconv -f utf-8 -t cp1252 >"$data/plain"
    "$build/tools/puzzles/tallyrope-puzzles" pack "$data/plain" "$data/OnLoad-$code.dat"
    "$build/bin/tallyrope" --data "$data" &
    game=$!
    window=$(xdotool search --sync --onlyvisible --name '^Tallyrope$' | head -1)
    sleep 0.5
    # New Puzzle lies at (761, 329), 102 x 28.
    xdotool mousemove --window "$window" 812 343 click 1
    sleep 0.3
    for ((i = 0; i < ${#letters}; i++)); do
        xdotool key --window "$window" "${letters:i:1}"
        sleep 0.1
    done
    sleep 0.5
    xwd -silent -id "$window" | /usr/bin/convert xwd:- -resize '600x413!' -strip \
        "$root/help/images/main-window-$code.png"
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=""
    echo "help/images/main-window-$code.png"
done
