#!/usr/bin/env bash
# The inspector's puzzle views on the demo gift: grid, one outline line per piece
# side, and a rendered picture of the cut.
set -euo pipefail
inspect=$1 gift=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
"$inspect" --grid "$gift" >"$work/grid.txt"
count=$(sed -n 's/^PieceCount=//p' "$work/grid.txt")
columns=$(sed -n 's/^Columns=//p' "$work/grid.txt")
rows=$(sed -n 's/^Rows=//p' "$work/grid.txt")
((count == columns * rows && count > 1)) || { cat "$work/grid.txt"; exit 1; }
"$inspect" --outlines "$gift" >"$work/outlines.txt"
lines=$(wc -l <"$work/outlines.txt")
((lines == 4 * count)) || { echo "expected $((4 * count)) lines, got $lines"; exit 1; }
# Every line: index, side, count, then exactly count points.
awk '{ if (NF != $3 + 3) { print "bad line " NR; exit 1 } }' "$work/outlines.txt"
# Same gift, same shapes.
"$inspect" --outlines "$gift" | cmp - "$work/outlines.txt"
"$inspect" --render "$work/cut.png" "$gift"
[[ "$(head -c 4 "$work/cut.png" | tail -c 3)" == "PNG" ]] || { echo "no PNG written"; exit 1; }
for style in 0 4; do
  "$inspect" --board "$work/board$style.png" --solved "$work/solved$style.png" --outline-style "$style" \
    --board-size 800x600 "$gift"
  for picture in "$work/board$style.png" "$work/solved$style.png"; do
    [[ "$(head -c 4 "$picture" | tail -c 3)" == "PNG" ]] || { echo "no PNG written: $picture"; exit 1; }
  done
done

# Board scripts: the drags that solve a new game join every piece into one group,
# and a drag, a new tray and minimising it are written step by step as pictures.
"$inspect" --solving-script --board-size 1600x1200 "$gift" >"$work/solve.txt"
"$inspect" --script "$work/solve.txt" --board-size 1600x1200 "$gift" >"$work/solve.log"
tail -n 1 "$work/solve.log" | grep -q "joined $count\]" || { tail -n 3 "$work/solve.log"; exit 1; }
read -r _ x1 y1 x2 y2 <"$work/solve.txt"
cat >"$work/tray.txt" <<SCRIPT
press $x1 $y1
move $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
release $x2 $y2
newtray
press 205 32
release 205 32
SCRIPT
"$inspect" --script "$work/tray.txt" --frames "$work/frames" --board-size 1600x1200 "$gift" >"$work/tray.log"
grep -q "^2: move .*state 3," "$work/tray.log" || { cat "$work/tray.log"; exit 1; }
grep -q "^5: press .*state 9," "$work/tray.log" || { cat "$work/tray.log"; exit 1; }
(($(ls "$work/frames" | wc -l) == 6)) || { echo "expected six frames"; exit 1; }
# Scripts are played in the outline style asked for: one drag drawn in None and in
# Wood gives two different pictures.
head -n 1 "$work/solve.txt" >"$work/one.txt"
for style in 0 4; do
  "$inspect" --script "$work/one.txt" --frames "$work/style$style" --outline-style "$style" \
    --board-size 1600x1200 "$gift" >/dev/null
done
if cmp -s "$work/style0/step-001.png" "$work/style4/step-001.png"; then
  echo "--outline-style is not used by --script"
  exit 1
fi
echo "grid $columns x $rows, $lines side lines, cut, boards, solved pictures and board scripts written"
