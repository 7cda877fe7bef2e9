#!/usr/bin/env bash
# The virtual display and Wine prefix that the Windows tests run in.
#   scripts/wine-session.sh start FOLDER   starts a display and a lasting wineserver; makes the
#                                          prefix when missing (the slow part, kept for later
#                                          runs): $WINEPREFIX if set, else FOLDER/prefix
#   scripts/wine-session.sh stop FOLDER    ends every Wine process of the prefix and the display
#   scripts/wine-session.sh run FOLDER PROGRAM [ARGUMENTS...]   runs a Windows program there
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
action=${1:?usage: wine-session.sh start|stop|run FOLDER ...}
folder=$(realpath -m "${2:?usage: wine-session.sh start|stop|run FOLDER ...}")
shift 2
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
export WINEPREFIX="${WINEPREFIX:-$folder/prefix}"
# A virtual display has no sound card either.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv="

case "$action" in
start)
    # A session left over from an interrupted run is ended first.
    "$0" stop "$folder"
    DISPLAY=$("$here/xvfb.sh" start "$folder/display")
    export DISPLAY
    wine_prefix_ready
    wineserver -p >/dev/null 2>&1
    # The system processes start now, with no terminal output they could hold open.
    wine cmd /c exit >/dev/null 2>&1 || true
    ;;
stop)
    if [ -f "$WINEPREFIX/system.reg" ]; then
        wineserver -k 2>/dev/null || true
    fi
    "$here/xvfb.sh" stop "$folder/display"
    ;;
run)
    DISPLAY=$(cat "$folder/display/display")
    export DISPLAY
    exec wine "$@"
    ;;
*)
    echo "usage: wine-session.sh start|stop|run FOLDER ..." >&2
    exit 2
    ;;
esac
