#!/usr/bin/env bash
# A gift with music, under Xvfb with a sound server (run by with_sound_server.sh):
# after "Play..." its tune is heard pass after pass; closing the player through
# File > Exit ends it normally and removes its private temporary folder.
source "$(dirname "$0")/xvfb_session.sh"
sound_check=$5
"$sound_check" tune "$work/tune.wav"
make_gift "$work/gift" --pieces 4 --music "$work/tune.wav" --music-extension .wav

parec -d "$QUILL_TEST_MONITOR" --format=s16le --channels=1 --rate=22050 --latency-msec=20 >"$work/heard.raw" &
pids+=($!)
recorder=$!
export TMPDIR=$work/tmp  # the player's private folder goes in here
mkdir -p "$TMPDIR"
"$work/gift" >"$work/out.log" 2>&1 &
player=$!
pids+=("$player")
window=$(wait_for_window "Quillmere Gift" 20) || { echo "no main window"; cat "$work/out.log"; exit 1; }
sleep 2
xdotool key Return  # leaves the "Play..." screen; the music starts
# Three passes of the 0.8 s tune heard, however busy the machine.
for _ in $(seq 300); do
  (($("$sound_check" bursts "$work/heard.raw") >= 4)) && break
  sleep 0.2
done
import -window root "$work/playing.png" 2>/dev/null || true

xdotool windowfocus --sync "$window" key alt+f
sleep 0.5
xdotool key x        # File > Exit
sleep 1.5
xdotool key Return   # leaves the exit screen
status=0
for _ in $(seq 100); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$player" 2>/dev/null; then
  echo "the player did not end"
  exit 1
fi
wait "$player" || status=$?
kill "$recorder"
cat "$work/out.log"
[[ $status -eq 0 ]] || { echo "the player ended with status $status"; exit 1; }
leftovers=$(find "$TMPDIR" -mindepth 1 -maxdepth 1 -name 'quillmere-gift-*')
[[ -z "$leftovers" ]] || { echo "left behind: $leftovers"; exit 1; }
passes=$("$sound_check" bursts "$work/heard.raw")
echo "heard $passes passes of the tune"
((passes >= 3)) || { echo "the music did not play again after its end"; exit 1; }
