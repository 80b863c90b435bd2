#!/bin/sh
# Exits 0 when this machine can start Wine's 32-bit loader (the kernel runs 32-bit programs).
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
