#!/usr/bin/env bash
# F3 opens the picture window "Picture" showing the gift's picture; F4 opens the loupe
# "Loupe: 3x", which shows the screen around the pointer three times enlarged. Each
# view is grabbed until it shows what it should or the wait runs out; the last grab
# and its difference are what the test reports.
source "$(dirname "$0")/xvfb_session.sh"
make_gift "$work/gift" --pieces 12 --rotation off
play_gift "$work/gift"

# The RMSE of two pictures of one size, normalised to 0..1.
difference() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -n 's/.*(\(.*\)).*/\1/p'; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

xdotool windowfocus --sync "$main" key F3
picture=$(wait_for_window "Picture") || { echo "no picture window"; cat "$work/out.log"; exit 1; }
picture_shown() {
  import -window "$picture" "$work/picture-window.png"
  size=$(identify -format "%wx%h" "$work/picture-window.png")
  convert "$work/picture.jpg" -resize "$size!" "$work/picture-expected.png"
  shown=$(difference "$work/picture-window.png" "$work/picture-expected.png")
  below "$shown" 0.06
}
wait_until 30 "the gift's picture in the picture window" picture_shown || true
echo "picture window $size, difference from the gift's picture: $shown"
below "$shown" 0.06 || { echo "the picture window does not show the gift's picture"; exit 1; }

xdotool windowfocus --sync "$main" key F4
loupe=$(wait_for_window "Loupe: 3x") || { echo "no loupe window"; cat "$work/out.log"; exit 1; }
# The pointer on the board's middle; the loupe follows it.
eval "$(xdotool getwindowgeometry --shell "$main")"
px=$((X + WIDTH / 2)) py=$((Y + HEIGHT / 2))
xdotool mousemove "$px" "$py"
loupe_shown() {
  import -window "$loupe" "$work/loupe.png"
  import -window root "$work/screen.png"
  read -r lw lh < <(identify -format "%w %h\n" "$work/loupe.png")
  sw=$(((lw + 2) / 3)) sh=$(((lh + 2) / 3))
  # The enlarged area is centred on the loupe, its overhang cut off.
  convert "$work/screen.png" -crop "${sw}x${sh}+$((px - sw / 2))+$((py - sh / 2))" +repage -scale 300% \
    -crop "${lw}x${lh}+$((-((lw - sw * 3) / 2)))+$((-((lh - sh * 3) / 2)))" +repage "$work/loupe-expected.png"
  seen=$(difference "$work/loupe.png" "$work/loupe-expected.png")
  below "$seen" 0.02
}
wait_until 30 "the screen around the pointer in the loupe" loupe_shown || true
echo "loupe ${lw}x${lh}, difference from the screen enlarged 3x: $seen"
below "$seen" 0.02 || { echo "the loupe does not show the screen around the pointer"; exit 1; }
echo "picture window and loupe shown"
