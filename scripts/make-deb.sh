#!/usr/bin/env bash
# The Debian package: an optimised build with Debian's hardening flags, packed by CPack into
# DIST_FOLDER/tallyrope_<version>_amd64.deb and checked by lintian, whose errors fail it.
# Usage: scripts/make-deb.sh BUILD_FOLDER DIST_FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-deb.sh BUILD_FOLDER DIST_FOLDER"
build=$(realpath -m "${1:?$usage}")
dist=$(realpath -m "${2:?$usage}")

flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }

# Only what the package holds is built: installing skips the tests and tools.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build "$build" -j 2 --target tallyrope puzzle_store package_documents

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
mkdir -p "$dist"
rm -f "$dist"/tallyrope_*.deb
cp "$build"/package/tallyrope_*.deb "$dist/"
deb=$(find "$dist" -maxdepth 1 -name 'tallyrope_*.deb')
lintian --fail-on error "$deb"
echo "$deb"
