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
echo "grid $columns x $rows, $lines side lines, cut, boards and solved pictures written"
