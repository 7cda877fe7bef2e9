# Sourced by the scripts that start the program under Wine: quiet, 64-bit, without the .NET
# and HTML engines, whose installers would otherwise be offered on a new prefix.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Makes the prefix in $WINEPREFIX when it does not exist yet, and waits until it is complete.
wine_prefix_ready() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX (once)..." >&2
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
}
