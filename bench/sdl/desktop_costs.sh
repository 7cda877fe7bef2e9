#!/usr/bin/env bash
# What the Linux program costs on a desktop, on a virtual X display of its own: the time from the
# quit button's click to the window's disappearance and to the process's end, ten runs on
# PulseAudio (a null sink) and ten on SDL's dummy audio, each with New Puzzle's clip still playing,
# and whether a start right after the window disappears is refused; then, all at once over
# IDLE_SECONDS, the processor time and the wakeups (voluntary context switches of all threads) of
# the program idle without and with a focused edit box, after the puzzle console was closed with
# Alt+F4 while one of its boxes had the keys, and of a bare SDL window.
# Usage: bench/sdl/desktop_costs.sh OPTIMISED_BUILD_FOLDER [IDLE_SECONDS]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:?usage: desktop_costs.sh OPTIMISED_BUILD_FOLDER [IDLE_SECONDS]}")
idle_seconds=${2:-30}
program="$build/bin/tallyrope"
store="$build/puzzles/OnLoad.dat"
work=$(mktemp -d)
servers=()

cleanup() {
    for pid in "${servers[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

now_ns() { date +%s%N; }
ms_since() { echo $((($(now_ns) - $1) / 1000000)); }

g++ -O2 -o "$work/bare_sdl_window" "$root/bench/sdl/bare_sdl_window.cpp" \
    $(pkg-config --cflags --libs sdl2)
g++ -O2 -o "$work/quit_clock" "$root/bench/sdl/quit_clock.cpp" $(pkg-config --cflags --libs x11)

# Xvfb picks a free display number and writes it to file descriptor 3; it must not reset when
# its last client leaves, or a start at that moment finds no display.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1920x1080x24 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
servers+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=$(tr -d '[:space:]' <"$work/display")
export DISPLAY=":$display"

mkdir -p "$work/pulse"
export PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse"
export PULSE_SERVER="unix:$work/pulse/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L module-null-sink -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
servers+=($!)

for _ in $(seq 100); do
    [ -S "/tmp/.X11-unix/X$display" ] && [ -S "$work/pulse/native" ] && break
    sleep 0.1
done

# A fresh data folder holding the shipped store.
fresh_folder() {
    mkdir -p "$1"
    cp "$store" "$1/"
}

# Starts the program on data folder $1 with audio driver $2; sets `game`, `window`, `wx`, `wy`.
start_game() {
    fresh_folder "$1"
    SDL_AUDIODRIVER=$2 "$program" --data "$1" --scale 1 >/dev/null 2>&1 &
    game=$!
    window=$(xdotool search --all --sync --onlyvisible --pid "$game" --name '^Tallyrope$' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X
    wy=$Y
}

# Clicks at the main window's client point ($1, $2).
click_at() {
    xdotool mousemove $((wx + $1)) $((wy + $2)) click 1
}

# Starts the program on data folder $1 with audio driver $2, plays New Puzzle's clip, which is
# still playing at the quit, and leaves the pointer over the quit button with `watcher` watching
# the window and the process, telling $1/clock.
ready_to_quit() {
    start_game "$1" "$2"
    click_at 812 343
    sleep 0.1
    xdotool mousemove $((wx + 882)) $((wy + 12))
    : >"$1/clock"
    "$work/quit_clock" "$window" "$game" >"$1/clock" &
    watcher=$!
    while ! grep -q ready "$1/clock"; do sleep 0.001; done
}

quit_once() {
    local folder="$work/quit-$1-$2"
    ready_to_quit "$folder" "$1"
    local clicked
    clicked=$(now_ns)
    xdotool click 1
    wait "$watcher"
    wait "$game"
    local hidden ended_at
    hidden=$(awk '$1 == "hidden" { print $2 }' "$folder/clock")
    ended_at=$(awk '$1 == "ended" { print $2 }' "$folder/clock")
    echo "$(((hidden - clicked) / 1000000)) $(((ended_at - clicked) / 1000000))"
}

# Quits with the quit button and starts again, on the same folder, the moment the window has
# gone; prints "refused" when the second start found the folder still taken.
restart_once() {
    local folder="$work/restart-$1-$2"
    ready_to_quit "$folder" "$1"
    xdotool click 1
    while ! grep -q hidden "$folder/clock"; do :; done
    env -u DISPLAY "$program" --data "$folder" --screenshot "$folder/again.png" >/dev/null 2>&1 ||
        true
    [ -f "$folder/again.png" ] || echo refused
    wait "$watcher"
    wait "$game"
}

echo "Quit button's click to the window gone / the process ended, ms, with a clip playing:"
for driver in pulseaudio dummy; do
    printf '  %-10s' "$driver"
    for run in $(seq 10); do
        read -r hidden ended_ms <<<"$(quit_once "$driver" "$run")"
        printf ' %s/%s' "$hidden" "$ended_ms"
    done
    refused=0
    for run in $(seq 10); do
        [ -z "$(restart_once "$driver" "$run")" ] || refused=$((refused + 1))
    done
    printf '; a start the moment the window went: refused %d of 10\n' "$refused"
done

# Nanoseconds on the processor and voluntary context switches, summed over a process's threads.
costs() {
    local ns=0 switches=0 task
    for task in /proc/"$1"/task/*; do
        ns=$((ns + $(cut -d' ' -f1 "$task/schedstat")))
        switches=$((switches + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")))
    done
    echo "$ns $switches"
}

start_game "$work/idle" pulseaudio
idle_pid=$game
xdotool windowmove --sync "$window" 0 0 # out of the next ones' way
start_game "$work/focused" pulseaudio
focused_pid=$game
click_at 300 587 # the solve box
xdotool windowmove --sync "$window" 1020 0
# The console unlocked, opened, the keys given to its phrase box, and the console closed by its
# close request.
mkdir -p "$work/console"
printf 'Disable_Console= 0\r\nDisable_VCCntls= 0\r\n' >"$work/console/TRC_CONFIG.INI"
start_game "$work/console" pulseaudio
console_pid=$game
click_at 552 587 # S/H Con Panel
console=$(xdotool search --all --sync --onlyvisible --pid "$game" --name '^Add_Puzzle$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$console")"
xdotool mousemove $((X + 400)) $((Y + 330)) click 1 # the phrase box
xdotool windowfocus --sync "$console" key alt+F4
for _ in $(seq 50); do
    xdotool search --all --onlyvisible --pid "$game" --name '^Add_Puzzle$' >/dev/null || break
    sleep 0.1
done
if xdotool search --all --onlyvisible --pid "$game" --name '^Add_Puzzle$' >/dev/null; then
    echo "Alt+F4 did not close the puzzle console" >&2
    exit 1
fi
"$work/bare_sdl_window" &
bare_pid=$!
xdotool search --sync --onlyvisible --name '^bare SDL window$' >/dev/null
# Past the start: the audio device closes after three quiet seconds, on PulseAudio's time.
sleep 8

names=("idle, no focused edit box" "idle, the solve box focused"
    "idle, console closed from its box" "a bare SDL window")
pids=("$idle_pid" "$focused_pid" "$console_pid" "$bare_pid")
before=()
for pid in "${pids[@]}"; do before+=("$(costs "$pid")"); done
sleep "$idle_seconds"
echo "Over $idle_seconds s idle, PulseAudio: processor time, wakeups"
for i in "${!pids[@]}"; do
    read -r ns0 switches0 <<<"${before[$i]}"
    read -r ns1 switches1 <<<"$(costs "${pids[$i]}")"
    awk -v name="${names[$i]}" -v ns=$((ns1 - ns0)) -v switches=$((switches1 - switches0)) \
        'BEGIN { printf "  %-34s %8.3f ms %6d\n", name, ns / 1e6, switches }'
done
for pid in "${pids[@]}"; do kill "$pid"; done
wait "${pids[@]}" 2>/dev/null || true
