#!/usr/bin/env bash
# Runs PROGRAM [ARGS...] as on a computer without Qt 6, libjpeg, ICU, FFmpeg and
# GStreamer. Started in
# a private mount namespace (unshare -m), it mounts an empty file over each of
# those libraries and an empty folder over Qt's own folder (plugins and helpers),
# says what it hid on standard error, and runs the program. Nothing outside the
# namespace sees the change.
set -euo pipefail
libdir=/usr/lib/x86_64-linux-gnu
hidden=()
for file in "$libdir"/libQt6*.so* "$libdir"/libjpeg.so* "$libdir"/libicu*.so* "$libdir"/libav*.so* \
  "$libdir"/libsw*.so* "$libdir"/libpostproc.so* "$libdir"/libgst*.so*; do
  # Links lead to files hidden here; hiding the files hides every name for them.
  [[ -f "$file" && ! -L "$file" ]] || continue
  mount --bind /dev/null "$file"
  hidden+=("$(basename "$file")")
done
mount -t tmpfs -o ro,size=4k hidden-qt "$libdir/qt6"
if [[ -d "$libdir/gstreamer-1.0" ]]; then mount -t tmpfs -o ro,size=4k hidden-gst "$libdir/gstreamer-1.0"; fi
echo "hidden: ${#hidden[@]} libraries: ${hidden[*]}" >&2
echo "hidden: $libdir/qt6 (Qt's plugins) and $libdir/gstreamer-1.0" >&2
exec "$@"
