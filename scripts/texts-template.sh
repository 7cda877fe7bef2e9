#!/usr/bin/env bash
# Writes the template of the catalogues (po/*.po): every English text that the sources offer for
# translation. C++ marks its texts with translate, translatePlural and englishText; the menu
# entry is packaging/tallyrope.desktop.in.
# Usage: scripts/texts-template.sh OUTPUT.pot   (from anywhere)
set -euo pipefail

output=${1:?usage: texts-template.sh OUTPUT.pot}
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

git ls-files -- app game editor state storage text ui frontends tools/screenshots |
    grep -E '\.(cpp|h)$' >"$scratch/sources"
xgettext -L C++ --from-code=UTF-8 --omit-header --no-wrap --add-location=file --sort-by-file \
    --keyword= --keyword=translate:2 --keyword=translatePlural:2,3 --keyword=englishText:1 \
    -f "$scratch/sources" -o "$scratch/code.pot"
xgettext -L Desktop --omit-header --no-wrap --add-location=file -o "$scratch/desktop.pot" packaging/tallyrope.desktop.in
msgcat --use-first --no-wrap "$scratch/desktop.pot" "$scratch/code.pot" -o "$output"
