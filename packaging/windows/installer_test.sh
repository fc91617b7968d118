#!/bin/bash
# The installer of the real program, as a teacher uses it: made by the build's `installer` target,
# installed silently under wine in a prefix of its own, the installed scribix.exe started once, then
# uninstalled. Every file of the program folder arrives unchanged, with its Start-menu entries; the
# program writes its work in %APPDATA%\Scribix and nothing under Program Files; the uninstaller
# takes away what it installed and leaves the child's work.
#   installer_test.sh <Windows build folder> <work folder>
set -euo pipefail
build=$1 work=$2

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
pids=()
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

rm -f "$build"/scribix-*-setup.exe
cmake --build "$build" --target installer >"$work/makensis.log" 2>&1 ||
  fail "the installer target failed: $(tail -5 "$work/makensis.log")"
setup=$(ls "$build"/scribix-*-setup.exe 2>/dev/null | head -n 1)
[ -s "$setup" ] || fail "no installer made"
echo "installer: $(stat -c %s "$setup") bytes"

# What the program folder holds: every file of it goes to Program Files as it is.
program_files=()
while IFS= read -r file; do program_files+=("$file"); done < <(
  cd "$build" &&
    find resb sons Puzzles Liste-de-mots Exercices -type f &&
    printf '%s\n' scribix.exe Documentation-Scribix.pdf installer-voix.html syllabes-exceptions.txt)

# The program shows its window on a display of its own.
exec 7>"$work/display"
Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"

export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=":$(head -1 "$work/display")"
export DISPLAY
wineboot=0
timeout 120 wine wineboot --init >/dev/null 2>&1 || wineboot=$?
[ "$wineboot" -eq 0 ] || fail "wine could not make its prefix ($wineboot)"

drive=$WINEPREFIX/drive_c
user_name=$(ls "$drive/users" | grep -v -x -e Public -e public | head -n 1)
appdata=$drive/users/$user_name/AppData/Roaming/Scribix
# wine has no French voice: a teacher who asked not to be warned again, so the start does not stop
# on the voice warning.
mkdir -p "$appdata"
: >"$appdata/noavertv"

timeout 120 wine "$setup" /S
timeout 60 wineserver -w

installed="$drive/Program Files/Scribix"
for file in "${program_files[@]}"; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
  cmp -s "$build/$file" "$installed/$file" || fail "changed on its way: $file"
done
[ -f "$installed/desinstaller-scribix.exe" ] || fail "no uninstaller"
# Nothing else: no folder of the same name found elsewhere in the build folder.
extra=$( (cd "$installed" && find . -type f -printf '%P\n' | grep -v -x desinstaller-scribix.exe) |
  sort | comm -23 - <(printf '%s\n' "${program_files[@]}" | sort) | head -3)
[ -z "$extra" ] || fail "installed but not of the program folder: $extra"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Scribix"
for entry in "Scribix.lnk|scribix.exe" "Documentation de Scribix.lnk|Documentation-Scribix.pdf"; do
  link=${entry%%|*} target=${entry#*|}
  [ -f "$menu/$link" ] || fail "no Start-menu entry $link"
  # The shortcut names its target and the folder it starts in, in UTF-16.
  strings -el "$menu/$link" >"$work/link.txt"
  grep -q -F -x "$target" "$work/link.txt" && grep -q -F -x 'C:\Program Files\Scribix' "$work/link.txt" ||
    fail "$link does not lead to $target in C:\Program Files\Scribix"
done
echo "installed: ${#program_files[@]} files unchanged, the Start-menu entries lead to them"

# What the program may not write: anything under the install folder, anything outside the
# user's application data but wine's own folder.
snapshot() {
  (cd "$drive" && find . -path ./windows -prune -o \
    -path "./users/$user_name/AppData/Roaming/Scribix" -prune -o \
    -path "./users/$user_name/Temp" -prune -o -path "./users/$user_name/AppData/Local/Temp" -prune -o \
    -printf '%p %s %T@\n' | sort)
}
snapshot >"$work/before.txt"
started=$(date +%s%N)
status=0
(cd "$work" && timeout 180 wine "C:\\Program Files\\Scribix\\scribix.exe" --quit-after 3000 \
  >"$work/scribix.log" 2>&1) || status=$?
echo "the installed scribix.exe ran and ended in $((($(date +%s%N) - started) / 1000000)) ms"
[ "$status" -eq 0 ] || fail "the installed scribix.exe ended with $status"
snapshot >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/written.txt" ||
  fail "the program wrote outside its application data: $(head -5 "$work/written.txt")"

# It found its resources where it was installed and kept its settings and the child's text.
trace=$appdata/debug.txt
[ -f "$trace" ] || fail "no trace in $appdata"
grep -a -q -F 'Program folder: C:\Program Files\Scribix' "$trace" ||
  fail "the program did not read its installed folder: $(grep -a 'folder' "$trace")"
grep -a -q '^Missing picture' "$trace" && fail "pictures missing: $(grep -a '^Missing' "$trace")"
for file in defaut defautabc Liste-de-mots/animaux.txt Exercices/le-chat.txt; do
  [ -f "$appdata/$file" ] || fail "not in the application data: $file"
done
echo "the program wrote only in $appdata"

# A file the installer did not put there stays, and so does the folder that holds it.
(cd "$appdata" && find . -type f -printf '%p %s %T@\n' | sort) >"$work/work-before.txt"
printf 'notes' >"$installed/notes-de-la-maitresse.txt"
timeout 120 wine "C:\\Program Files\\Scribix\\desinstaller-scribix.exe" /S
timeout 60 wineserver -w
for file in "${program_files[@]}" desinstaller-scribix.exe; do
  [ ! -e "$installed/$file" ] || fail "left behind: $file"
done
for folder in resb sons Puzzles Liste-de-mots Exercices; do
  [ ! -e "$installed/$folder" ] || fail "left behind: $folder"
done
[ -f "$installed/notes-de-la-maitresse.txt" ] || fail "the uninstaller removed a file it did not install"
[ ! -e "$menu" ] || fail "the Start-menu entries were left behind"
(cd "$appdata" && find . -type f -printf '%p %s %T@\n' | sort) >"$work/work-after.txt"
cmp -s "$work/work-before.txt" "$work/work-after.txt" || fail "the uninstaller touched the child's work"
echo "uninstalled, the child's work kept"
