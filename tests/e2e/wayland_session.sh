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
source "$(dirname "$0")/waits.sh"
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
# sway_settled: sway answers, or has ended (and the test skips below).
sway_settled() {
  [[ -S "$work/runtime/wayland-1" ]] && in_session swaymsg -t get_version >/dev/null 2>&1 && return 0
  ! kill -0 "$sway_pid" 2>/dev/null
}
wait_until 60 "sway to start" sway_settled || true
in_session swaymsg -t get_version >/dev/null 2>&1 || { cat "$work/sway.log"; skip "sway did not start here"; }

# windows: one line "width height focused name" per window, sizes of the clients.
windows() {
  in_session swaymsg -t get_tree | jq -r '.. | objects | select(.type == "con" or .type == "floating_con")
    | select(.name != null) | "\(.window_rect.width) \(.window_rect.height) \(.focused) \(.name)"'
}
has_window() { windows | grep -q " $1"; }
no_window() { ! has_window "$1"; }
focused_is() { windows | grep -q "^[0-9]* [0-9]* true $1"; }
not_focused() { ! focused_is "$1"; }
# windows_named NAME OPERATOR COUNT: compares how many windows have NAME with COUNT.
windows_named() { test "$(windows | grep -c "$1")" "$2" "$3"; }
# zoom_shown: a window of the screen's size, the full-screen zoom.
zoom_shown() { windows | grep -q '^1280 800 .* Quillmere Gift'; }
zoom_gone() { ! zoom_shown; }
# screen_sum [GEOMETRY]: a checksum of the screen, or of "X,Y WxH" of it.
screen_sum() { in_session grim ${1:+-g "$1"} - | md5sum; }
# Keys through a virtual keyboard; a short pause first lets the client take its keymap.
key() { in_session wtype -s 200 "$@"; }
press() { key -P "$1" -s 60 -p "$1"; }
focus() { in_session swaymsg "[title=\"$1\"] focus" >/dev/null; wait_until 30 "$2 to take the focus" focused_is "$2"; }
fail() { echo "FAILED: $*"; windows; cat "$work/out.log"; exit 1; }

"$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
"$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/gift" --pieces 4 --rotation off >/dev/null
[[ -z "${as_user[*]}" ]] || chown -R nobody "$work"
"${as_user[@]}" test -x "$work/gift" || skip "the session's user cannot reach $work"
in_session env QT_QPA_PLATFORM=wayland "$work/gift" >"$work/out.log" 2>&1 &
pids+=($!)
wait_until 60 "the main window" has_window 'Quillmere Gift' || fail "no main window"
wait_until 60 "the Play screen" windows_named 'Quillmere Gift' -ge 2 || fail "no Play screen"
press Return
wait_until 60 "the Play screen to close" windows_named 'Quillmere Gift' -eq 1 || fail "the Play screen stays"
in_session swaymsg -t get_tree | jq -r '.. | objects | select(.name? == "Quillmere Gift") | .shell' | grep -q xdg_shell ||
  fail "the gift is no native Wayland client"

# docked_box: where the screen's top half (the board's top, above its middle and the
# clock) differs from board.png, as "WIDTHxHEIGHT+X+Y": the docked picture window.
docked_box() {
  in_session grim "$work/now.png"
  convert "$work/board.png" "$work/now.png" -compose difference -composite -crop 1280x400+0+0 +repage \
    -fuzz 3% -format '%@' info:
}
# box_settles: waits until docked_box gives the same box twice running, one wider
# than a sliver, and prints it.
box_at_rest() { still docked_box && ((${still_seen%%x*} > 40)); }
box_settles() { wait_until 30 "the docked picture window at rest" box_at_rest && echo "$still_seen"; }

# The picture window and the loupe open docked: no window of their own.
# The board's first frame once the Play screen has gone: the top half at rest.
top_half="0,0 1280x400" lower_part="0,400 1280x360"
wait_until 60 "the board at rest" still screen_sum "$top_half" || fail "the board does not come to rest"
in_session grim "$work/board.png"
press F3
given=$(box_settles) || fail "no docked picture window"
echo "docked picture window at $given"
has_window Picture && fail "the picture window opened as a window of its own"
x=${given#*+} && x=${x%+*}
((x >= 640)) || fail "the docked picture window is not over the board's right side: $given"
below_picture=$(screen_sum "$lower_part")
press F4
# The loupe shows below the picture window, or as a window of its own.
loupe_shown() { has_window Loupe || [[ $(screen_sum "$lower_part") != "$below_picture" ]]; }
wait_until 30 "the loupe" loupe_shown || fail "no loupe"
has_window Loupe && fail "the loupe opened as a window of its own"
[[ $(docked_box) == "$given" ]] || fail "the loupe covers the picture window: $(docked_box)"
in_session grim "$work/docked.png"

# Quick Help takes the focus from the main window and gives it back.
for round in 1 2 3; do
  key -M alt -k h -m alt -s 300 -k q
  wait_until 30 "Quick Help to take the focus" not_focused 'Quillmere Gift' || fail "round $round: Quick Help takes no focus"
  press Escape
  wait_until 30 "the main window to take the focus" focused_is 'Quillmere Gift' || fail "round $round: the main window takes no focus back"
  box=$(box_settles) || fail "round $round: the docked picture window is gone"
  [[ $box == "$given" ]] || fail "round $round: the focus moved the docked picture window to $box"
done
echo "the docked picture window kept $given as the focus moved"

# Auto-solve from the Cheat menu; the speed window takes the focus while it runs.
focus '^Quillmere Gift' "Quillmere Gift"
key -M alt -k c -m alt -s 300 -k a
wait_until 60 "the congratulation" has_window 'You solved it!' || fail "no congratulation"
in_session grim "$work/solved.png"
press Return
wait_until 60 "the full-screen zoom" zoom_shown || fail "no full-screen zoom after the congratulation"
wait_until 60 "the zoom's first frame" still screen_sum || fail "the zoom does not come to rest"
in_session grim "$work/zoom.png"

# The desktop closes the main window (as a task bar's close does).
# The zoom has the same title: the main window is the tiled one.
main_id=$(in_session swaymsg -t get_tree |
  jq -r '.. | objects | select(.type == "con" and .name == "Quillmere Gift" and .fullscreen_mode == 0) | .id' | head -n1)
in_session swaymsg "[con_id=$main_id] kill" >/dev/null
wait_until 60 "the zoom to give way" zoom_gone || fail "the zoom stays over the exit screen"
wait_until 60 "the exit screen" windows_named 'Quillmere Gift' -ge 2 || fail "no exit screen"
in_session grim "$work/exit.png"
press Return
wait_until 60 "the gift to end" no_window 'Quillmere Gift' || fail "the gift does not end"
[[ -s "$work/gift.sav" ]] || fail "the game was not saved"
echo "exit screen on top of the zoom, game saved"
