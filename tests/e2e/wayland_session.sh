#!/usr/bin/env bash
# A gift played as a native Wayland client, under a headless sway the test starts:
# the picture window and the loupe open docked inside the main window (no window of
# their own), the picture over the board's top right corner and the loupe below it,
# and the docked picture keeps its place and size while the focus moves between the
# main window and another of its windows; after the congratulation the
# zoom covers the screen, and closing the main window from the desktop brings the
# exit screen on top of it (the zoom gives way); leaving with "Save game..." ticked
# saves the game. Skips (exit 77) where sway cannot run.
# Arguments: PLAYER WRAP PICTURE_TOOL WORKDIR.
set -euo pipefail
player=$1 wrap=$2 picture_tool=$3 work=$4
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in sway swaymsg grim wtype jq; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
done

rm -rf "$work" && mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
# sway will not run as root: as root the whole session runs as nobody.
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown -R nobody "$work"
  as_user=(runuser -u nobody --)
fi
session_env=(env XDG_RUNTIME_DIR="$work/runtime" SWAYSOCK="$work/runtime/sway.sock" HOME="$work")
in_session() { "${as_user[@]}" "${session_env[@]}" WAYLAND_DISPLAY=wayland-1 "$@"; }

cat >"$work/sway.config" <<'EOF'
output HEADLESS-1 resolution 1280x800
xwayland disable
focus_follows_mouse no
EOF
"${as_user[@]}" "${session_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!
pids=("$sway_pid")
cleanup() {
  in_session swaymsg exit >/dev/null 2>&1 || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
for _ in $(seq 100); do
  [[ -S "$work/runtime/wayland-1" ]] && in_session swaymsg -t get_version >/dev/null 2>&1 && break
  kill -0 "$sway_pid" 2>/dev/null || break
  sleep 0.1
done
in_session swaymsg -t get_version >/dev/null 2>&1 || { cat "$work/sway.log"; skip "sway did not start here"; }

# windows: one line "width height focused name" per window, sizes of the clients.
windows() {
  in_session swaymsg -t get_tree | jq -r '.. | objects | select(.type == "con" or .type == "floating_con")
    | select(.name != null) | "\(.window_rect.width) \(.window_rect.height) \(.focused) \(.name)"'
}
# wait_for CONDITION SECONDS: polls a shell condition.
wait_for() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}
has_window() { windows | grep -q " $1"; }
focused_is() { windows | grep -q "^[0-9]* [0-9]* true $1"; }
# Keys through a virtual keyboard; a short pause first lets the client take its keymap.
key() { in_session wtype -s 200 "$@"; }
press() { key -P "$1" -s 60 -p "$1"; }
focus() { in_session swaymsg "[title=\"$1\"] focus" >/dev/null; wait_for "focused_is '$2'" 5; }
fail() { echo "FAILED: $*"; windows; cat "$work/out.log"; exit 1; }

"$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
"$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/gift" --pieces 4 --rotation off >/dev/null
[[ -z "${as_user[*]}" ]] || chown -R nobody "$work"
"${as_user[@]}" test -x "$work/gift" || skip "the session's user cannot reach $work"
in_session env QT_QPA_PLATFORM=wayland "$work/gift" >"$work/out.log" 2>&1 &
pids+=($!)
wait_for "has_window 'Quillmere Gift'" 20 || fail "no main window"
wait_for "[[ \$(windows | grep -c 'Quillmere Gift') -ge 2 ]]" 20 || fail "no Play screen"
press Return
wait_for "[[ \$(windows | grep -c 'Quillmere Gift') -eq 1 ]]" 10 || fail "the Play screen stays"
in_session swaymsg -t get_tree | jq -r '.. | objects | select(.name? == "Quillmere Gift") | .shell' | grep -q xdg_shell ||
  fail "the gift is no native Wayland client"

# docked_box: where the screen's top half (the board's top, above its middle and the
# clock) differs from board.png, as "WIDTHxHEIGHT+X+Y": the docked picture window.
docked_box() {
  in_session grim "$work/now.png"
  convert "$work/board.png" "$work/now.png" -compose difference -composite -crop 1280x400+0+0 +repage \
    -fuzz 3% -format '%@' info:
}
# box_settles: waits until docked_box gives the same, non-empty box twice running.
box_settles() {
  local last="" box
  for _ in $(seq 40); do
    box=$(docked_box)
    [[ $box == "$last" && ${box%%x*} -gt 40 ]] && { echo "$box"; return 0; }
    last=$box
    sleep 0.2
  done
  return 1
}

# The picture window and the loupe open docked: no window of their own.
sleep 0.5  # the board's first frame
in_session grim "$work/board.png"
press F3
given=$(box_settles) || fail "no docked picture window"
echo "docked picture window at $given"
has_window Picture && fail "the picture window opened as a window of its own"
x=${given#*+} && x=${x%+*}
((x >= 640)) || fail "the docked picture window is not over the board's right side: $given"
press F4
sleep 0.5
has_window Loupe && fail "the loupe opened as a window of its own"
[[ $(docked_box) == "$given" ]] || fail "the loupe covers the picture window: $(docked_box)"
in_session grim "$work/docked.png"

# Quick Help takes the focus from the main window and gives it back.
for round in 1 2 3; do
  key -M alt -k h -m alt -s 300 -k q
  wait_for "! focused_is 'Quillmere Gift'" 5 || fail "round $round: Quick Help takes no focus"
  press Escape
  wait_for "focused_is 'Quillmere Gift'" 5 || fail "round $round: the main window takes no focus back"
  box=$(box_settles) || fail "round $round: the docked picture window is gone"
  [[ $box == "$given" ]] || fail "round $round: the focus moved the docked picture window to $box"
done
echo "the docked picture window kept $given as the focus moved"

# Auto-solve from the Cheat menu; the speed window takes the focus while it runs.
focus '^Quillmere Gift' "Quillmere Gift"
key -M alt -k c -m alt -s 300 -k a
wait_for "has_window 'You solved it!'" 30 || fail "no congratulation"
in_session grim "$work/solved.png"
press Return
wait_for "windows | grep -q '^1280 800 .* Quillmere Gift'" 10 || fail "no full-screen zoom after the congratulation"
sleep 0.5  # its first frame
in_session grim "$work/zoom.png"

# The desktop closes the main window (as a task bar's close does).
# The zoom has the same title: the main window is the tiled one.
main_id=$(in_session swaymsg -t get_tree |
  jq -r '.. | objects | select(.type == "con" and .name == "Quillmere Gift" and .fullscreen_mode == 0) | .id' | head -n1)
in_session swaymsg "[con_id=$main_id] kill" >/dev/null
wait_for "! windows | grep -q '^1280 800 .* Quillmere Gift'" 10 || fail "the zoom stays over the exit screen"
wait_for "[[ \$(windows | grep -c 'Quillmere Gift') -ge 2 ]]" 10 || fail "no exit screen"
in_session grim "$work/exit.png"
press Return
wait_for "! has_window 'Quillmere Gift'" 10 || fail "the gift does not end"
[[ -s "$work/gift.sav" ]] || fail "the game was not saved"
echo "exit screen on top of the zoom, game saved"
