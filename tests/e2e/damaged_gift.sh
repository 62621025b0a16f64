#!/usr/bin/env bash
# A player whose payload is damaged says so on standard error and keeps its window open.
source "$(dirname "$0")/xvfb_session.sh"
make_gift "$work/gift" --pieces 4
# Break the header's size field: the 3463-byte header ends where the 20-byte trailer
# of the text block starts, and the size sits at 17 in it.
size=$(stat -c %s "$work/gift")
printf '\x86\x0d' | dd of="$work/gift" bs=1 seek=$((size - 20 - 3463 + 17)) conv=notrunc status=none
"$work/gift" >"$work/out.log" 2>&1 &
player_pid=$!
pids+=("$player_pid")
wait_until 60 "a message on standard error" grep -q "damaged" "$work/out.log" || { cat "$work/out.log"; exit 1; }
grep -q "This jigsaw gift file is damaged and cannot be opened" "$work/out.log" || { echo "no message"; cat "$work/out.log"; exit 1; }
# The message box comes before the main window; both are named "Quillmere Gift".
box=$(wait_for_window "Quillmere Gift") || { echo "no message box"; exit 1; }
# Dismissed, it closes, and the main window must be there.
xdotool windowfocus --sync "$box" key --clearmodifiers Return
wait_for_unmapped "$box" || { echo "the message box stays"; exit 1; }
kill -0 "$player_pid" || { echo "player ended"; exit 1; }
main=$(wait_for_window "Quillmere Gift") || { echo "no main window"; exit 1; }
[[ $main != "$box" ]] || { echo "the message box is back"; exit 1; }
kill -0 "$player_pid" || { echo "player ended"; exit 1; }
echo "damaged message shown, window open"
