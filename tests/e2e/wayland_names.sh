#!/usr/bin/env bash
# A portable gift on a Wayland desktop (sway, headless): its windows carry the app id
# "quillmere-gift" (not the name of the bundled loader it starts through), it says
# nothing of Wayland buffer integrations on standard error, and a second start ends
# at once. Sway refuses to run as root, so under root the compositor and the
# players run as "nobody", who also cannot write the gift's folder.
#
#   wayland_names.sh PORTABLE_PLAYER WRAP PICTURE_TOOL WORKDIR
set -euo pipefail
source "$(dirname "$0")/waits.sh"
player=$1 wrap=$2 picture_tool=$3 work=$4
command -v sway >/dev/null || { echo "sway is not installed"; exit 77; }
rm -rf "$work" && mkdir -p "$work"
# What "nobody" reads lies under /tmp, which every user can reach (the build folder
# may lie in a folder only root can enter); the build folder keeps a link to it.
shared=$(mktemp -d /tmp/quill-wayland.XXXXXX)
ln -s "$shared" "$work/shared"
work=$shared
mkdir "$work/runtime"
chmod 755 "$work" && chmod 700 "$work/runtime"
as_user=()
if [[ $(id -u) == 0 ]]; then
  chown nobody "$work/runtime"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
session=(env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/runtime" HOME="$work/runtime")
run() { "${as_user[@]}" "${session[@]}" "$@"; }

run WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c /dev/null >"$work/sway.log" 2>&1 &
pids=($!)
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$shared"
}
trap cleanup EXIT
sway_socket() { compgen -G "$work/runtime/sway-ipc.*.sock" >/dev/null; }
wait_until 60 "sway's socket" sway_socket || true
socket=$(compgen -G "$work/runtime/sway-ipc.*.sock" | head -n1) || { echo "sway did not start"; cat "$work/sway.log"; exit 1; }
display=$(basename "$(compgen -G "$work/runtime/wayland-[0-9]" | head -n1)")
app_ids() { run swaymsg -s "$socket" -t get_tree | sed -n 's/.*"app_id": "\(.*\)".*/\1/p'; }

"$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
"$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/gift" --pieces 4 >/dev/null
chmod 755 "$work/gift"
run WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland "$work/gift" >"$work/out.log" 2>&1 &
pids+=($!)
# Both windows of a start: the main window and the "Play..." screen.
both_windows() { (($(app_ids | wc -l) >= 2)); }
wait_until 60 "the main window and the Play screen" both_windows || { echo "no windows"; cat "$work/out.log"; exit 1; }
echo "app ids: $(app_ids | sort | uniq -c | tr '\n' ' ')"
[[ -z "$(app_ids | grep -vx quillmere-gift)" ]] || { echo "a window's app id is not quillmere-gift"; exit 1; }

timeout 10 "${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland "$work/gift" \
  >"$work/second.log" 2>&1 || { echo "the second start did not end well"; cat "$work/second.log"; exit 1; }
[[ ! -s "$work/second.log" ]] || { echo "the second start printed:"; cat "$work/second.log"; exit 1; }

if grep -q "qt.qpa.wayland" "$work/out.log"; then
  echo "the player printed:"; cat "$work/out.log"; exit 1
fi
echo "the portable gift is quillmere-gift on Wayland and quiet about buffer integrations"
