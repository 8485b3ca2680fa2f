#!/usr/bin/env bash
# Installs what esamina_scenario and its tests need, only where missing:
# the JSON library to build it, Chromium and ImageMagick to render its picture.
set -euo pipefail

mancanti=()
[ -f /usr/include/nlohmann/json.hpp ] || mancanti+=(nlohmann-json3-dev)
command -v chromium >/dev/null || mancanti+=(chromium)
command -v convert >/dev/null || mancanti+=(imagemagick)
if [ ${#mancanti[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi
