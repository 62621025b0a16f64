#!/usr/bin/env bash
# A player made by the gift maker opens its splash and then a main window "Quillmere Gift".
source "$(dirname "$0")/xvfb_session.sh"
make_gift "$work/gift" --pieces 4 --opening "Hello from the test"
"$work/gift" >"$work/out.log" 2>&1 &
pids+=($!)
wait_for_window "Quillmere Gift" >/dev/null || { echo "no main window"; cat "$work/out.log"; exit 1; }
echo "main window shown"
