#!/usr/bin/env bash
# Installs what is missing and builds the Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
