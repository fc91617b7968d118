#!/usr/bin/env bash
# The manual as a teacher reads it: its text can be searched and copied, its first chapter leads
# to a first dictation, it speaks of the program installed on Linux and shows the program.
#   manual_test.sh <Documentation-Scribix.pdf> <folder of the manual's text>
set -euo pipefail
pdf=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

pdftotext -enc UTF-8 "$pdf" "$work/all.txt"
# Words are compared without the line breaks the typesetting put between them.
tr '\n' ' ' <"$work/all.txt" >"$work/flat.txt"

# Every word of the text with a pair of letters that a font may set as one glyph comes out whole:
# a ligature without a text mapping would give "chiers" for "fichiers".
words=$(cat "$sources"/*.md | sed -E 's/!\[[^]]*\]\([^)]*\)//g' |
  grep -oE "[[:alpha:]]*(fi|ff|fl)[[:alpha:]]*" | sort -u)
[ "$(wc -l <<<"$words")" -ge 20 ] || fail "too few words to check: $words"
for word in $words; do
  grep -qF -- "$word" "$work/flat.txt" || fail "\"$word\" cannot be found in the manual"
done
for word in fichiers effacer; do
  grep -qiF -- "$word" "$work/flat.txt" || fail "\"$word\" cannot be found in the manual"
done

# Page 2 takes a teacher from the start to a first dictation of their own list.
pdftotext -enc UTF-8 -f 2 -l 2 "$pdf" - | tr '\n' ' ' >"$work/page2.txt"
for step in "Pour commencer" "Éducation" "Module Liste" "Gestion des listes de mots" \
  "Enregistrer la liste" "Ouvrir une liste" "Mot ou phrase suivante"; do
  grep -qiF -- "$step" "$work/page2.txt" || fail "page 2 does not say \"$step\""
done

# Written for the program as Debian installs it, not for a program folder one writes into.
for stranger in "Bloc-notes" "à côté du programme" "Program Files"; do
  if grep -qiF -- "$stranger" "$work/flat.txt"; then fail "the manual speaks of \"$stranger\""; fi
done
# shellcheck disable=SC2088 # the words the manual prints, not a path to expand
grep -qF "~/.local/share/Scribix" "$work/flat.txt" || fail "the manual does not say where work is kept"

# The main screen in each module and every window: pictures as large as a window.
captures=$(pdfimages -list "$pdf" | awk 'NR > 2 && $4 >= 400 && $5 >= 200' | wc -l)
[ "$captures" -ge 10 ] || fail "only $captures large pictures: the captures of the program are missing"

[ "$failures" -eq 0 ] || exit 1
echo "manual: $(wc -w <<<"$words") words with ligature pairs found, $captures large pictures"
