#!/bin/sh
# scribix-syllables reads UTF-8 words a line and writes their syllables, with the settings' options
# and exceptions files; an unknown option is refused.
set -u
tool=$1
exceptions=$2
fail() { echo "FAIL: $*"; exit 1; }
out=$(printf 'école\r\nparlent\ntemps\nporte-monnaie\n\nmonsieur\n' | "$tool") || fail "exit status"
[ "$out" = "$(printf 'é-co-le\npar-l[ent]\ntem[ps]\npor-te-mon-nai[e]\n\nmon-sieur')" ] || fail "default: $out"
out=$(printf 'piano\npomme\nmonsieur\n' | "$tool" --debutant --sans-doubles --exceptions "$exceptions")
[ "$out" = "$(printf 'pi-a-no\npo-mme\nmon-sieu[r]')" ] || fail "options: $out"
if "$tool" --inconnu </dev/null 2>/dev/null; then fail "an unknown option is taken"; fi
if "$tool" --exceptions /nonexistent/file </dev/null 2>/dev/null; then fail "a missing file is taken"; fi
echo "scribix-syllables: all right"
