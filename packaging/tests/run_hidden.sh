#!/usr/bin/env bash
# Runs PROGRAM [ARGS...] as on a computer without Qt 6, libjpeg and ICU. Started in
# a private mount namespace (unshare -m), it mounts an empty file over each of
# those libraries and an empty folder over Qt's own folder (plugins and helpers),
# says what it hid on standard error, and runs the program. Nothing outside the
# namespace sees the change.
set -euo pipefail
libdir=/usr/lib/x86_64-linux-gnu
hidden=()
for file in "$libdir"/libQt6*.so* "$libdir"/libjpeg.so* "$libdir"/libicu*.so*; do
  # Links lead to files hidden here; hiding the files hides every name for them.
  [[ -f "$file" && ! -L "$file" ]] || continue
  mount --bind /dev/null "$file"
  hidden+=("$(basename "$file")")
done
mount -t tmpfs -o ro,size=4k hidden-qt "$libdir/qt6"
echo "hidden: ${#hidden[@]} libraries: ${hidden[*]}" >&2
echo "hidden: $libdir/qt6 (Qt's plugins)" >&2
exec "$@"
