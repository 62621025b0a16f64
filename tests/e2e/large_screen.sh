#!/usr/bin/env bash
# On a 1920 x 1080 screen the main window takes most of the screen, and a new game of
# the demo gift and of a gift made from a 4000 x 3000 photo lays every piece on the
# visible board: the inspector, which plays the same game in the core, gives every
# piece's place on a board of the player's size. Screenshots are left in the work
# folder.
XVFB_SCREEN=1920x1080x24
source "$(dirname "$0")/xvfb_session.sh"
inspect=$5 demo_gift=$6
"$picture_tool" "$work/photo.jpg" --width 4000 --height 3000 >/dev/null
"$wrap" --player "$player" --picture "$work/photo.jpg" -o "$work/photo-gift" --pieces 100 >"$work/wrap.txt"
grep -q "scaled from 4000 .* 3000 to 1067 .* 800 to fit 1280 .* 800" "$work/wrap.txt" || { cat "$work/wrap.txt"; exit 1; }

check_gift() {  # check_gift NAME GIFT
  local name=$1 gift=$2
  play_gift "$gift" "$work/$name.log"
  read -r window_width window_height _ _ < <(window_geometry "Quillmere Gift")
  read -r width height _ _ < <(board_geometry "Quillmere Gift")
  echo "$name: window ${window_width}x${window_height}, board ${width}x${height}"
  ((window_width >= 1600 && window_height >= 900)) || { echo "$name: window too small"; exit 1; }
  import -window root "$work/$name.png" 2>/dev/null || true
  "$inspect" --layout --board-size "${width}x${height}" "$gift" >"$work/$name-layout.txt"
  # Every piece's middle lies on the board.
  awk -v w="$width" -v h="$height" -v name="$name" '
    { x = ($2 + $4) / 2; y = ($3 + $5) / 2
      if (x < 0 || x >= w || y < 0 || y >= h) { print name ": piece " $1 " off the board at " x "," y; bad = 1 } }
    END { if (NR == 0) { print name ": no pieces"; exit 1 } exit bad }' "$work/$name-layout.txt"
  kill "$player_pid"
  wait "$player_pid" 2>/dev/null || true
  wait_for_no_window "Quillmere Gift" || exit 1
}

check_gift photo "$work/photo-gift"
[[ -z "$demo_gift" ]] || check_gift demo "$demo_gift"
echo "main windows of at least 1600 x 900 with every piece on the board"
