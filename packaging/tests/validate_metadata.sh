#!/usr/bin/env bash
# The AppStream file and the desktop entry pass their validators.
# usage: validate_metadata.sh PACKAGING_DIR
set -euo pipefail
dir=$1
appstreamcli validate --no-net "$dir"/*.metainfo.xml
desktop-file-validate "$dir"/*.desktop
echo "metadata valid"
