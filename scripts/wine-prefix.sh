#!/bin/sh
# create DIR: a new, empty Wine prefix (persistent cookies and settings live there);
# create-display DIR: a new prefix for programs with windows, left with no server running;
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
  create-display)
    # Wine's desktop takes the X display of the program that brings it up and keeps it while
    # its server runs, so a prefix whose server was started without one cannot show windows.
    # This one is left with no server: the first program started on a display starts it there.
    # Its screen is a virtual desktop, a window of Wine's own: Wine draws the frames and title
    # bars itself and decides the focus, with no window manager needed.
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$loader" wineboot -i </dev/null >/dev/null 2>&1 || true
    "$loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
      >/dev/null 2>&1
    wineserver -w
    test -d "$prefix/drive_c/windows" || { echo "wine-prefix.sh: no prefix made" >&2; exit 1; }
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine-prefix.sh create|create-display|stop DIR" >&2
    exit 64
    ;;
esac
