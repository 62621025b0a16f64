#!/usr/bin/env bash
# Where the portable start-up program puts its copy when the user's cache cannot
# take it: a read-only cache, a full one and one mounted noexec each send the copy
# to $XDG_RUNTIME_DIR and leave nothing in the cache; with no usable place at all
# the start fails with a message that also reaches a dialog tool (a fake zenity
# that records its arguments). Mounts tmpfs folders in a private mount namespace.
# usage: portable_places.sh PROBE STUB BUNDLE_PACK COLLECT_BUNDLE WORKDIR
set -euo pipefail
if [[ "${1:-}" != --inside ]]; then
  if [[ $(id -u) != 0 ]] || ! unshare -m true 2>/dev/null; then
    echo "SKIP: the mounts need a private mount namespace (root)"
    exit 77
  fi
  exec unshare --mount --propagation private "$0" --inside "$@"
fi
shift
probe=$1 stub=$2 pack=$3 collect=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
"$collect" "$probe" "" "$work/stage" >/dev/null
"$pack" "$stub" "$work/stage" "$work/gift" 3 >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
leftovers() { find "$1" -mindepth 1 2>/dev/null | head -n 5 || true; }

# case name, tmpfs options of the cache
cases=(
  "read-only ro,size=1m"
  "full size=64k"
  "noexec noexec,size=16m"
)
for case in "${cases[@]}"; do
  read -r name options <<<"$case"
  cache="$work/$name/cache" runtime="$work/$name/runtime"
  mkdir -p "$cache" "$runtime"
  if [[ $name == noexec ]]; then
    # A copy made while the cache still allowed programs, unusable once it is noexec.
    mount -t tmpfs -o size=16m "$name" "$cache"
    XDG_CACHE_HOME="$cache" "$work/gift" >/dev/null || fail "no copy in the cache to begin with"
    mount -o remount,"$options" "$cache"
  else
    mount -t tmpfs -o "$options" "$name" "$cache"
  fi
  out=$(XDG_CACHE_HOME="$cache" XDG_RUNTIME_DIR="$runtime" "$work/gift" 2>"$work/$name.err") ||
    fail "$name cache: the gift did not start: $(cat "$work/$name.err")"
  grep -qx "exe=$runtime/quillmere-gift/.*/lib/ld-linux-x86-64.so.2" <<<"$out" ||
    fail "$name cache: the player did not run from the runtime folder: $out"
  left=$(leftovers "$cache/quillmere-gift")
  [[ -z "$left" ]] || fail "$name cache: left behind: $left"
  echo "$name cache: the copy went to the runtime folder, nothing is left in the cache"
done

# No usable place at all: every folder tried is read-only. The work folder may lie
# in one of them (a build under /tmp): the gift, the fake zenity and the cache and
# runtime folders are reached through a bind mount of it in /run, which the gift
# never tries.
keep=/run/quillmere-places-$$
mkdir -p "$keep"
mount --bind "$work" "$keep"
trap 'umount -R "$keep" 2>/dev/null; rmdir "$keep" 2>/dev/null || true' EXIT
for folder in "$keep/none/cache" "$keep/none/runtime" /tmp /var/tmp /dev/shm; do
  mkdir -p "$folder"
  mount -t tmpfs -o ro,size=1m none "$folder"
done
mkdir -p "$keep/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s"\n' "$keep/zenity.args" >"$keep/bin/zenity"
chmod +x "$keep/bin/zenity"
if XDG_CACHE_HOME="$keep/none/cache" XDG_RUNTIME_DIR="$keep/none/runtime" DISPLAY=:99 PATH="$keep/bin:$PATH" \
  "$keep/gift" >/dev/null 2>"$keep/none.err"; then
  fail "the gift started without a place to unpack"
fi
cat "$keep/none.err"
grep -q "^quillmere-gift: no folder could take the player" "$keep/none.err" || fail "no message on standard error"
grep -q "$keep/none/runtime" "$keep/none.err" || fail "the message does not name the places tried"
[[ -f "$keep/zenity.args" ]] || fail "no window for a person who double-clicked"
grep -qx -- "--error" "$keep/zenity.args" || fail "zenity was not asked for an error window"
grep -q "Free some disk space" "$keep/zenity.args" || fail "the window does not say what to do: $(cat "$keep/zenity.args")"
echo "without a place: the message went to standard error and to zenity"
