#!/usr/bin/env bash
# The page of esamina_scenario --html for the longest line (1000 km, made by
# genera_linea_prova): its size (target: under 8 MB), the time to write it, and
# the median time to its first picture in Chromium over 7 loads (target: under
# one second).
#   bench/pagina.sh [BUILD]     (default build/prestazioni)
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
. "$radice/bench/comune.sh"
build=${1:-$radice/build/prestazioni}

genera=$(programma "$build" genera_linea_prova)
compila=$(programma "$build" compila_scenario)
esamina=$(programma "$build" esamina_scenario)
[ -n "$genera" ] && [ -n "$compila" ] && [ -n "$esamina" ] || {
  echo "build $build first (esamina_scenario needs npm ci: bash .ci/esamina.sh)" >&2
  exit 1
}
[ -x /usr/bin/chromium ] || { echo "chromium is missing: bash .ci/esamina.sh" >&2; exit 1; }

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
"$genera" 1000000 "$lavoro"
"$compila" "$lavoro/Prova_linea.txt" "$lavoro/Prova_1-.txt" >/dev/null
inizio=$(date +%s%N)
"$esamina" "$lavoro" Prova 1 --html "$lavoro/pagina.html" >/dev/null
fine=$(date +%s%N)
byte=$(stat -c %s "$lavoro/pagina.html")
tempi=$(node "$radice/bench/prima_immagine.mjs" "$lavoro/pagina.html" 7)
awk -v b="$byte" -v ms=$(((fine - inizio) / 1000000)) \
  'BEGIN { printf "page of the 1000 km line: %.2f MB (target < 8), written in %d ms\n", b / 1048576, ms }'
printf 'first picture in Chromium: median %s ms over 7 loads (target < 1000); each: %s\n' \
  "$(echo "$tempi" | mediana)" "$(echo $tempi)"
