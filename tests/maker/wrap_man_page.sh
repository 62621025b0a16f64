#!/usr/bin/env bash
# Every option quillmere-wrap's help lists is documented in its man page, which
# formats without warnings. Arguments: WRAP MAN_PAGE.
set -euo pipefail
wrap=$1 page=$2
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[[ -z "$warnings" ]] || { echo "$page: $warnings"; exit 1; }
text=$(groff -man -Tascii -P-cbou "$page" 2>/dev/null)
missing=()
for option in $("$wrap" --help | grep -oE '(^|[ ,])(-o|--[a-z-]+)' | tr -d ' ,' | sort -u); do
  grep -qF -- "$option" <<<"$text" || missing+=("$option")
done
((${#missing[@]} == 0)) || { echo "not in $page: ${missing[*]}"; exit 1; }
echo "every option of quillmere-wrap is in its man page"
