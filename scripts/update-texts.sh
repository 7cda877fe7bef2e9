#!/usr/bin/env bash
# Brings every catalogue of po/ up to the texts of the sources: new texts come in untranslated,
# texts gone from the sources go, and the references follow the code.
# Usage: scripts/update-texts.sh
set -euo pipefail

cd "$(dirname "$0")/.."
template=$(mktemp --suffix=.pot)
trap 'rm -f "$template"' EXIT
scripts/texts-template.sh "$template"
for language in $(cat po/LINGUAS); do
    msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-wrap --add-location=file \
        "po/$language.po" "$template"
    msgattrib --no-obsolete --no-wrap -o "po/$language.po" "po/$language.po"
done
