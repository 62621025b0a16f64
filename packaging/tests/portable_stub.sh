#!/usr/bin/env bash
# The portable start-up program on a small bundle whose "player" prints how it was
# started: it runs through the bundled loader from the cache, learns the received
# file's path, keeps its arguments, unpacks once, and refuses a damaged file
# without leaving anything behind.
# usage: portable_stub.sh PROBE STUB BUNDLE_PACK COLLECT_BUNDLE WORKDIR
set -euo pipefail
probe=$1 stub=$2 pack=$3 collect=$4 work=$5
rm -rf "$work" && mkdir -p "$work"

"$collect" "$probe" "" "$work/stage" >/dev/null
"$pack" "$stub" "$work/stage" "$work/runner" 3 >/dev/null
gift="$work/a gift"  # a space in the name, as downloads often have
cat "$work/runner" - >"$gift" <<<"stands in for the picture and the gift header"
chmod +x "$gift"

fail() { echo "FAIL: $*"; exit 1; }
expect_line() {  # expect_line OUTPUT LINE
  grep -qxF -- "$2" <<<"$1" || fail "expected \"$2\" in:"$'\n'"$1"
}

out=$(env -u LD_LIBRARY_PATH XDG_CACHE_HOME="$work/cache" "$gift" one "two words")
echo "$out"
folder=$(sed -n 's|^exe=\(.*\)/lib/ld-linux-x86-64.so.2$|\1|p' <<<"$out")
[[ "$folder" == "$work/cache/quillmere-gift/"* ]] || fail "the player did not run through the bundled loader in the cache"
expect_line "$out" "gift=$gift"
expect_line "$out" "ld_library_path=(unset)"
expect_line "$out" "arg=one"
expect_line "$out" "arg=two words"
[[ $(ls -A "$work/cache/quillmere-gift") == "$(basename "$folder")" ]] || fail "leftovers in the cache: $(ls -A "$work/cache/quillmere-gift")"

inode=$(stat -c %i "$folder/bin/quillmere-gift")
out2=$(XDG_CACHE_HOME="$work/cache" "$gift")
expect_line "$out2" "exe=$folder/lib/ld-linux-x86-64.so.2"
[[ $(stat -c %i "$folder/bin/quillmere-gift") == "$inode" ]] || fail "the second start unpacked again"
echo "second start reused $folder"

out3=$(env -u XDG_CACHE_HOME HOME="$work/home" "$gift")
expect_line "$out3" "exe=$work/home/.cache/quillmere-gift/$(basename "$folder")/lib/ld-linux-x86-64.so.2"
echo "without XDG_CACHE_HOME the player went to HOME/.cache"

# Cut short in the middle of its bundle: an error, and no folder left behind.
stub_size=$(stat -c %s "$stub") runner_size=$(stat -c %s "$work/runner")
head -c $((stub_size + (runner_size - stub_size) / 2)) "$work/runner" >"$work/cut"
chmod +x "$work/cut"
if XDG_CACHE_HOME="$work/cache2" "$work/cut" >"$work/cut.out" 2>&1; then fail "a damaged gift started"; fi
cat "$work/cut.out"
grep -q "^quillmere-gift: " "$work/cut.out" || fail "no message for a damaged gift"
[[ -z $(ls -A "$work/cache2/quillmere-gift" 2>/dev/null) ]] || fail "a damaged gift left $(ls -A "$work/cache2/quillmere-gift")"
echo "a damaged gift is refused and leaves nothing"
