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
play_gift "$work/gift"  # the music starts once the "Play..." screen is left
player=$player_pid
# Three passes of the 0.8 s tune heard, however busy the machine.
heard_passes() { (($("$sound_check" bursts "$work/heard.raw") >= $1)); }
wait_until 60 "four passes of the tune" heard_passes 4 || true
import -window root "$work/playing.png" 2>/dev/null || true

xdotool windowfocus --sync "$main" key alt+f x  # File > Exit
click_widget SplashForm OkBtn || { echo "no exit screen"; exit 1; }  # leaves the exit screen
wait_for_exit "$player" || { echo "the player did not end"; exit 1; }
status=0
wait "$player" || status=$?
kill "$recorder"
cat "$work/out.log"
[[ $status -eq 0 ]] || { echo "the player ended with status $status"; exit 1; }
leftovers=$(find "$TMPDIR" -mindepth 1 -maxdepth 1 -name 'quillmere-gift-*')
[[ -z "$leftovers" ]] || { echo "left behind: $leftovers"; exit 1; }
passes=$("$sound_check" bursts "$work/heard.raw")
echo "heard $passes passes of the tune"
((passes >= 3)) || { echo "the music did not play again after its end"; exit 1; }
