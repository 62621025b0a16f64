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
# Non-ASCII texts as UTF-8 bytes, whatever the locale the test runs in.
e_acute=$(printf '\xc3\xa9')     # U+00E9
l_stroke=$(printf '\xc5\x81')    # U+0141

"$wrap" --player "$work/player" --picture "$work/picture.jpg" -o "$work/gift" \
  --pieces 35 --seed -77 --style star --oddness 9 --outline wood --rotation on --mystery on --fun 4 \
  --board-colour clTeal --title "Caf${e_acute} sunset" --creator "Ann Example" \
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
  CreatorVersion=v7.2 Created=46123 "Title=Caf${e_acute} sunset" "CreatorName=Ann Example"
  'Description=Line one\nLine two' BoardColour=8421376 RequestedCount=35 Oddness=9 Seed=-77
  'OpeningMessage=Hello\nthere' ClosingMessage=Bye OpeningFontColor=8388608 OpeningFontHeight=-18
  OpeningFontStyle=3 OpeningFontName=Arial ClosingFontColor=255 ClosingFontHeight=-20 ClosingFontStyle=2
  "ClosingFontName=Times New Roman" OpeningColourName=clCream 'ClosingColourName=$00FF00'
  OpeningAlignment=1 ClosingAlignment=2 PieceStyle=4 OutlineIndex=4 RotationOn=1 MusicExtension=.ogg
  "SkinSize=$(stat -c %s "$work/skin.jpg")" TemplateCount=1 FunPieces=4 MysteryMode=1
  PictureWidth=64 PictureHeight=48
)
status=0
for line in "${expect[@]}"; do
  grep -qxF -- "$line" "$work/header.txt" || { echo "missing: $line"; status=1; }
done
((status == 0)) || { cat "$work/header.txt"; exit 1; }

# What the player cannot play is refused with the option named: a file that is no
# picture, a missing picture, a text longer than its field, characters outside
# Windows-1252.
refused() {  # refused EXPECTED-MESSAGE wrap-options...
  local expected=$1; shift
  if "$wrap" --player "$work/player" -o "$work/bad" "$@" 2>"$work/err.txt"; then
    echo "accepted: $*"; exit 1
  fi
  grep -qF -- "$expected" "$work/err.txt" || { echo "expected: $expected"; cat "$work/err.txt"; exit 1; }
  [[ ! -e "$work/bad" ]] || { echo "a gift was written: $*"; exit 1; }
}
refused "--picture: This is not a picture the gift maker can read" --picture "$work/song.ogg"
refused "--picture: is needed"
refused "--title: is too long: 300 bytes of UTF-8, 44 more than the 256 a gift holds" \
  --picture "$work/picture.jpg" --title "$(printf 'x%.0s' {1..300})"
refused "--opening-font-name: has characters a gift cannot hold (its texts are Windows-1252): \"$l_stroke\" U+0141" \
  --picture "$work/picture.jpg" --opening-font-name "${l_stroke}ukasz Sans"
refused "--language: \"de DE\" is not a language code" --picture "$work/picture.jpg" --language "de DE"

# Texts in any script and the gift's language come back whole from the text block;
# the header keeps their closest Windows-1252 form for older players.
polish="Wszystkiego najlepszego, ${l_stroke}ukasz!"
russian=$(printf '\xd0\xa1 \xd0\xb4\xd0\xbd\xd1\x91\xd0\xbc \xd1\x80\xd0\xbe\xd0\xb6\xd0\xb4\xd0\xb5\xd0\xbd\xd0\xb8\xd1\x8f!')
japanese=$(printf '\xe3\x81\x8a\xe8\xaa\x95\xe7\x94\x9f\xe6\x97\xa5\xe3\x81\x8a\xe3\x82\x81\xe3\x81\xa7\xe3\x81\xa8\xe3\x81\x86')
"$wrap" --player "$work/player" --picture "$work/picture.jpg" -o "$work/scripts" --pieces 6 \
  --title "$polish" --opening "$polish\\n$russian\\n$japanese" --language pl >/dev/null
"$inspect" --header "$work/scripts" >"$work/scripts.txt"
for line in "Title=$polish" "OpeningMessage=$polish\\n$russian\\n$japanese" TextBlock=yes Language=pl \
  "HeaderTitle=Wszystkiego najlepszego, Lukasz!" 'HeaderOpeningMessage=Wszystkiego najlepszego, Lukasz!\n? ???? ????????!\n?????????'; do
  grep -qxF -- "$line" "$work/scripts.txt" || { echo "missing: $line"; cat "$work/scripts.txt"; exit 1; }
done

# A puzzle of a single piece is refused: too few pieces asked for, or a picture so
# small that the grid for the count asked for has one cell.
refused "--pieces needs a whole number from 2 to 65535" --picture "$work/picture.jpg" --pieces 1
"$picture_tool" "$work/tiny.jpg" --width 8 --height 8 >/dev/null
refused "The picture of 8x8 pixels cut into 100 pieces gives a single piece" --picture "$work/tiny.jpg"

# A picture larger than the bound is stored scaled down to fit it, and the maker says
# so; --max-size sets another bound and --keep-size keeps the picture as it is.
"$picture_tool" "$work/photo.jpg" --width 1600 --height 1200 >/dev/null
stored() {  # stored WIDTH HEIGHT MESSAGE wrap-options...
  local width=$1 height=$2 message=$3; shift 3
  "$wrap" --player "$work/player" --picture "$work/photo.jpg" -o "$work/fitted" "$@" >"$work/out.txt"
  grep -qF -- "$message" "$work/out.txt" || { echo "expected: $message"; cat "$work/out.txt"; exit 1; }
  "$inspect" --header "$work/fitted" >"$work/fitted.txt"
  grep -qx "PictureWidth=$width" "$work/fitted.txt" && grep -qx "PictureHeight=$height" "$work/fitted.txt" ||
    { echo "expected $width x $height"; grep Picture "$work/fitted.txt"; exit 1; }
}
times=$(printf '\xc3\x97')  # U+00D7
stored 1067 800 "scaled from 1600 $times 1200 to 1067 $times 800 to fit 1280 $times 800"
stored 400 300 "scaled from 1600 $times 1200 to 400 $times 300 to fit 400 $times 400" --max-size 400x400
stored 1600 1200 "kept at its own size as asked" --keep-size
echo "all fields read back, pictures fitted"
