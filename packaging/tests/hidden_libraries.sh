#!/usr/bin/env bash
# A portable gift played as it will be received: with the system's Qt, libjpeg,
# ICU, FFmpeg and GStreamer hidden (run_hidden.sh in a private mount namespace).
# The plain player cannot start there; the portable gift opens its window, maps no
# library from outside its unpacked copy, whose copy holds no media plugin, is
# solved with mouse drags, reuses its copy on the next start, opens again after a
# library of its copy was emptied, and saves its game beside the received file.
# Qt's sorting, case mapping, named encodings and text layout in Polish, Russian,
# Japanese and Arabic are checked on the copy's libraries (its trimmed ICU data).
# usage: hidden_libraries.sh PLAYER WRAP PICTURE_TOOL WORKDIR INSPECT TEXT_PROBE
here=$(cd "$(dirname "$0")" && pwd)
if [[ $(id -u) != 0 ]] || ! unshare -m true 2>/dev/null; then
  echo "SKIP: hiding libraries needs a private mount namespace (root)"
  exit 77
fi
source "$here/../../tests/e2e/xvfb_session.sh"
inspect=$5 text_probe=$6
fail() { echo "FAIL: $*"; tail -n 30 "$work/gift.log" 2>/dev/null; exit 1; }

"$picture_tool" "$work/picture.jpg" --width 400 --height 300 >/dev/null
"$wrap" --portable --picture "$work/picture.jpg" --pieces 4 --rotation off -o "$work/gift"
echo "portable gift: $(stat -c %s "$work/gift") bytes"

hidden=(unshare --mount --propagation private "$here/run_hidden.sh")

if "${hidden[@]}" "$player" >"$work/plain.log" 2>&1; then fail "the plain player started with Qt hidden"; fi
grep -m1 "error while loading shared libraries" "$work/plain.log" || fail "the plain player failed otherwise"

# start_hidden_gift: starts the gift with the libraries hidden and waits until its
# "Play..." screen waits for the user, the puzzle ready; sets gift_pid (unshare, the
# hiding script, the start-up program and the player follow one another in one
# process).
start_hidden_gift() {
  wait_for_no_window "Quillmere Gift" || fail "the last start's windows stay"
  rm -f "$QUILLMERE_WIDGET_MAP"
  XDG_CACHE_HOME="$work/cache" "${hidden[@]}" "$work/gift" >"$work/gift.log" 2>&1 &
  gift_pid=$!
  pids+=("$gift_pid")
  wait_for_window "Quillmere Gift" >/dev/null || fail "no main window"
  wait_for_widget SplashForm OkBtn || fail "no Play button"
}

start_hidden_gift
grep "^hidden:" "$work/gift.log"
folder=$(echo "$work"/cache/quillmere-gift/*)
[[ -x "$folder/bin/quillmere-gift" ]] || fail "no unpacked player in $work/cache"
foreign=$(awk '$6 ~ /\.so/ { print $6 }' "/proc/$gift_pid/maps" | sort -u | grep -v "^$folder/" || true)
[[ -z "$foreign" ]] || fail "libraries from outside the bundle: $foreign"
echo "every library comes from $folder"
media=$(find "$folder" -path '*/multimedia/*' -o -name 'libav*' -o -name 'libgst*' -o -name 'libsw*')
[[ -z "$media" ]] || fail "media plugins and their libraries in the copy: $media"
echo "the copy holds no media plugin, FFmpeg or GStreamer library"
QT_PLUGIN_PATH="$folder/plugins" "${hidden[@]}" "$folder/lib/ld-linux-x86-64.so.2" --library-path "$folder/lib" \
  "$text_probe" >"$work/text.log" 2>&1 || { cat "$work/text.log"; fail "texts on the copy's libraries"; }
grep -v "^hidden:" "$work/text.log"

leave_play_screen || fail "cannot leave the Play screen"
read -r width height left top < <(board_geometry "Quillmere Gift")
[[ -n "$width" ]] || fail "no board window"
"$inspect" --solving-script --board-size "${width}x${height}" "$work/gift" >"$work/solve.txt"
replay_drags "$left" "$top" <"$work/solve.txt"
wait_for_window "You solved it!" >/dev/null || fail "the drags did not solve the puzzle"
import -window root "$work/solved.png" 2>/dev/null || true
echo "solved by dragging"
kill "$gift_pid"
wait "$gift_pid" 2>/dev/null || true

inode=$(stat -c %i "$folder/bin/quillmere-gift")
start_hidden_gift
[[ $(stat -c %i "$folder/bin/quillmere-gift") == "$inode" ]] || fail "the second start unpacked again"
echo "the second start reused $folder"
kill "$gift_pid"
wait "$gift_pid" 2>/dev/null || true

# A cleaner emptied a library of the copy: the next start unpacks it again.
widgets=$(echo "$folder"/lib/libQt6Widgets.so.*)
size=$(stat -c %s "$widgets")
: >"$widgets"
start_hidden_gift
[[ $(stat -c %s "$widgets") == "$size" ]] || fail "the emptied library was not unpacked again"
echo "after $widgets was emptied the gift opened again"
leave_play_screen || fail "cannot leave the Play screen"
xdotool windowfocus --sync "$(wait_for_window "Quillmere Gift")"
xdotool key alt+f x  # File, Exit: the closing screen with "Save game..." ticked
click_widget SplashForm OkBtn || fail "no closing screen"
wait_for_file "$work/gift.sav" || fail "no saved game beside the gift"
[[ -z $(find "$work/cache" -name '*.sav') ]] || fail "a saved game went into the cache"
echo "the game was saved beside the gift: $work/gift.sav"
