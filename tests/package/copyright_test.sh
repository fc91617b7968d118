#!/usr/bin/env bash
# The Debian copyright file in its machine-readable form: every paragraph of files says who holds
# the copyright and under which licence, and every licence named has its text (or, for the GPL,
# the pointer to the copy every Debian system has).
#   copyright_test.sh <copyright file>
set -euo pipefail
copyright=$1
awk '
  function check() {
    if (files != "" && (copyright == 0 || license == "")) {
      printf "FAIL: the files %s lack a Copyright or a License field\n", files
      bad = 1
    }
    # A paragraph of files may give its licence text in place.
    if (files != "" && lines > 0) texts[license] = 1
    if (files == "" && license != "" && header == 0) {
      if (license in texts) { printf "FAIL: two texts for %s\n", license; bad = 1 }
      if (lines == 0) { printf "FAIL: the licence %s has no text\n", license; bad = 1 }
      texts[license] = 1
    }
    files = ""; copyright = 0; license = ""; lines = 0; field = ""
  }
  BEGIN { header = 1 }
  /^$/ { check(); header = 0; next }
  /^Format: / { if (NR != 1) { print "FAIL: Format is not the first line"; bad = 1 } }
  /^Files: / { files = substr($0, 8) }
  /^Copyright: / { copyright = 1 }
  /^License: / {
    license = substr($0, 10)
    if (files != "") {
      n = split(license, names, / (and|or) /)
      for (i = 1; i <= n; i++) used[names[i]] = files
    }
  }
  /^[A-Za-z-]+:/ { field = $1 }
  /^ / { if (field == "License:") lines++ }
  END {
    check()
    for (name in used) {
      if (!(name in texts)) { printf "FAIL: %s (for %s) has no licence paragraph\n", name, used[name]; bad = 1 }
    }
    exit bad
  }
' "$copyright"
grep -q '^Files: \*$' "$copyright" || { echo "FAIL: no paragraph for all files" >&2; exit 1; }
# The GPL is not copied into the package: Debian has it.
grep -qF '/usr/share/common-licenses/GPL-3' "$copyright" || { echo "FAIL: no pointer to the GPL" >&2; exit 1; }
echo "copyright: $(grep -c '^Files:' "$copyright") paragraphs of files, $(grep -c '^License:' "$copyright") licence fields"
