#!/usr/bin/env bash
# A virtual X display for running the program where there is no screen.
#   scripts/xvfb.sh start STATE_FOLDER   starts one, prints its DISPLAY value, and keeps its
#                                         process id and display in STATE_FOLDER
#   scripts/xvfb.sh stop STATE_FOLDER    stops the one started there
set -euo pipefail

action=${1:?usage: xvfb.sh start|stop STATE_FOLDER}
state=${2:?usage: xvfb.sh start|stop STATE_FOLDER}

case "$action" in
start)
    mkdir -p "$state"
    rm -f "$state/display"
    # Xvfb picks a free display number and writes it to file descriptor 3. The screen holds the
    # game's windows whole at 200 percent, where the main window is 1800 x 1240. Without -noreset
    # it resets whenever its last client leaves, closing connections that were being made then.
    Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp -noreset 3>"$state/display.tmp" \
        >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        if [ -s "$state/display.tmp" ]; then
            echo ":$(tr -d '[:space:]' <"$state/display.tmp")" >"$state/display"
            rm -f "$state/display.tmp"
            cat "$state/display"
            exit 0
        fi
        kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start; see $state/xvfb.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
*)
    echo "usage: xvfb.sh start|stop STATE_FOLDER" >&2
    exit 2
    ;;
esac
