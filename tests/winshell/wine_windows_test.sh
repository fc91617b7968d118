#!/usr/bin/env bash
# The five windows of the Windows program, opened in scribix.exe as a teacher opens them: the voice
# warning at a first start where no French voice is installed, then "Configuration", the text
# editor, "Listes de mots" and "Configuration du puzzle" from their icons. Each must be shown with
# its French title, at its size, with its controls drawn, and go when its close button is clicked.
#   wine_windows_test.sh WINDOWS_FOLDER DIALOG_TEMPLATES SCREENS_FOLDER
# WINEPREFIX names a prefix that wine has made. A screenshot of each window is left in
# SCREENS_FOLDER.
set -euo pipefail
windows=$1 templates=$2 screens=$3
mkdir -p "$screens"
rm -f "$screens"/*.png
# shellcheck source=wine_display.sh
source "$(dirname "$0")/wine_display.sh"

viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

# A press where the child looks, a short move onto it, a release.
click_at() {
  xdotool mousemove "$(($1 - 6))" "$(($2 - 4))"
  sleep 0.1
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# The middle of a control of a dialog template, in the shown window's pixels: the template's
# dialog units are scaled by the window's size in pixels over the template's size.
template_control() {
  local window=$1 dialog=$2 control=$3 X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  awk -v dialog="$dialog" -v control="$control" -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" '
    function numbers(line, n, i, out) {
      gsub(/[^0-9,]/, " ", line); n = split(line, out, ","); return out[n - 3] " " out[n - 2] " " \
        out[n - 1] " " out[n]
    }
    $1 == dialog && $2 == "DIALOGEX" { split(numbers($0), d, " "); inside = 1; next }
    inside && $0 ~ ("[ ,]" control ",") { split(numbers($0), c, " ") }
    inside && $1 == "END" { inside = 0 }
    END {
      if (!d[3] || !c[3]) exit 1
      printf "%d %d\n", X + (c[1] + c[3] / 2) * W / d[3], Y + (c[2] + c[4] / 2) * H / d[4]
    }' "$templates"
}

# The window is shown at a dialog's size and drawn with its controls: a window left blank is one
# colour, these have text, frames and boxes over a part of them. Kept in SCREENS_FOLDER.
check_window() {
  local name=$1 window=$2 size drawn
  size=$(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
  if [ "${size%x*}" -lt 300 ] || [ "${size#*x}" -lt 200 ]; then fail "$name: shown at $size"; fi
  import -window "$window" "$screens/$name.png"
  # Per thousand, the pixels that are not of the commonest colour.
  drawn=$(convert "$screens/$name.png" -format %c histogram:info:- | sort -rn |
    awk '{ n = $1 + 0; all += n; if (NR == 1) most = n } END { print int(1000 * (all - most) / all) }')
  [ "$drawn" -ge 20 ] || fail "$name: only $drawn per thousand drawn, its controls are missing"
  echo "$name: \"$(xdotool getwindowname "$window")\", $size, $drawn per thousand drawn"
}

# Its close button clicked, the window goes.
close_window() {
  local name=$1 window=$2 dialog=$3 button=$4 point
  point=$(template_control "$window" "$dialog" "$button") || fail "$name: no $button in $templates"
  # shellcheck disable=SC2086 # x and y
  click_at $point
  for _ in $(seq 50); do viewable "$window" || return 0; sleep 0.1; done
  fail "$name: still shown after its close button"
}

# An icon of the main view's bar, at the first start's settings (client coordinates).
click_icon() {
  # shellcheck disable=SC2034 # xdotool sets them all
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$main")"
  click_at $((X + $1)) $((Y + $2))
}

# A first start: no French voice under wine, and no word from the teacher yet.
rm -rf "$appdata/Scribix"
start_windows_program "$windows"

warning=$(shown_window "Installation des voix de synthèse vocale" 120) ||
  fail "no voice warning at a first start without a French voice"
sleep 0.5
check_window voice-warning "$warning"
close_window voice-warning "$warning" IDD_VOICE_WARNING IDC_WARN_CLOSE

main=$(shown_window Scribix 60) || fail "scribix.exe shows no window after the warning"
sleep 1
import -window "$main" "$screens/first.png"

# One window per icon; the icons are where the first start's settings put them.
open_from_icon() {
  local name=$1 title=$2 x=$3 y=$4 dialog=$5 button=$6 window
  click_icon "$x" "$y"
  window=$(shown_window "$title" 20) || fail "$name: no window \"$title\" after its icon"
  sleep 0.5
  viewable "$main" || fail "$name: the main view went"
  check_window "$name" "$window"
  close_window "$name" "$window" "$dialog" "$button"
}
open_from_icon settings "Configuration" 999 22 IDD_SETTINGS IDC_SET_OK
open_from_icon editor "Édition du texte (maximum : 8 lignes et 40 caractères par ligne)" \
  941 22 IDD_EDITOR IDC_EDIT_CLOSE
# The list module, then its word-list icon.
click_icon 152 22
sleep 1
open_from_icon word-lists "Listes de mots" 741 22 IDD_WORD_LISTS IDC_LIST_CLOSE
# The puzzle module, whose settings icon opens the puzzle's.
click_icon 198 22
sleep 1
open_from_icon puzzle-settings "Configuration du puzzle" 999 22 IDD_PUZZLE_SETTINGS IDC_PUZ_CLOSE

# The quit icon, "Oui": the program ends as it should.
click_icon 1176 22
box=$(shown_window Confirmation 20) || fail "no confirmation after the quit icon"
sleep 0.3
xdotool key --window "$box" o
[ "$(windows_exit_status)" = "0" ] || fail "scribix.exe did not end with 0"
echo "the five windows opened from scribix.exe and closed"
