#!/usr/bin/env bash
# A gift played as a native Wayland client, under a headless sway the test starts:
# the picture window keeps the size it was given while the focus moves between it,
# the main window and the auto-solve speed window; after the congratulation the
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
# size_of NAME: "width height" of the window whose title starts with NAME.
size_of() { windows | awk -v name="$1" 'index($0, name) { print $1, $2; exit }'; }
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

# The picture window, given another size by the compositor as a user's resize would.
press F3
wait_for "has_window Picture" 10 || fail "no picture window"
in_session swaymsg '[title="^Picture"] resize set 500 300' >/dev/null
sleep 0.5
given=$(size_of Picture)
echo "picture window given $given"
for round in 1 2 3; do
  focus '^Quillmere Gift' "Quillmere Gift" || fail "the main window takes no focus"
  [[ $(size_of Picture) == "$given" ]] || fail "round $round: the main window's focus made the picture window $(size_of Picture)"
  focus '^Picture' Picture || fail "the picture window takes no focus"
  [[ $(size_of Picture) == "$given" ]] || fail "round $round: its own focus made the picture window $(size_of Picture)"
done
echo "the picture window kept $given as the focus moved"

# Auto-solve from the Cheat menu; the speed window takes the focus while it runs.
focus '^Quillmere Gift' "Quillmere Gift"
key -M alt -k c -m alt -s 300 -k a
wait_for "has_window 'You solved it!'" 30 || fail "no congratulation"
[[ $(size_of Picture) == "$given" ]] || fail "the auto-solve made the picture window $(size_of Picture)"
in_session grim "$work/solved.png"
press Return
wait_for "windows | grep -q '^1280 800 .* Quillmere Gift'" 10 || fail "no full-screen zoom after the congratulation"
[[ $(size_of Picture) == "$given" ]] || fail "the zoom made the picture window $(size_of Picture)"
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
