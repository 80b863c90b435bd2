#!/bin/sh
# Runs a Windows program under Wine with the loader that fits its machine type (32 or 64 bits).
# The caller sets WINEPREFIX; the ANSI code page is made 936 through the locale.
set -eu
exe=$1
shift
[ -n "${WINEPREFIX:-}" ] || { echo "wine-run.sh: WINEPREFIX is not set" >&2; exit 2; }
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$exe" | tr -d ' ')
case $machine in
  8664) loader=/usr/lib/wine/wine64 ;;
  *) loader=/usr/lib/wine/wine ;;
esac
export WINEDEBUG="${WINEDEBUG:--all}" LC_ALL=zh_CN.UTF-8
exec "$loader" "$exe" "$@"
