# Shared by the end-to-end tests: a private X display, a work folder, and waiting for
# what can be seen: a window, a button, a file, a change on the screen, a process
# ending (with the waits of waits.sh). Source it with: PLAYER WRAP PICTURE_TOOL
# WORKDIR as $1..$4. The screen is 1280 x 800 unless XVFB_SCREEN says otherwise
# (WxHxDEPTH); the players run at QT_SCALE_FACTOR when the caller sets it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"
player=$1 wrap=$2 picture_tool=$3 work=$4
rm -rf "$work" && mkdir -p "$work"

# The server picks a free display itself and writes its number to descriptor 3
# once it takes connections.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
pids=("$xvfb_pid")
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
display_written() { [[ $(<"$work/display") == *[0-9]* ]]; }
wait_until 60 "Xvfb to start" display_written || { cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export QT_QPA_PLATFORM=xcb
# The players speak English here, whatever the locale of the machine running the tests.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
# The players list their buttons' places here (see src/app/widget_map.h).
export QUILLMERE_WIDGET_MAP=$work/widgets

# wait_for_window NAME [SECONDS]: prints the window id once a visible window has NAME,
# the largest when several have it (the main window and the "Play..." screen share
# their name).
visible_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
      END { if (w) print w * h, id }'
  done | sort -n | tail -n1 | cut -d' ' -f2 | grep .
}
wait_for_window() { wait_until "${2:-60}" "a window \"$1\"" visible_window "$1"; }
# wait_for_unmapped ID [SECONDS]: until the window ID is off the screen or gone.
window_unmapped() { ! xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
wait_for_unmapped() { wait_until "${2:-60}" "the window $1 to close" window_unmapped "$1"; }
# wait_for_no_window NAME [SECONDS]: until no visible window has NAME.
no_window() { ! visible_window "$1" >/dev/null; }
wait_for_no_window() { wait_until "${2:-60}" "the window \"$1\" to close" no_window "$1"; }

# widget_rect WINDOW BUTTON: "left top width height" of an enabled button in the
# players' widget map; wait_for_widget waits for it; click_widget clicks its middle.
widget_rect() {
  awk -v w="$1" -v b="$2" '$1 == w && $2 == b && $7 == "enabled" { print $3, $4, $5, $6; found = 1; exit }
    END { exit !found }' "$QUILLMERE_WIDGET_MAP" 2>/dev/null
}
wait_for_widget() { wait_until "${3:-60}" "the button $2 of $1" widget_rect "$1" "$2" >/dev/null; }
click_widget() {
  local left top width height
  wait_for_widget "$1" "$2" || return 1
  read -r left top width height < <(widget_rect "$1" "$2")
  xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
}
# wait_for_no_widgets WINDOW: until the map lists no button of WINDOW (it is hidden).
no_widgets() { ! grep -q "^$1 " "$QUILLMERE_WIDGET_MAP"; }
wait_for_no_widgets() { wait_until "${2:-60}" "the window $1 to close" no_widgets "$1"; }

# screen_sum REGION: a checksum of the screen's pixels in REGION (WxH+X+Y).
screen_sum() { import -silent -window root -crop "$1" +repage rgb:- | md5sum | cut -d' ' -f1; }
# wait_for_change REGION SUM [SECONDS]: until REGION no longer has the checksum SUM.
region_changed() { [[ $(screen_sum "$1") != "$2" ]]; }
wait_for_change() { wait_until "${3:-60}" "the screen at $1 to change" region_changed "$1" "$2"; }
# wait_for_still REGION [SECONDS]: until REGION shows the same in two grabs a moment
# apart: whatever moved there has come to rest.
wait_for_still() { wait_until "${2:-60}" "the screen at $1 to come to rest" still screen_sum "$1"; }

# window_geometry NAME: prints "width height left top" of the largest window of that
# name; board_geometry the same of the largest window at the left edge of its parent
# below its top (the board, a native window of its own: untitled, so Qt names it
# after the program, "quillmere-gift"). Callers may name the main window; the board
# is found by its own name.
largest_window() {  # largest_window NAME INNER(0|1)
  xwininfo -root -tree | awk -v name="\"$1\":" -v inner="$2" '
    index($0, name) && match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+/) {
      split(substr($0, RSTART, RLENGTH), g, /[x+ ]+/); area = g[1] * g[2]
      if (area > best && (!inner || (g[3] == 0 && g[4] > 0))) { best = area; w = g[1]; h = g[2]; x = g[5]; y = g[6] } }
    END { print w, h, x, y }'
}
window_geometry() { largest_window "$1" 0; }
board_geometry() { largest_window quillmere-gift 1; }
# window_region ID: the window as a REGION.
window_region() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w "x" h "+" x "+" y }'
}
# board_region: the board as a REGION for screen_sum and the waits above.
board_region() { local w h x y; read -r w h x y < <(board_geometry); echo "${w}x${h}+${x}+${y}"; }

# replay_drags LEFT TOP < SCRIPT: does each "drag X1 Y1 X2 Y2" line of the inspector's
# solving script with the mouse, on a board whose top left is at LEFT, TOP. Each drag
# ends once the board has come to rest (a dropped piece may glide into place).
replay_drags() {
  local left=$1 top=$2 x1 y1 x2 y2 i region
  region=$(board_region)
  while read -r _ x1 y1 x2 y2; do
    xdotool mousemove $((left + x1)) $((top + y1)) mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
      xdotool mousemove $((left + x1 + (x2 - x1) * i / 8)) $((top + y1 + (y2 - y1) * i / 8))
    done
    xdotool mouseup 1
    wait_for_still "$region"
  done
}

# play_gift GIFT [LOG]: starts the gift (its output in LOG, out.log unless named),
# waits for its main window (its id in $main, its pid in $player_pid) and leaves the
# "Play..." screen. The widget map starts afresh for it.
play_gift() {
  local log=${2:-$work/out.log}
  rm -f "$QUILLMERE_WIDGET_MAP"
  "$1" >"$log" 2>&1 &
  player_pid=$!
  pids+=("$player_pid")
  wait_for_window "Quillmere Gift" >/dev/null || { echo "no window"; cat "$log"; exit 1; }
  leave_play_screen || { cat "$log"; exit 1; }
  # The "Play..." screen may be shown before the main window: the main window is
  # the one left now (or the larger while the screen closes).
  main=$(wait_for_window "Quillmere Gift") || { echo "no main window"; cat "$log"; exit 1; }
}
# leave_play_screen: clicks Play on the "Play..." screen once the puzzle is ready,
# and waits until the screen has closed.
leave_play_screen() {
  click_widget SplashForm OkBtn || { echo "no Play button"; return 1; }
  wait_for_no_widgets SplashForm || { echo "the Play screen stays"; return 1; }
}

make_gift() {  # make_gift OUTPUT [wrap options...]
  local out=$1; shift
  [[ -f "$work/picture.jpg" ]] || "$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
  "$wrap" --player "$player" --picture "$work/picture.jpg" -o "$out" "$@"
}
