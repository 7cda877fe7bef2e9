#!/usr/bin/env bash
# Puts the guide's HTML pages and pictures into FOLDER/help/, where the Linux program looks
# for them beside itself and the page links to them.
# Usage: scripts/copy-guide.sh FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: copy-guide.sh FOLDER}
rm -rf "$folder/help"
mkdir -p "$folder/help"
cp -r "$root/help/pages" "$root/help/images" "$folder/help/"
