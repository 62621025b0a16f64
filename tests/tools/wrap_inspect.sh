#!/usr/bin/env bash
# Every field given to the gift maker comes back from the inspector's header view.
set -euo pipefail
wrap=$1 inspect=$2 picture_tool=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
"$picture_tool" "$work/picture.jpg" --width 64 --height 48 >/dev/null
printf 'MUSICDATA' >"$work/song.ogg"
cp "$work/picture.jpg" "$work/skin.jpg"
printf '\0\0\0\0' >"$work/templates.bin"
printf 'player bytes' >"$work/player"

"$wrap" --player "$work/player" --picture "$work/picture.jpg" -o "$work/gift" \
  --pieces 35 --seed -77 --style star --oddness 9 --outline wood --rotation on --mystery on --fun 4 \
  --board-colour clTeal --title $'Caf\u00e9 sunset' --creator "Ann Example" \
  --description 'Line one\nLine two' --opening 'Hello\nthere' --closing 'Bye' \
  --opening-colour clCream --closing-colour '$00FF00' --opening-align right --closing-align centre \
  --opening-font-name Arial --opening-font-height -18 --opening-font-style 3 --opening-font-colour clNavy \
  --closing-font-name "Times New Roman" --closing-font-height -20 --closing-font-style 2 --closing-font-colour 255 \
  --creator-version v7.2 --created 46123 --music "$work/song.ogg" --skin "$work/skin.jpg" \
  --templates "$work/templates.bin" --template-count 1

"$inspect" --header "$work/gift" >"$work/header.txt"
picture_offset=$(stat -c %s "$work/player")
expect=(
  HeaderSize=3463 "PictureOffset=$picture_offset" "PictureSize=$(stat -c %s "$work/picture.jpg")" MusicSize=9
  CreatorVersion=v7.2 Created=46123 $'Title=Caf\u00e9 sunset' "CreatorName=Ann Example"
  'Description=Line one\nLine two' BoardColour=8421376 RequestedCount=35 Oddness=9 Seed=-77
  'OpeningMessage=Hello\nthere' ClosingMessage=Bye OpeningFontColor=8388608 OpeningFontHeight=-18
  OpeningFontStyle=3 OpeningFontName=Arial ClosingFontColor=255 ClosingFontHeight=-20 ClosingFontStyle=2
  "ClosingFontName=Times New Roman" OpeningColourName=clCream 'ClosingColourName=$00FF00'
  OpeningAlignment=1 ClosingAlignment=2 PieceStyle=4 OutlineIndex=4 RotationOn=1 MusicExtension=.ogg
  "SkinSize=$(stat -c %s "$work/skin.jpg")" TemplateCount=1 FunPieces=4 MysteryMode=1
)
status=0
for line in "${expect[@]}"; do
  grep -qxF -- "$line" "$work/header.txt" || { echo "missing: $line"; status=1; }
done
((status == 0)) || { cat "$work/header.txt"; exit 1; }

# A missing or non-JPEG picture is refused with a clear message.
if "$wrap" --player "$work/player" --picture "$work/song.ogg" -o "$work/bad" 2>"$work/err.txt"; then
  echo "a non-JPEG picture was accepted"; exit 1
fi
grep -q "is not a JPEG file" "$work/err.txt"
if "$wrap" --player "$work/player" -o "$work/bad" 2>"$work/err.txt"; then echo "no picture accepted"; exit 1; fi
grep -q "needs a picture" "$work/err.txt"

# A puzzle of a single piece is refused: too few pieces asked for, or a picture so
# small that the grid for the count asked for has one cell.
if "$wrap" --player "$work/player" --picture "$work/picture.jpg" -o "$work/bad" --pieces 1 2>"$work/err.txt"; then
  echo "one piece was accepted"; exit 1
fi
grep -q -- "--pieces needs a whole number from 2 to 65535" "$work/err.txt"
"$picture_tool" "$work/tiny.jpg" --width 8 --height 8 >/dev/null
if "$wrap" --player "$work/player" --picture "$work/tiny.jpg" -o "$work/bad" 2>"$work/err.txt"; then
  echo "a picture of one piece was accepted"; exit 1
fi
grep -q "The picture of 8x8 pixels cut into 100 pieces gives a single piece" "$work/err.txt"
[[ ! -e "$work/bad" ]] || { echo "a refused gift was written"; exit 1; }
echo "all fields read back"
