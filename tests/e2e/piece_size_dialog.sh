#!/usr/bin/env bash
# The tool button "Piece size and shape" opens the window "Set Piece Size and Shape";
# two presses of the right arrow take the size from 100 % to 120 % and Enter recuts
# the board. The saved game written at exit holds the new scale.
source "$(dirname "$0")/xvfb_session.sh"
make_gift "$work/gift" --pieces 20 --rotation off
play_gift "$work/gift"
sleep 2

read -r width height left top < <(board_geometry "Quillmere Gift")
[[ -n "$width" ]] || { echo "no board window"; exit 1; }
echo "board ${width}x${height} at ${left},${top}"
board_shot() { import -window root -crop "${width}x${height}+${left}+${top}" "$1"; }
board_shot "$work/before.png"

# The tool bar lies right above the board. SpeedSize, 34 pixels wide, starts 205
# pixels into its row of buttons (283 less the 78 that the hidden Open and Save
# buttons leave), and the row starts 13 pixels in, after the bar's handle.
xdotool mousemove $((left + 13 + 205 + 17)) $((top - 25)) click 1
dialog=$(wait_for_window "Set Piece Size and Shape" 10) || { echo "no piece size dialog"; cat "$work/out.log"; exit 1; }
echo "piece size dialog shown"
xdotool windowfocus --sync "$dialog"
xdotool key Right Right
sleep 0.5
import -window root "$work/dialog.png"
xdotool key Return
sleep 3
if xdotool search --onlyvisible --name "^Set Piece Size and Shape\$" >/dev/null 2>&1; then
  echo "the dialog stayed open"; exit 1
fi
board_shot "$work/after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
echo "board pixels changed: $changed"
((${changed%%.*} > width * height / 20)) || { echo "the board was not cut anew"; exit 1; }

# File, Exit; the exit screen saves the game.
xdotool windowfocus --sync "$main"
xdotool key alt+f x
sleep 2
xdotool key Return
for _ in $(seq 50); do [[ -s "$work/gift.sav" ]] && break; sleep 0.2; done
scale=$(od -An -t d2 -j 4453 -N 2 "$work/gift.sav" | tr -d ' ')
echo "saved scale: $scale"
[[ "$scale" == 120 ]] || { echo "the saved game does not hold the new scale"; exit 1; }
echo "board recut at 120 %"
