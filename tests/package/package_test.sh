#!/usr/bin/env bash
# Makes the Debian package of a build, unpacks it as dpkg installs it, and starts the program from
# there twice, offscreen, for a user with a fresh home folder, under strace.
#   package_test.sh <build folder> <list of the generated program files> <source folder>
set -euo pipefail
build=$1
listed=$2
source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The package, from the build as it stands.
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/scribix_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libespeak-ng1 \
  espeak-ng-data qt6-qpa-plugins qt6-image-formats-plugins fonts-liberation2 fonts-comic-neue; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -qw mbrola-fr1 <<<"$(dpkg-deb -f "$deb" Suggests)" || fail "no MBROLA voice suggested"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }

root=$work/root
dpkg -x "$deb" "$root"
program=$root/usr/share/scribix
[ -x "$root/usr/bin/scribix" ] || fail "no usr/bin/scribix"
while read -r name; do
  [ -z "$name" ] || [ -s "$program/$name" ] || fail "the package lacks $name"
done <"$listed"
for samples in Liste-de-mots Exercices; do
  diff -r "$source/resources/$samples" "$program/$samples" >/dev/null ||
    fail "the package's $samples differ from the sources"
done
for file in installer-voix.html Documentation-Scribix.pdf; do
  [ -s "$program/$file" ] || fail "the package lacks $file"
done
# Free software, and said so where Debian and the software centres look.
copyright=$root/usr/share/doc/scribix/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in Debian's machine-readable form"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file grants no GPL-3+"
if grep -qiE 'not-yet-chosen|not to be redistributed' "$copyright"; then
  fail "the copyright file still withholds the licence"
fi
grep -qF '<project_license>GPL-3.0-or-later</project_license>' \
  "$root/usr/share/metainfo/org.example.scribix.metainfo.xml" || fail "AppStream project_license"
desktop=$root/usr/share/applications/org.example.scribix.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx 'Categories=Education;Languages;Qt;' "$desktop" || fail "desktop entry categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.scribix.metainfo.xml" >/dev/null ||
  fail "AppStream metainfo"
for size in 32 48 64 72 128; do
  [ -s "$root/usr/share/icons/hicolor/${size}x$size/apps/scribix.png" ] || fail "no ${size}px icon"
done

# A user of the installed program: nothing of the caller's environment but the PATH.
home=$work/home
mkdir -p "$home/run"
chmod 700 "$home/run"
data=$home/.local/share/Scribix
before=$(find "$root" -printf '%p %s %T@\n' | sort)
start() {
  local run=$1
  # The leak checker of ./test --sanitize cannot work under strace; the other tests run it.
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    strace -ff -qq -o "$work/trace$run" \
    -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat \
    timeout 60 "$root/usr/bin/scribix" --quit-after 2000 >"$work/out$run.log" 2>&1 ||
    { cat "$work/out$run.log"; fail "start $run ended badly"; }
  # Every call that changed the file system and succeeded: its path must lie below the home.
  # (One file per thread: no call is split across lines.)
  local written
  written=$(cat "$work/trace$run".* |
    grep -E '^(open|openat)\(.*O_(WRONLY|RDWR|CREAT)|^(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat)\(' |
    grep -E '= [0-9]+$' | grep -oE '"[^"]*"' | tr -d '"' || true)
  [ -n "$written" ] || fail "start $run: strace saw nothing written"
  local path
  while read -r path; do
    case "$path" in
      "") ;;
      "$home"/* | /dev/null | /dev/shm/* | /dev/snd/*) ;;
      *) fail "start $run wrote $path, outside the user's home folder" ;;
    esac
  done <<<"$written"
  [ "$before" = "$(find "$root" -printf '%p %s %T@\n' | sort)" ] || fail "start $run changed the program"
  local trace=$data/debug.txt
  grep -qxF "Program folder: $program" "$trace" || fail "start $run: program folder: $(cat "$trace")"
  grep -qxF "Data folder: $data" "$trace" || fail "start $run: data folder: $(cat "$trace")"
  if grep -q "^Missing picture" "$trace"; then fail "start $run: $(grep "^Missing" "$trace")"; fi
  # The first-run initialisation, 600 ms after start, got through to its end.
  grep -qx "End populate voice" "$trace" || fail "start $run stopped early: $(cat "$trace")"
}

start 1
[ "$(stat -c %s "$data/defaut")" -eq 4176 ] || fail "no settings file after the first start"
[ -f "$data/defautabc" ] || fail "the Français module's work was not kept"
for samples in Liste-de-mots Exercices; do
  diff -r "$program/$samples" "$data/$samples" >/dev/null || fail "$samples not copied for the user"
done

# The teacher changes the background colour, edits a list and throws an exercise away; the
# second start reads the changed settings, writes them again on leaving, and gives back no sample.
printf '\x99\x66\x33\x00' | dd of="$data/defaut" bs=1 seek=0 conv=notrunc status=none
list=$(ls "$data/Liste-de-mots" | head -n 1)
printf 'cartable\r\n' >>"$data/Liste-de-mots/$list"
edited=$(md5sum <"$data/Liste-de-mots/$list")
thrown=$(ls "$data/Exercices" | head -n 1)
rm "$data/Exercices/$thrown"
start 2
[ "$(head -c 4 "$data/defaut" | od -An -tx1 | tr -d ' ')" = "99663300" ] ||
  fail "the second start did not keep the first one's settings"
[ "$(md5sum <"$data/Liste-de-mots/$list")" = "$edited" ] || fail "the edited list was overwritten"
[ ! -e "$data/Exercices/$thrown" ] || fail "a sample the teacher threw away came back"
echo "package $(basename "$deb"): $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
