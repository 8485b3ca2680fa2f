#!/usr/bin/env bash
# Installs what esamina_scenario and its tests need, only where missing:
# the JSON library to build it, Chromium and ImageMagick to render its picture.
set -euo pipefail

mancanti=()
[ -f /usr/include/nlohmann/json.hpp ] || mancanti+=(nlohmann-json3-dev)
command -v chromium >/dev/null || mancanti+=(chromium)
[ -x /usr/bin/convert ] || mancanti+=(imagemagick)  # /usr/local/bin may hold a stand-in
if [ ${#mancanti[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi
