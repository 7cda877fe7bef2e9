#!/usr/bin/env bash
# The catalogues of the texts (po/): each language's catalogue holds every English text that
# the sources offer for translation (scripts/texts-template.sh), each one translated and none
# fuzzy, and msgfmt takes it.
# Usage: catalogues_test.sh SOURCE_DIR
set -euo pipefail

source_dir=${1:?usage: catalogues_test.sh SOURCE_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$source_dir"

scripts/texts-template.sh "$scratch/texts.pot"
failed=0
for language in $(cat po/LINGUAS); do
    catalogue=po/$language.po
    problems=$(
        msgfmt --check -o /dev/null "$catalogue" 2>&1
        msgcmp --use-untranslated "$catalogue" "$scratch/texts.pot" 2>&1 | grep -v 'warning' || true
        msgattrib --untranslated --no-obsolete "$catalogue" | grep -A1 '^msgid "[^"]' || true
        msgattrib --only-fuzzy --no-obsolete "$catalogue" | grep -A1 '^msgid' || true
    )
    if [ -n "$problems" ]; then
        echo "FAIL: $catalogue" >&2
        echo "$problems" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "every catalogue holds every text, translated"
exit "$failed"
