#!/usr/bin/env bash
# A four-piece gift is solved with the mouse: the inspector, which plays the same
# game in the core, writes the drags that solve a new game on a board of the player's
# size; they are replayed on the player's board and the congratulation appears. Run
# also at QT_SCALE_FACTOR=2, where the pointer's travel in screen pixels must move the
# pieces just as far on the board.
source "$(dirname "$0")/xvfb_session.sh"
inspect=$5
make_gift "$work/gift" --pieces 4 --rotation off
play_gift "$work/gift"

# The board is the largest window inside the main window: its size and place, in
# the screen's pixels, which are the board's own at any device pixel ratio.
read -r width height left top < <(board_geometry "Quillmere Gift")
echo "board ${width}x${height} at ${left},${top}"
[[ -n "$width" ]] || { echo "no board window"; exit 1; }

"$inspect" --solving-script --board-size "${width}x${height}" "$work/gift" >"$work/solve.txt"
cat "$work/solve.txt"
replay_drags "$left" "$top" <"$work/solve.txt"

wait_for_window "You solved it!" >/dev/null || { echo "no congratulation"; cat "$work/out.log"; exit 1; }
import -window root "$work/solved.png" 2>/dev/null || true
echo "solved and congratulated"
