#!/usr/bin/env bash
# Installs what the Windows build and its checks need, only where missing:
# MinGW-w64, Wine, the virtual screen and its tools, ImageMagick, and
# GoogleTest's sources to build for the target.
source "$(dirname "${BASH_SOURCE[0]}")/windows_comune.sh"

mancanti=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || mancanti+=(g++-mingw-w64-x86-64)
command -v wine >/dev/null || mancanti+=(wine wine64)
command -v Xvfb >/dev/null || mancanti+=(xvfb)
command -v xwd >/dev/null || mancanti+=(x11-apps)
command -v xdotool >/dev/null || mancanti+=(xdotool)
[ -x "$convert_reale" ] || mancanti+=(imagemagick)
command -v cmake >/dev/null || mancanti+=(cmake)
command -v g++ >/dev/null || mancanti+=(g++)
command -v make >/dev/null || mancanti+=(make)
# GoogleTest for the Windows build is built from these sources.
[ -d /usr/src/googletest ] || mancanti+=(googletest)
[ -f /usr/include/gtest/gtest.h ] || mancanti+=(libgtest-dev)
if [ ${#mancanti[@]} -gt 0 ]; then
  passo "installo ${mancanti[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${mancanti[@]}"
fi
