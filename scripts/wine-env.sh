# Sourced by the Wine scripts: the environment every Windows program of this project runs in.
# $1 is the prefix directory.
export WINEPREFIX="$1"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# Code page 936 (GBK), the one the tool's users have.
export LC_ALL=zh_CN.UTF-8
# No downloads of the browser and runtime components Wine would offer at prefix creation.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
