#!/bin/bash
# The installer made from a stand-in program folder, installed silently under wine in a prefix of
# its own, then uninstalled: the program folder and the Start-menu entry come and go, the child's
# work in %APPDATA%\Scribix stays.
#   installer_test.sh <scribix.nsi> <a Windows program> <work folder>
set -euo pipefail
script=$1 program=$2 work=$3

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
folder=$work/program
mkdir -p "$folder"/{resb,sons,Puzzles,Liste-de-mots,Exercices/Textes}
cp "$program" "$folder/scribix.exe"
printf 'BM' >"$folder/resb/wizard.bmp"
printf 'RIFF' >"$folder/sons/bravo.wav"
printf 'JPEG' >"$folder/Puzzles/chat.jpg"
printf 'chat\r\nch\xe2teau\r\n' >"$folder/Liste-de-mots/animaux.txt"
printf 'Le chat' >"$folder/Exercices/Textes/chat.txt"
printf '%%PDF-1.4' >"$folder/Documentation-Scribix.pdf"

setup=$work/scribix-0.1-setup.exe
makensis -V2 -DVERSION=0.1 "-DPROGRAM_FOLDER=$folder" "-DOUTFILE=$setup" "$script"
[ -s "$setup" ] || fail "no installer made"
echo "installer: $(stat -c %s "$setup") bytes"

export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wineboot=0
timeout 120 wine wineboot --init >/dev/null 2>&1 || wineboot=$?
[ "$wineboot" -eq 0 ] || fail "wine could not make its prefix ($wineboot)"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

drive=$WINEPREFIX/drive_c
user_name=$(ls "$drive/users" | grep -v -x -e Public -e public | head -n 1)
appdata=$drive/users/$user_name/AppData/Roaming/Scribix
mkdir -p "$appdata"
printf 'le travail de Lucie' >"$appdata/defaut"

timeout 120 wine "$setup" /S
timeout 60 wineserver -w

installed="$drive/Program Files/Scribix"
for file in scribix.exe Documentation-Scribix.pdf resb/wizard.bmp sons/bravo.wav Puzzles/chat.jpg \
  Liste-de-mots/animaux.txt Exercices/Textes/chat.txt desinstaller-scribix.exe; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
cmp -s "$folder/Liste-de-mots/animaux.txt" "$installed/Liste-de-mots/animaux.txt" ||
  fail "the list was changed on its way"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Scribix"
[ -f "$menu/Scribix.lnk" ] || fail "no Start-menu entry"
[ -f "$appdata/defaut" ] || fail "the installer touched the child's work"

# A file the installer did not put there stays, and so does the folder that holds it.
printf 'notes' >"$installed/notes-de-la-maitresse.txt"
timeout 120 wine "C:\\Program Files\\Scribix\\desinstaller-scribix.exe" /S
timeout 60 wineserver -w
for file in scribix.exe resb sons Puzzles Liste-de-mots Exercices desinstaller-scribix.exe; do
  [ ! -e "$installed/$file" ] || fail "left behind: $file"
done
[ -f "$installed/notes-de-la-maitresse.txt" ] || fail "the uninstaller removed a file it did not install"
[ ! -e "$menu" ] || fail "the Start-menu entry was left behind"
[ "$(cat "$appdata/defaut")" = "le travail de Lucie" ] || fail "the uninstaller touched the child's work"
echo "installed, uninstalled, the child's work kept"
