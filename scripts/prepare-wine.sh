#!/usr/bin/env bash
# Creates the Wine prefix $1 once and keeps a persistent wineserver running for it, so that each
# Windows test process starts in milliseconds instead of seconds.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.quillmere-ready" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 9>&-
  wineserver -w 9>&-
  touch "$WINEPREFIX/.quillmere-ready"
fi
# Already running for this prefix: it refuses at once. Neither its output nor the lock (fd 9)
# may stay held by the server, or later callers would wait on them for good.
wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
