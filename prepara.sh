#!/usr/bin/env bash
# Brings a fresh Debian machine what the build needs, and with --test what the
# test suite needs too, installing only what is missing and saying what; then
# `npm ci` where the page's charting library is not installed yet.
#   ./prepara.sh          the compiler, CMake, GoogleTest, nlohmann-json, Node.js and npm
#   ./prepara.sh --test   Chromium and ImageMagick as well, for the page's and the picture's tests
set -euo pipefail
cd "$(dirname "$0")"

con_test=false
case "${1:-}" in
  "") ;;
  --test) con_test=true ;;
  *)
    echo "uso: ./prepara.sh [--test]" >&2
    exit 2
    ;;
esac

# Each Debian package with what tells that it is there.
mancanti=()
manca() { mancanti+=("$1"); }
command -v cmake >/dev/null || manca cmake
command -v g++ >/dev/null || manca g++
command -v make >/dev/null || manca make
[ -f /usr/include/gtest/gtest.h ] || manca libgtest-dev
[ -f /usr/include/nlohmann/json.hpp ] || manca nlohmann-json3-dev
command -v node >/dev/null || manca nodejs
command -v npm >/dev/null || manca npm
if $con_test; then
  # The tests call these very paths: a stand-in elsewhere on the PATH will not do.
  [ -x /usr/bin/chromium ] || manca chromium
  [ -x /usr/bin/convert ] || manca imagemagick
fi

if [ ${#mancanti[@]} -gt 0 ]; then
  echo "prepara.sh: mancano i pacchetti Debian ${mancanti[*]}"
  if ! command -v apt-get >/dev/null; then
    echo "prepara.sh: apt-get non c'e': installa a mano ${mancanti[*]} (i nomi sono quelli di Debian)" >&2
    exit 1
  fi
  come=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "prepara.sh: servono i permessi di root e sudo non c'e'; come root esegui:" >&2
      echo "  apt-get update && apt-get install -y ${mancanti[*]}" >&2
      exit 1
    fi
    come=(sudo)
  fi
  echo "prepara.sh: li installo con ${come[*]:+sudo }apt-get"
  "${come[@]}" apt-get update -qq
  "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi

# Exactly the locked versions, again only when the lock is newer than what is installed.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  echo "prepara.sh: npm ci (la libreria dei grafici della pagina e il client del browser per i test)"
  npm ci --no-audit --no-fund --loglevel=error
fi
echo "prepara.sh: pronto"
