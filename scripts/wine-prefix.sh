#!/bin/sh
# create DIR: a new, empty Wine prefix (persistent cookies and settings live there);
# stop DIR: ends the prefix's wineserver.
set -eu
action=$1
prefix=$2
export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
if [ -x /usr/lib/wine/wine64 ]; then loader=/usr/lib/wine/wine64; else loader=/usr/lib/wine/wine; fi
case $action in
  create)
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    # One server, and Wine's own services, stay up for all the test programs of the run; they
    # are started here with no terminal or pipe of the caller's, so that a test's output ends
    # when the test does. The server ends by itself 30 s after its last program.
    wineserver -p30 </dev/null >/dev/null 2>&1
    "$loader" wineboot -i </dev/null >/dev/null 2>&1 || true
    test -d "$prefix/drive_c/windows" || { echo "wine-prefix.sh: no prefix made" >&2; exit 1; }
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine-prefix.sh create|stop DIR" >&2
    exit 64
    ;;
esac
