#!/usr/bin/env bash
# The gift maker's window: opened with a picture, it shows the cut; Ctrl+S asks for
# a name in its own file dialog, Enter writes the gift, the inspector reads back the
# choices and the gift plays. Screenshots of the window in two piece styles are left
# in the work folder. Arguments: PLAYER WRAP PICTURE_TOOL WORKDIR INSPECT MAKER.
source "$(dirname "$0")/xvfb_session.sh"
inspect=$5 maker=$6
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache"
mkdir -p "$HOME"
"$picture_tool" "$work/picture.jpg" --width 800 --height 600 >/dev/null

"$maker" "$work/picture.jpg" >"$work/maker.log" 2>&1 &
pids+=($!)
window=$(wait_for_window "Quillmere Gift Maker" 20) || { echo "no maker window"; cat "$work/maker.log"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 1
import -window root "$work/maker-classic.png"

# The Pieces tab, its piece count, then the style: two down from Classic is Squares.
xdotool key alt+i
sleep 0.3
xdotool key alt+c ctrl+a
xdotool type "300"
xdotool key Tab alt+s Down Down
sleep 1
import -window root "$work/maker-squares.png"

xdotool key ctrl+s
dialog=$(wait_for_window "Save gift" 10) || { echo "no save dialog"; cat "$work/maker.log"; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type "$work/made-gift"
xdotool key Return
for _ in $(seq 100); do [[ -f "$work/made-gift" ]] && break; sleep 0.1; done
[[ -f "$work/made-gift" ]] || { echo "no gift written"; cat "$work/maker.log"; exit 1; }
sleep 0.5
import -window root "$work/maker-saved.png"

header=$("$inspect" --header "$work/made-gift")
grep -q "^RequestedCount=300$" <<<"$header" || { echo "piece count not in the header"; echo "$header"; exit 1; }
grep -q "^PieceStyle=3$" <<<"$header" || { echo "style not in the header"; echo "$header"; exit 1; }

"$work/made-gift" >"$work/gift.log" 2>&1 &
pids+=($!)
wait_for_window "Quillmere Gift" 20 >/dev/null || { echo "the gift does not play"; cat "$work/gift.log"; exit 1; }
echo "gift made in the window plays"
