#!/usr/bin/env bash
# The tool button "Piece size and shape" opens the window "Set Piece Size and Shape";
# two presses of the right arrow take the size from 100 % to 120 % and Enter recuts
# the board. The saved game written at exit holds the new scale.
source "$(dirname "$0")/xvfb_session.sh"
make_gift "$work/gift" --pieces 20 --rotation off
play_gift "$work/gift"

read -r width height left top < <(board_geometry "Quillmere Gift")
[[ -n "$width" ]] || { echo "no board window"; exit 1; }
echo "board ${width}x${height} at ${left},${top}"
board=$(board_region)
wait_for_still "$board"
board_shot() { import -window root -crop "$board" +repage "$1"; }
board_shot "$work/before.png"
drawn=$(screen_sum "$board")

# The tool button SpeedSize, where the player's widget map puts it.
click_widget MainForm SpeedSize || { echo "no piece size button"; exit 1; }
dialog=$(wait_for_window "Set Piece Size and Shape") || { echo "no piece size dialog"; cat "$work/out.log"; exit 1; }
echo "piece size dialog shown"
xdotool windowfocus --sync "$dialog"
shown=$(screen_sum "$(window_region "$dialog")")
xdotool key Right Right
wait_for_change "$(window_region "$dialog")" "$shown" || { echo "the dialog did not take the arrows"; exit 1; }
import -window root "$work/dialog.png"
xdotool key Return
wait_for_unmapped "$dialog" || { echo "the dialog stayed open"; exit 1; }
wait_for_change "$board" "$drawn" && wait_for_still "$board" || { echo "the board was not drawn again"; exit 1; }
board_shot "$work/after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
echo "board pixels changed: $changed"
((${changed%%.*} > width * height / 20)) || { echo "the board was not cut anew"; exit 1; }

# File, Exit; the exit screen saves the game.
xdotool windowfocus --sync "$main"
xdotool key alt+f x
click_widget SplashForm OkBtn || { echo "no exit screen"; exit 1; }
wait_for_file "$work/gift.sav" || exit 1
scale=$(od -An -t d2 -j 4453 -N 2 "$work/gift.sav" | tr -d ' ')
echo "saved scale: $scale"
[[ "$scale" == 120 ]] || { echo "the saved game does not hold the new scale"; exit 1; }
echo "board recut at 120 %"
