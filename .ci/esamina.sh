#!/usr/bin/env bash
# Installs what esamina_scenario and its tests need, only where missing: the
# JSON library to build it, Chromium and ImageMagick to render its picture,
# Node.js and npm for the page's charting library (inlined at build time) and
# the browser client of its test, both pinned in package-lock.json.
set -euo pipefail
cd "$(dirname "$0")/.."

mancanti=()
[ -f /usr/include/nlohmann/json.hpp ] || mancanti+=(nlohmann-json3-dev)
command -v chromium >/dev/null || mancanti+=(chromium)
[ -x /usr/bin/convert ] || mancanti+=(imagemagick)  # /usr/local/bin may hold a stand-in
command -v node >/dev/null || mancanti+=(nodejs)
command -v npm >/dev/null || mancanti+=(npm)
if [ ${#mancanti[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi

# Exactly the locked versions; nothing else is fetched at build or test time.
npm ci --no-audit --no-fund --loglevel=error
