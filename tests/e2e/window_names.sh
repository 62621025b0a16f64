#!/usr/bin/env bash
# What the window system is told of each window (run by with_sound_server.sh, as on
# a desktop with sound): the title (_NET_WM_NAME, which title bars and task
# switchers show) is the window's caption alone — "Picture", "Loupe: 3x", "Set Piece
# Size and Shape", the main window's "Quillmere Gift" — with no program name added;
# the window class is the program's own, "quillmere-gift", also for a player started
# under another name; and a normal start prints nothing on standard error.
source "$(dirname "$0")/xvfb_session.sh"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
make_gift "$work/gift" --pieces 12 --rotation off
(exec -a started-as-birthday "$work/gift") >"$work/out.log" 2>&1 &
pids+=($!)
wait_for_window "Quillmere Gift" >/dev/null || { echo "no main window"; cat "$work/out.log"; exit 1; }
leave_play_screen || exit 1

check_names() {  # check_names WINDOW CAPTION
  local title class
  title=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
  class=$(xprop -id "$1" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
  echo "$2: title \"$title\", class \"$class\""
  [[ "$title" == "$2" ]] || { echo "the title is not \"$2\""; exit 1; }
  [[ "$class" == quillmere-gift ]] || { echo "the class is not quillmere-gift"; exit 1; }
}
main=$(wait_for_window "Quillmere Gift")  # the Play screen has gone
check_names "$main" "Quillmere Gift"

xdotool windowfocus --sync "$main" key F3
picture=$(wait_for_window "Picture") || { echo "no picture window"; exit 1; }
check_names "$picture" "Picture"
xdotool windowfocus --sync "$main" key F4
loupe=$(wait_for_window "Loupe: 3x") || { echo "no loupe"; exit 1; }
check_names "$loupe" "Loupe: 3x"

# The tool button "Piece size and shape" (see piece_size_dialog.sh).
click_widget MainForm SpeedSize || { echo "no piece size button"; exit 1; }
dialog=$(wait_for_window "Set Piece Size and Shape") || { echo "no piece size dialog"; import -window root "$work/no-dialog.png"; exit 1; }
check_names "$dialog" "Set Piece Size and Shape"
import -window root "$work/windows.png"

noise=$(cat "$work/out.log")
[[ -z "$noise" ]] || { echo "the player printed:"; echo "$noise"; exit 1; }
echo "nothing on standard error"
