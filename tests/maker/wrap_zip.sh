#!/usr/bin/env bash
# quillmere-wrap -o NAME.zip: the archive holds the gift NAME, executable and made on
# Unix; what it prints says the sizes and what the recipient does.
# Arguments: WRAP PICTURE_TOOL PLAYER WORKDIR.
set -euo pipefail
wrap=$1 picture_tool=$2 player=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
"$picture_tool" "$work/picture.jpg" --width 640 --height 480 >/dev/null
said=$("$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/Garden.zip")
for words in "Wrote Garden.zip (" "holding the gift Garden (" "extracts it and double-clicks Garden" \
             "Allow executing as program" "chmod +x"; do
  grep -qF -- "$words" <<<"$said" || { echo "quillmere-wrap does not say \"$words\":"; echo "$said"; exit 1; }
done
listing=$(zipinfo "$work/Garden.zip")
grep -q -- "^-rwxr-xr-x .* unx .* Garden$" <<<"$listing" || { echo "$listing"; exit 1; }
(cd "$work" && unzip -q Garden.zip)
[[ -x "$work/Garden" ]] || { echo "the extracted gift is not executable"; exit 1; }
cmp -s <(head -c "$(stat -c %s "$player")" "$work/Garden") "$player" || { echo "the gift does not start with the player"; exit 1; }
echo "the zip archive holds the gift, executable"
