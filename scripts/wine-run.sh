#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix $1 (created on first use):
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
here="$(dirname "$0")"
prefix="$1"
shift
"$here/prepare-wine.sh" "$prefix"
source "$here/wine-env.sh" "$prefix"
exec wine "$@"
