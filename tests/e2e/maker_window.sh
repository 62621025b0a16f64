#!/usr/bin/env bash
# The gift maker's window on a 1366 x 768 screen: opened with a picture, it fits the
# screen and shows the cut; Ctrl+S asks for a name in its own file dialog, which
# offers a zip archive; Enter writes it, the window says how large it is and what to
# send with it; the archive's gift is executable, the inspector reads back the
# choices and the gift plays. The maker killed without closing starts again with what
# was typed. Screenshots are left in the work folder. Arguments: PLAYER WRAP
# PICTURE_TOOL WORKDIR INSPECT MAKER.
export XVFB_SCREEN=1366x768x24
source "$(dirname "$0")/xvfb_session.sh"
inspect=$5 maker=$6
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache"
mkdir -p "$HOME"
"$picture_tool" "$work/picture.jpg" --width 800 --height 600 >/dev/null

"$maker" "$work/picture.jpg" >"$work/maker.log" 2>&1 &
maker_pid=$!
pids+=($maker_pid)
window=$(wait_for_window "Quillmere Gift Maker") || { echo "no maker window"; cat "$work/maker.log"; exit 1; }
xdotool windowfocus --sync "$window"
# shot NAME: the screen once the maker's window has come to rest.
shot() { wait_for_still "$(window_region "$window")" && import -window root "$work/$1.png"; }
shot maker-classic
read -r width height _ < <(window_geometry "Quillmere Gift Maker")
((width <= 1366 && height <= 768)) || { echo "the window ($width x $height) is larger than the screen"; exit 1; }

# The title, typed on the Picture tab.
xdotool key alt+p alt+t
xdotool type "Garden"

# The Pieces tab, its piece count, then the style: two down from Classic is Squares.
xdotool key alt+i alt+c ctrl+a
xdotool type "300"
xdotool key Tab alt+s Down Down
shot maker-squares

xdotool key ctrl+s
dialog=$(wait_for_window "Save gift") || { echo "no save dialog"; cat "$work/maker.log"; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type "$work/made-gift"
xdotool key Return
wait_for_file "$work/made-gift.zip" || { echo "no zip archive written"; ls "$work"; cat "$work/maker.log"; exit 1; }
made=$(wait_for_window "Gift made") || { echo "no word that the gift is made"; exit 1; }
wait_for_still "$(window_region "$made")" && import -window root "$work/maker-saved.png"

listing=$(zipinfo "$work/made-gift.zip")
grep -q -- "^-rwxr-xr-x .* unx .* made-gift$" <<<"$listing" || { echo "the gift is not executable in the zip"; echo "$listing"; exit 1; }
(cd "$work" && unzip -q made-gift.zip)
[[ -x "$work/made-gift" ]] || { echo "the extracted gift does not run"; exit 1; }

header=$("$inspect" --header "$work/made-gift")
grep -q "^RequestedCount=300$" <<<"$header" || { echo "piece count not in the header"; echo "$header"; exit 1; }
grep -q "^PieceStyle=3$" <<<"$header" || { echo "style not in the header"; echo "$header"; exit 1; }

# Killed without closing, the maker starts again with the title typed and the picture.
xdotool key Escape
xdotool windowfocus --sync "$window"
xdotool key alt+p alt+t ctrl+a
xdotool type "Garden at dusk"
settings=$XDG_CONFIG_HOME/Quillmere/quillmere-maker.conf
wait_until 30 "the title in the maker's settings" grep -q "^title=Garden at dusk$" "$settings" ||
  { echo "the title typed was not kept"; cat "$settings"; exit 1; }
kill -9 "$maker_pid"
wait "$maker_pid" 2>/dev/null || true
"$maker" >"$work/maker-again.log" 2>&1 &
pids+=($!)
window=$(wait_for_window "Quillmere Gift Maker") || { echo "the maker does not start again"; exit 1; }
shot maker-again
grep -q "^title=Garden at dusk$" "$settings" || { echo "the title typed was lost at the start"; cat "$settings"; exit 1; }
grep -q "QFSFileEngine" "$work/maker.log" "$work/maker-again.log" && { echo "noise at start"; exit 1; }

"$work/made-gift" >"$work/gift.log" 2>&1 &
pids+=($!)
wait_for_window "Quillmere Gift" >/dev/null || { echo "the gift does not play"; cat "$work/gift.log"; exit 1; }
echo "gift made in the window plays"
