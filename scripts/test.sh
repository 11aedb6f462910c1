#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
# The Windows build is compiled here; its tests under Wine join the run once their start-up
# under CTest is reliable.
cmake --preset windows >/dev/null
cmake --build --preset windows
