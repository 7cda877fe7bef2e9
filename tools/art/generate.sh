#!/usr/bin/env bash
# Regenerate the game's art, sounds, icon, preview pictures and help files.
# Installs the Debian packages it needs when they are missing.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

packages=(python3 python3-pil python3-numpy python3-fonttools python3-brotli fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fp-utils)
missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y "${missing[@]}" || { $sudo apt-get update && $sudo apt-get install -y "${missing[@]}"; }
fi

# Debian's own Python, which has the packages above.
/usr/bin/python3 "$here/generate.py"

# chmcmd's output depends on its environment and on where memory lands, so it
# runs with a fixed environment and without address randomisation. The English guide is
# tallyrope.hhp; each other language's, tallyrope-CODE.hhp, compiles into CODE/.
cd "$root/help"
compile() {
    env -i PATH=/usr/bin:/bin LC_ALL=C setarch "$(uname -m)" -R chmcmd --no-html-scan "$1" >/dev/null
    /usr/bin/python3 "$here/chm_stamp.py" "$2"
    echo "help/$2 written" >&2
}
compile tallyrope.hhp tallyrope-help.chm
for project in tallyrope-*.hhp; do
    code=${project#tallyrope-}
    code=${code%.hhp}
    mkdir -p "$code"
    compile "$project" "$code/tallyrope-help.chm"
done
