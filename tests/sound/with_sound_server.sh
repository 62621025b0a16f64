#!/usr/bin/env bash
# Runs a command with a sound server of its own: PulseAudio with one null sink,
# "quill_test", whose monitor source hears everything played to it. The command
# finds the server through PULSE_SERVER and the monitor in QUILL_TEST_MONITOR; the
# server stops when the command ends.
#
#   with_sound_server.sh COMMAND [ARGUMENTS...]
#
# The server runs as a per-user server of whoever runs the test, with its socket,
# cookie and state in a private folder (its HOME and XDG_RUNTIME_DIR point there),
# so it needs no desktop session and never meets a desktop's own server. CI runs as
# root: PulseAudio then warns that it is not meant to run as root outside system
# mode, but runs all the same. System mode (--system) is not used, as it wants the
# "pulse" user, D-Bus and a shared socket. Clients are let in without a cookie
# (auth-anonymous): the socket lies in a folder only this user can enter.
set -euo pipefail
folder=$(mktemp -d "${TMPDIR:-/tmp}/quill-sound.XXXXXX")
socket=$folder/native
env HOME="$folder" XDG_RUNTIME_DIR="$folder" \
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --log-target=file:"$folder/server.log" \
  -L "module-null-sink sink_name=quill_test" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" &
server=$!
stop_server() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$folder"
}
trap stop_server EXIT

export PULSE_SERVER=unix:$socket
for _ in $(seq 300); do  # up to 30 s on a busy machine
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "the sound server did not start"
  cat "$folder/server.log"
  exit 1
fi
export QUILL_TEST_MONITOR=quill_test.monitor
"$@"
