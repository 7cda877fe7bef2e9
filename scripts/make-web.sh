#!/usr/bin/env bash
# Assembles the static page in DIST_FOLDER: the page's files, the program built by emscripten
# in WEB_BUILD, the shipped puzzle stores of every language from PUZZLES (OnLoad.dat,
# OnLoad-de.dat...), the art, clips and caption faces, and the guide's pages.
# Usage: scripts/make-web.sh WEB_BUILD PUZZLES DIST_FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-web.sh WEB_BUILD PUZZLES DIST_FOLDER"
build=${1:?$usage}
puzzles=${2:?$usage}
out=$(realpath -m "${3:?$usage}")
program=$build/frontends/web

for file in "$program/tallyrope.js" "$program/tallyrope.wasm" "$puzzles/OnLoad.dat"; do
    [ -f "$file" ] || { echo "make-web: missing $file" >&2; exit 1; }
done

# art/ and clips/ take a while to make, so they stay from one build to the next.
mkdir -p "$out"
find "$out" -mindepth 1 -maxdepth 1 ! -name art ! -name clips ! -name icons -exec rm -rf {} +
page=$root/frontends/web/page
find "$page" -maxdepth 1 -type f ! -name '*.js' ! -name '*.css' -exec cp {} "$out/" \;
cp "$program/tallyrope.wasm" "$puzzles"/OnLoad*.dat "$out/"
# The page asks for a first visit's puzzles before its program has loaded: it finds each
# language's store by the code the puzzle tool gives it ("de:OnLoad-de.dat").
stores=$("$puzzles/../tools/puzzles/tallyrope-puzzles" languages | tr ' ' ':' | paste -sd' ')
sed -i "s/@STORES@/$stores/" "$out/index.html"
"$root/scripts/web-assets.sh" "$out"
mkdir -p "$out/fonts"
cp "$root"/resources/fonts/*.woff2 "$out/fonts/"

# A phone's first visit waits for every byte of the JavaScript, which hosts do not always
# compress. esbuild (pinned in tests/web/package-lock.json) joins the page's modules into
# main.js and the service worker's into sw.js, without their comments and blank space but with
# their names, so that a stack trace still reads: fetched one import after another, each level
# of imports would cost a round trip, and on a host without HTTP/2 each module a connection.
# The emscripten glue, minified with short names, is a third smaller.
esbuild=$root/tests/web/node_modules/.bin/esbuild
[ -x "$esbuild" ] || { echo "make-web: missing $esbuild (scripts/install-deps.sh web)" >&2; exit 1; }
for entry in main.js sw.js; do
    (cd "$root" && "$esbuild" "$page/$entry" --bundle --format=esm --target=es2022 \
        --minify-whitespace --minify-syntax --log-level=warning --outfile="$out/$entry")
done
"$esbuild" "$program/tallyrope.js" --minify --log-level=warning --outfile="$out/tallyrope.js"
# The two layouts' styles block the first frame: one file, minified, is one request.
cat "$page/style.css" "$page/touch.css" |
    "$esbuild" --loader=css --minify --log-level=warning >"$out/style.css"
for script in main.js sw.js tallyrope.js; do
    node --check "$out/$script"
done
"$root/scripts/copy-guide.sh" "$out"
# The page's texts and its manifest in each language of the catalogues, for when that language
# is played.
node "$root/scripts/page-texts.mjs" "$root/po" "$out"

# A new build gets a cache of its own in returning players' browsers.
version=$(cd "$out" && find . -type f ! -name sw.js | LC_ALL=C sort | xargs sha256sum |
    sha256sum | cut -c1-16)
sed -i "s/@PAGE_VERSION@/$version/" "$out/sw.js"
echo "$out"
