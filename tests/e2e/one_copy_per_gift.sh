#!/usr/bin/env bash
# One running copy per gift: a second start of an open gift brings the open copy's
# windows to the top of the screen and ends at once without a word, leaving one
# main window; another gift plays beside it; a copy killed with SIGKILL leaves the
# gift free, so the next start plays it.
source "$(dirname "$0")/xvfb_session.sh"
export XDG_RUNTIME_DIR=$work/runtime  # the gifts' locks go in here
mkdir -m 700 "$XDG_RUNTIME_DIR"
make_gift "$work/gift" --pieces 4
cp "$work/gift" "$work/other"  # the same player and puzzle, but another gift file

start() {  # start NAME: starts a gift in the background; its pid in $started
  "$work/$1" >"$work/$1.log" 2>&1 &
  started=$!
  pids+=("$started")
}
# wait_for_pid_window PID: waits until the process shows a window.
shows_window() { xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1; }
wait_for_pid_window() { wait_until 60 "a window of process $1" shows_window "$1" || { cat "$work"/*.log; exit 1; }; }
# main_windows NAME: how many main windows the gift NAME has (instance name = file name).
main_windows() { xwininfo -root -children | grep -c "\"Quillmere Gift\": (\"$1\" \"quillmere-gift\")  1152x" || true; }
# topmost: the file name of the gift whose window is on top of the screen.
topmost() { xwininfo -root -children | sed -n 's/.*: ("\([^"]*\)" "quillmere-gift").*/\1/p' | head -n1; }
on_top() { [[ $(topmost) == "$1" ]]; }

start gift
first=$started
wait_for_pid_window "$first"
start other
wait_for_pid_window "$started"
wait_until 30 "the other gift on top" on_top other || { echo "the other gift, started last, is not on top"; exit 1; }
side_by_side() { [[ $(main_windows gift) == 1 && $(main_windows other) == 1 ]]; }
wait_until 30 "a main window of each gift" side_by_side || { echo "two gifts do not play side by side"; exit 1; }
echo "two gifts play side by side"

began=$(date +%s%N)
timeout 10 "$work/gift" >"$work/second.log" 2>&1 || { echo "the second start did not end well ($?)"; exit 1; }
echo "the second start ended after $((($(date +%s%N) - began) / 1000000)) ms"
[[ ! -s "$work/second.log" ]] || { echo "the second start printed:"; cat "$work/second.log"; exit 1; }
wait_until 30 "the open gift on top" on_top gift || { echo "the open gift did not come to the top"; xwininfo -root -children; exit 1; }
[[ $(main_windows gift) == 1 ]] || { echo "the gift has $(main_windows gift) main windows"; exit 1; }
kill -0 "$first" || { echo "the open copy ended"; exit 1; }
echo "the second start brought the open copy to the top"
import -window root "$work/forward.png"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
start gift
wait_for_pid_window "$started"
echo "after the first copy was killed the gift plays again"
