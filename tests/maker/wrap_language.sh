#!/usr/bin/env bash
# quillmere-wrap speaks the language the locale variables choose: its errors, the
# library's errors it passes on and the lines that tell what it wrote.
# Arguments: WRAP PICTURE_TOOL PLAYER WORKDIR.
set -euo pipefail
wrap=$1 picture_tool=$2 player=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
missing=$work/birthday.jpg

# The variables, then the words the missing picture's error must hold.
cases=(
  "LANG=de_DE.UTF-8|--picture: „$missing“ ist keine Datei"
  "LANG=C.UTF-8|--picture: \"$missing\" is not a file"
  "LANG=de_DE.UTF-8 LC_ALL=C|--picture: \"$missing\" is not a file"
  "LANG=en_US.UTF-8 LANGUAGE=pl:de|--picture: „$missing” nie jest plikiem"
  "LANG=ru_RU.UTF-8|--picture: «$missing» не является файлом"
)
for case in "${cases[@]}"; do
  variables=${case%%|*} expected=${case#*|}
  status=0
  # shellcheck disable=SC2086  # the variables are words of their own
  said=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES $variables "$wrap" --player "$player" --picture "$missing" \
         -o "$work/gift" 2>&1) || status=$?
  [[ $status == 1 ]] || { echo "$variables: quillmere-wrap ended with $status"; exit 1; }
  grep -qF -- "$expected" <<<"$said" || { echo "$variables: expected \"$expected\", got:"; echo "$said"; exit 1; }
done

# A gift made in German: the lines that say what was written.
"$picture_tool" "$work/picture.jpg" --width 640 --height 480 >/dev/null
said=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 \
       "$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/Garten.zip")
for words in "Bild gespeichert mit 640 × 480" "Garten.zip geschrieben (" "enthält das Geschenk Garten (" \
             "doppelklickt auf Garten" "Als Programm ausführen erlauben"; do
  grep -qF -- "$words" <<<"$said" || { echo "quillmere-wrap does not say \"$words\" in German:"; echo "$said"; exit 1; }
done
# Sizes carry the language's units: French writes megabytes "Mo".
said=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 \
       "$wrap" --player "$player" --picture "$work/picture.jpg" -o "$work/Jardin.zip")
grep -qF -- "Mo)" <<<"$said" || { echo "quillmere-wrap does not give sizes in Mo in French:"; echo "$said"; exit 1; }
echo "quillmere-wrap speaks the locale's language"
