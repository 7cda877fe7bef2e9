#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, only when missing.
# Usage: scripts/install-deps.sh [native|windows|bench|deb|fuzz|web|all]   (default: all)
set -euo pipefail

# The core, its tests and the puzzle store; for the Linux program SDL2 with its mixer, TrueType
# and image libraries (the icon, PNG screenshots), Xlib (the desktop's Xft.dpi), and the Liberation
# and DejaVu fonts; for the test of the Debian package dpkg-shlibdeps and the menu entry's and
# metadata's validators; hunspell with the dictionaries of the collections' languages; a virtual
# display with the X core fonts that SDL's message boxes draw in, for the start's tests; gettext's
# tools for the catalogues of the texts.
native=(cmake make g++ libgtest-dev pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
    libsdl2-image-dev libx11-dev fonts-liberation2 fonts-dejavu-core dpkg-dev desktop-file-utils
    appstream hunspell hunspell-de-de hunspell-fr hunspell-es hunspell-it hunspell-pt-br
    hunspell-nl xvfb xfonts-base gettext)
# The cross-built program and its test driver (GoogleTest's sources, built with MinGW); Wine on
# a virtual display to run them; xwd, ImageMagick and xdotool for screenshots; zip for the
# distribution; Liberation Mono stands in for Courier New under Wine; gettext for the catalogues.
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 xvfb x11-apps
    imagemagick xdotool zip fonts-liberation2 gettext)
# The core's benchmark, and GNU time for the puzzle tool's peak memory; for the Linux program's
# quit and idle costs a virtual display, xdotool to click, and PulseAudio with a null sink.
bench=(libbenchmark-dev time xvfb xdotool pulseaudio)
# The Debian package's checker.
deb=(lintian)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
fuzz=(cmake make clang libclang-rt-dev)
# The page: emscripten (with Node and its acorn module) builds the program; ImageMagick, webp,
# optipng, librsvg2-bin and opus-tools make the art, clips and icons; Chromium runs the browser
# tests and the bench, driven by puppeteer-core from npm (tests/web/package-lock.json); Python
# serves the page for make run-web; zip packs it.
web=(cmake make emscripten nodejs node-acorn imagemagick webp optipng librsvg2-bin opus-tools
    chromium fonts-liberation2 fonts-dejavu-core python3 zip)

case "${1:-all}" in
native) wanted=("${native[@]}") ;;
windows) wanted=("${windows[@]}") ;;
bench) wanted=("${native[@]}" "${bench[@]}") ;;
deb) wanted=("${native[@]}" "${deb[@]}") ;;
fuzz) wanted=("${fuzz[@]}") ;;
web) wanted=("${native[@]}" "${web[@]}") ;;
all) wanted=("${native[@]}" "${windows[@]}" "${deb[@]}" "${web[@]}") ;;
*) echo "usage: $0 [native|windows|bench|deb|fuzz|web|all]" >&2; exit 2 ;;
esac

# npm comes with some builds of nodejs and as a package of its own with Debian's.
case "${1:-all}" in
web | all) command -v npm >/dev/null || wanted+=(npm) ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The browser tests' npm packages, exactly as the lock file pins them, again when it changes.
case "${1:-all}" in
web | all)
    tests=$(cd "$(dirname "$0")/../tests/web" && pwd)
    if [ ! -f "$tests/node_modules/.package-lock.json" ] ||
        [ "$tests/package-lock.json" -nt "$tests/node_modules/.package-lock.json" ]; then
        npm ci --prefix "$tests" --no-audit --no-fund --loglevel=error
    fi
    ;;
esac
