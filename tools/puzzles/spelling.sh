#!/usr/bin/env bash
# Checks every word of a language's collection, phrases and hints, against Debian's hunspell
# dictionary of the language: de for puzzles/de, nl_NL for puzzles/nl (a code without a region
# takes its own as region), pt_BR for puzzles/pt_BR. names.txt beside the collection lists, one
# a line, the reviewed words the dictionary lacks: names of places, people of tales. Prints the
# words it does not know and fails when there are any.
# Usage: tools/puzzles/spelling.sh puzzles/CODE
set -euo pipefail

folder=${1:?usage: spelling.sh puzzles/CODE}
code=$(basename "$folder")
case "$code" in
*_*) dictionary=$code ;;
*) dictionary=${code}_$(echo "$code" | tr '[:lower:]' '[:upper:]') ;;
esac
[ -f "/usr/share/hunspell/$dictionary.dic" ] || {
    echo "spelling: Debian's hunspell dictionary $dictionary is not installed" >&2
    exit 2
}

known=$(mktemp)
trap 'rm -f "$known"' EXIT
grep -v '^#' "$folder/names.txt" 2>/dev/null | sed '/^$/d' >"$known" || true

# Phrases and hints, their words one a line; hunspell reads an apostrophe within a word as
# part of it, as the languages write them.
unknown=$(grep -v '^#' "$folder/collection.txt" | tr '\t' '\n' |
    LC_ALL=C.UTF-8 hunspell -d "$dictionary" -i UTF-8 -l | LC_ALL=C.UTF-8 sort -u |
    grep -vxF -f "$known" || true)
if [ -n "$unknown" ]; then
    echo "$folder: words that hunspell's $dictionary does not know, and names.txt does not list:"
    echo "$unknown"
    exit 1
fi
echo "$folder: every word is known to $dictionary or listed in names.txt"
