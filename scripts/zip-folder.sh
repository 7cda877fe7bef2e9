#!/usr/bin/env bash
# Zips a distribution folder, with the folder itself at the top of the archive, into ZIP_FILE,
# and lists what it holds.
# Usage: scripts/zip-folder.sh FOLDER ZIP_FILE
set -euo pipefail

folder=$(realpath "${1:?usage: zip-folder.sh FOLDER ZIP_FILE}")
zip_file=$(realpath -m "${2:?usage: zip-folder.sh FOLDER ZIP_FILE}")
rm -f "$zip_file"
(cd "$(dirname "$folder")" && zip -qrX "$zip_file" "$(basename "$folder")")
echo "$folder"
ls -l "$folder"
echo "$zip_file"
