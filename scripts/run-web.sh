#!/usr/bin/env bash
# Serves dist/web/ on 127.0.0.1 for a browser on this machine (PORT, default 8000). Without a
# display it saves a picture of the page from headless Chromium instead, and stops.
# Usage: scripts/run-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
    mkdir -p play
    node tests/web/browser/screenshot.js play/web-screenshot.png
    echo "No display: saved a picture of the page to play/web-screenshot.png."
    echo "Run make run-web in a desktop session to play in a browser."
    exit 0
fi

port=${PORT:-8000}
echo "Tallyrope plays at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory dist/web
