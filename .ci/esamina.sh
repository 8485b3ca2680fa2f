#!/usr/bin/env bash
# Installs what esamina_scenario and its tests need, only where missing: the
# JSON library to build it, Chromium and ImageMagick to render its picture,
# Node.js and npm for the page's charting library (inlined at build time) and
# the browser client of its test, both pinned in package-lock.json. The
# project's own preparation does it all, for the build and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
exec ./prepara.sh --test
