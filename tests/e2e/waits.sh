# Waiting for conditions, shared by the end-to-end tests (xvfb_session.sh sources it;
# the Wayland tests source it alone). Every wait polls its condition and gives up
# after a generous time, so a loaded machine only makes a test slower, and says on
# standard error what it waited for in vain.

# wait_until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; after SECONDS
# says it waited for WHAT in vain and fails.
wait_until() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || { echo "waited in vain for $what" >&2; return 1; }
    sleep 0.1  # the polling interval
  done
}

# wait_for_file FILE [SECONDS]: until FILE exists and is not empty.
wait_for_file() { wait_until "${2:-60}" "$1 to be written" test -s "$1"; }

# wait_for_exit PID [SECONDS]: until the process has ended.
process_gone() { ! kill -0 "$1" 2>/dev/null; }
wait_for_exit() { wait_until "${2:-60}" "process $1 to end" process_gone "$1"; }

# still COMMAND...: true when the command (a checksum of something on the screen)
# gives the same twice a moment apart, so whatever moved there has come to rest; the
# second answer is left in still_seen. The pause is the moment itself: nothing else
# tells that a thing has stopped moving.
still() { local first; first=$("$@"); sleep 0.2; still_seen=$("$@"); [[ $still_seen == "$first" ]]; }
