#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, only when missing.
# Usage: scripts/install-deps.sh [native|windows|bench|deb|fuzz|all]   (default: all)
set -euo pipefail

# The core, its tests and the puzzle store; for the Linux program SDL2 with its mixer, TrueType
# and image libraries (the icon, PNG screenshots), Xlib (the desktop's Xft.dpi), and the Liberation
# and DejaVu fonts; for the test of the Debian package dpkg-shlibdeps and the menu entry's and
# metadata's validators.
native=(cmake make g++ libgtest-dev pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
    libsdl2-image-dev libx11-dev fonts-liberation2 fonts-dejavu-core dpkg-dev desktop-file-utils
    appstream)
# The cross-built program and its test driver (GoogleTest's sources, built with MinGW); Wine on
# a virtual display to run them; xwd, ImageMagick and xdotool for screenshots; zip for the
# distribution; Liberation Mono stands in for Courier New under Wine.
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 xvfb x11-apps
    imagemagick xdotool zip fonts-liberation2)
# The core's benchmark, and GNU time for the puzzle tool's peak memory; for the Linux program's
# quit and idle costs a virtual display, xdotool to click, and PulseAudio with a null sink.
bench=(libbenchmark-dev time xvfb xdotool pulseaudio)
# The Debian package's checker.
deb=(lintian)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
fuzz=(cmake make clang libclang-rt-dev)

case "${1:-all}" in
native) wanted=("${native[@]}") ;;
windows) wanted=("${windows[@]}") ;;
bench) wanted=("${native[@]}" "${bench[@]}") ;;
deb) wanted=("${native[@]}" "${deb[@]}") ;;
fuzz) wanted=("${fuzz[@]}") ;;
all) wanted=("${native[@]}" "${windows[@]}" "${deb[@]}") ;;
*) echo "usage: $0 [native|windows|bench|deb|fuzz|all]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
