#!/usr/bin/env bash
# Renders the embedded scenario's picture in headless Chromium and checks that
# the screenshot is neither blank nor a solid block. Fails, naming the Debian
# package, where Chromium or ImageMagick is missing: a skip would pass unseen.
# The PNG stays in the working folder.
#   disegna_svg.sh ESAMINA_SCENARIO CARTELLA_COMPILATI CARTELLA_DI_LAVORO
set -euo pipefail
esamina=$1
compilati=$2
lavoro=$3

command -v chromium >/dev/null || { echo "chromium missing: install Debian's chromium (./prepara.sh --test)"; exit 1; }
# ImageMagick itself, not whatever else answers to "convert" on the PATH.
convert=/usr/bin/convert
[ -x "$convert" ] || { echo "ImageMagick missing: install Debian's imagemagick (./prepara.sh --test)"; exit 1; }

rm -rf "$lavoro"
mkdir -p "$lavoro/profilo"
"$esamina" "$compilati" Ostrale_Fiorna 40817 --svg "$lavoro/disegno.svg" >/dev/null

if ! timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$lavoro/profilo" --screenshot="$lavoro/disegno.png" --window-size=1200,900 \
    "file://$lavoro/disegno.svg" >"$lavoro/chromium.log" 2>&1; then
  cat "$lavoro/chromium.log"
  echo "chromium failed"
  exit 1
fi
[ -s "$lavoro/disegno.png" ] || { cat "$lavoro/chromium.log"; echo "no screenshot"; exit 1; }

# The share of pixels that are not white: the track, the profiles and the
# texts cover some of the picture, far from all of it.
non_bianchi=$("$convert" "$lavoro/disegno.png" -colorspace Gray -threshold 99% -format '%[fx:1-mean]' info:)
echo "non-white share of the screenshot: $non_bianchi"
awk -v quota="$non_bianchi" 'BEGIN { exit !(quota > 0.005 && quota < 0.5) }' || {
  echo "the screenshot is blank or a solid block"
  exit 1
}
