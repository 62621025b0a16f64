#!/usr/bin/env bash
# Installs the build into a scratch prefix and uses it as a user would: the tools,
# the stripped players, man pages, icon and metadata are in place, and the
# installed quillmere-wrap makes plain and portable gifts without being told where
# the players are.
# usage: install_check.sh BUILD_DIR PICTURE_TOOL WORKDIR
set -euo pipefail
build=$1 picture_tool=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
fail() { echo "FAIL: $*"; exit 1; }

for file in bin/quillmere-wrap bin/quillmere-inspect lib/quillmere/quillmere-gift \
            lib/quillmere/quillmere-gift-portable share/man/man1/quillmere-wrap.1.gz \
            share/man/man1/quillmere-inspect.1.gz share/icons/hicolor/48x48/apps/quillmere-gift.png \
            share/icons/hicolor/256x256/apps/quillmere-gift.png share/metainfo/example.quillmere.Gift.metainfo.xml; do
  [[ -f "$prefix/$file" ]] || fail "$file was not installed"
done
echo "installed files in place"

player="$prefix/lib/quillmere/quillmere-gift"
if readelf -S --wide "$player" | grep -qE '\.debug_|\.symtab'; then fail "the installed player is not stripped"; fi
echo "the player gifts carry is stripped: $(stat -c %s "$player") bytes"

pages=(quillmere-wrap quillmere-inspect)
if [[ -f "$prefix/bin/quillmere-maker" ]]; then
  [[ -f "$prefix/share/man/man1/quillmere-maker.1.gz" ]] || fail "quillmere-maker's man page was not installed"
  pages+=(quillmere-maker)
fi
for page in "${pages[@]}"; do
  warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [[ -z "$warnings" ]] || fail "$page.1: $warnings"
done
echo "man pages format without warnings"

"$picture_tool" "$work/photo.jpg" --width 320 --height 240 >/dev/null
# starts_with FILE PREFIX_FILE: FILE begins with all of PREFIX_FILE
starts_with() { cmp -s -n "$(stat -c %s "$2")" "$1" "$2"; }
"$prefix/bin/quillmere-wrap" --picture "$work/photo.jpg" --pieces 12 -o "$work/gift"
starts_with "$work/gift" "$player" || fail "the gift does not carry the installed player"
"$prefix/bin/quillmere-inspect" --grid "$work/gift"
"$prefix/bin/quillmere-wrap" --portable --picture "$work/photo.jpg" --pieces 12 -o "$work/portable-gift"
starts_with "$work/portable-gift" "$prefix/lib/quillmere/quillmere-gift-portable" ||
  fail "the portable gift does not carry the installed portable player"
"$prefix/bin/quillmere-inspect" --grid "$work/portable-gift"
echo "the installed maker found both players"

if "$prefix/bin/quillmere-wrap" --portable --player "$player" --picture "$work/photo.jpg" -o "$work/x" 2>"$work/both.err"; then
  fail "--portable with --player was accepted"
fi
mkdir -p "$work/elsewhere" && cp "$prefix/bin/quillmere-wrap" "$work/elsewhere/"
if "$work/elsewhere/quillmere-wrap" --picture "$work/photo.jpg" -o "$work/x" 2>"$work/none.err"; then
  fail "a maker with no player beside it made a gift"
fi
cat "$work/none.err"
grep -q "lib/quillmere/quillmere-gift" "$work/none.err" || fail "the message does not say where the player was looked for"
