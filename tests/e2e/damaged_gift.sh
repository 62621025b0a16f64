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
for _ in $(seq 100); do grep -q "damaged" "$work/out.log" && break; sleep 0.2; done
grep -q "This jigsaw gift file is damaged and cannot be opened" "$work/out.log" || { echo "no message"; cat "$work/out.log"; exit 1; }
# Dismiss the message box, then the main window must still be there.
xdotool key --clearmodifiers Return || true
sleep 1
kill -0 "$player_pid" || { echo "player ended"; exit 1; }
wait_for_window "Quillmere Gift" 10 >/dev/null || { echo "main window gone"; exit 1; }
echo "damaged message shown, window open"
