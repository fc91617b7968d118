# shellcheck shell=bash
# Sourced by the scripts that drive the Windows program under wine: a work folder removed at the
# end with every process started here, `fail`, a display of their own (DISPLAY), the user's
# application-data folder of the wine prefix (`appdata`), and scribix.exe started and waited for.
# WINEPREFIX names a prefix that wine has made.

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A display of our own, large enough that the window is fitted as it is on a classroom screen.
exec 7>"$work/display"
Xvfb -displayfd 7 -screen 0 1600x1200x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
DISPLAY=":$(head -1 "$work/display")"
export DISPLAY

# shellcheck disable=SC2034 # for the scripts that source this
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"

# scribix.exe started from the program folder FOLDER, in the background; its output goes to
# $work/windows.log.
start_windows_program() {
  rm -f "$work/windows.exit"
  (cd "$1" && wine ./scribix.exe >"$work/windows.log" 2>&1; echo $? >"$work/windows.exit") &
  pids+=($!)
}

# The exit status of the scribix.exe started last, once it has ended: ten seconds at most, and
# nothing printed when it is still running.
windows_exit_status() {
  for _ in $(seq 100); do [ -s "$work/windows.exit" ] && break; sleep 0.1; done
  cat "$work/windows.exit" 2>/dev/null || true
}

# The shown window whose title is exactly TITLE, waited for SECONDS at most.
shown_window() {
  local title=$1 seconds=$2 until window pattern
  until=$((SECONDS + seconds))
  # xdotool takes a regular expression: the title's brackets and dots stand for themselves.
  pattern=$(printf '%s' "$title" | sed 's/[][()\\.^$*+?{}|]/\\&/g')
  while [ "$SECONDS" -lt "$until" ]; do
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | while read -r w; do
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$title" ] && echo "$w"; done | tail -1)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
