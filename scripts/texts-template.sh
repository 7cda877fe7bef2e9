#!/usr/bin/env bash
# Writes the template of the catalogues (po/*.po): every English text that the sources offer for
# translation. C++ marks its texts with translate, translatePlural, englishText and
# englishTextIn (a text in a context), the page's JavaScript with translated, translatedWith
# and englishText; the menu entry is packaging/tallyrope.desktop.in.
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
    --keyword=englishTextIn:1c,2 \
    -f "$scratch/sources" -o "$scratch/code.pot"
git ls-files -- frontends/web/page | grep -E '\.js$' >"$scratch/scripts"
xgettext -L JavaScript --from-code=UTF-8 --omit-header --no-wrap --add-location=file \
    --keyword= --keyword=translated:1 --keyword=translatedWith:1 --keyword=englishText:1 \
    -f "$scratch/scripts" -o "$scratch/page.pot"
xgettext -L Desktop --omit-header --no-wrap --add-location=file -o "$scratch/desktop.pot" packaging/tallyrope.desktop.in
msgcat --use-first --no-wrap "$scratch/desktop.pot" "$scratch/code.pot" "$scratch/page.pot" \
    -o "$output"
