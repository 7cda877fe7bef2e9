#!/usr/bin/env bash
# Assembles the static page in DIST_FOLDER: the page's files, the program built by emscripten
# in WEB_BUILD, the shipped puzzle store, the art and clips, and the guide's pages.
# Usage: scripts/make-web.sh WEB_BUILD PUZZLE_STORE DIST_FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-web.sh WEB_BUILD PUZZLE_STORE DIST_FOLDER"
build=${1:?$usage}
store=${2:?$usage}
out=$(realpath -m "${3:?$usage}")
program=$build/frontends/web

for file in "$program/tallyrope.js" "$program/tallyrope.wasm" "$store"; do
    [ -f "$file" ] || { echo "make-web: missing $file" >&2; exit 1; }
done

# art/ and clips/ take a while to make, so they stay from one build to the next.
mkdir -p "$out"
find "$out" -mindepth 1 -maxdepth 1 ! -name art ! -name clips ! -name icons -exec rm -rf {} +
cp "$root"/frontends/web/page/* "$out/"
cp "$program/tallyrope.js" "$program/tallyrope.wasm" "$store" "$out/"
"$root/scripts/web-assets.sh" "$out"

# Every module that main.js imports, directly or through another, is named in the page's head:
# found one import after another, each level would cost the phone a round trip.
imports() { grep -oE '(from|import) "\./[A-Za-z0-9_]+\.js"' "$out/$1" | sed -E 's/.*"\.\/(.*)"/\1/'; }
modules=() queue=(main.js)
while [ ${#queue[@]} -gt 0 ]; do
    for module in $(imports "${queue[0]}"); do
        [[ " ${modules[*]} " == *" $module "* ]] && continue
        modules+=("$module")
        queue+=("$module")
    done
    queue=("${queue[@]:1}")
done
links=$(printf '<link rel="modulepreload" href="%s">\\n' "${modules[@]}")
sed -i "s|^<script type=\"module\" src=\"main.js\"></script>\$|$links&|" "$out/index.html"
grep -q 'rel="modulepreload"' "$out/index.html" || { echo "make-web: no module preloaded" >&2; exit 1; }
"$root/scripts/copy-guide.sh" "$out"

# A new build gets a cache of its own in returning players' browsers.
version=$(cd "$out" && find . -type f ! -name sw.js | LC_ALL=C sort | xargs sha256sum |
    sha256sum | cut -c1-16)
sed -i "s/@PAGE_VERSION@/$version/" "$out/sw.js"
echo "$out"
