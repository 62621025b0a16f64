# Shared by the end-to-end tests: a private X display, a work folder, and waiting
# for a window. Source it with: PLAYER WRAP PICTURE_TOOL WORKDIR as $1..$4. The
# screen is 1280 x 800 unless XVFB_SCREEN says otherwise (WxHxDEPTH); the players
# run at QT_SCALE_FACTOR when the caller sets it.
set -euo pipefail
player=$1 wrap=$2 picture_tool=$3 work=$4
rm -rf "$work" && mkdir -p "$work"

display_number=$((90 + RANDOM % 400))
Xvfb ":$display_number" -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
export QT_QPA_PLATFORM=xcb
# The players speak English here, whatever the locale of the machine running the tests.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
pids=("$xvfb_pid")
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# wait_for_window NAME SECONDS: prints the window id once a visible window has NAME.
wait_for_window() {
  local name=$1 deadline=$((SECONDS + $2))
  while ((SECONDS < deadline)); do
    if id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n1) && [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

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

# replay_drags LEFT TOP < SCRIPT: does each "drag X1 Y1 X2 Y2" line of the inspector's
# solving script with the mouse, on a board whose top left is at LEFT, TOP.
replay_drags() {
  local left=$1 top=$2 x1 y1 x2 y2 i
  while read -r _ x1 y1 x2 y2; do
    xdotool mousemove $((left + x1)) $((top + y1)) mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
      xdotool mousemove $((left + x1 + (x2 - x1) * i / 8)) $((top + y1 + (y2 - y1) * i / 8))
      sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.5
  done
}

# play_gift GIFT: starts the gift, waits for its main window (its id in $main) and
# leaves the "Play..." screen.
play_gift() {
  "$1" >"$work/out.log" 2>&1 &
  pids+=($!)
  main=$(wait_for_window "Quillmere Gift" 20) || { echo "no main window"; cat "$work/out.log"; exit 1; }
  sleep 2
  xdotool key Return
}

make_gift() {  # make_gift OUTPUT [wrap options...]
  local out=$1; shift
  [[ -f "$work/picture.jpg" ]] || "$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
  "$wrap" --player "$player" --picture "$work/picture.jpg" -o "$out" "$@"
}

