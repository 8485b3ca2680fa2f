#!/usr/bin/env bash
# Times the whole embedded run as a process against copying its six output
# files with cp, side by side, and prints the ratio (target: within 2x).
# Usage: bench/esecuzione.sh [BUILD_DIR] [RUNS]   (default build/prestazioni, 30)
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
. "$radice/bench/comune.sh"
build="${1:-$radice/build/prestazioni}"
prove="${2:-30}"

eseguibile="$(programma "$build" genera_scenario)"
[ -n "$eseguibile" ] || { echo "genera_scenario non trovato in $build" >&2; exit 1; }

lavoro="$(mktemp -d)"
trap 'rm -rf "$lavoro"' EXIT
cp "$eseguibile" "$lavoro/"
"$lavoro/genera_scenario" 2>/dev/null
mkdir "$lavoro/copia"
uscite=(Ostrale_Fiorna_linea.dat Ostrale_Fiorna_40817.sim Ostrale_Fiorna_40817.dat
        Ostrale_Fiorna_40817_scheda_treno.txt Ostrale_Fiorna_40817_rallentamenti.txt Ostrale_Fiorna_40817_note.txt)
for f in "${uscite[@]}"; do [ -f "$lavoro/$f" ] || { echo "manca $f dopo la prova" >&2; exit 1; }; done
corsa="$lavoro/genera_scenario"
copia="cp ${uscite[*]/#/$lavoro/} $lavoro/copia/"

echo "macchina: $(nproc) core, $(lscpu | sed -n 's/^Model name: *//p')"
if installa_se_manca hyperfine hyperfine; then
  hyperfine -N --warmup 3 --runs "$prove" --export-csv "$lavoro/tempi.csv" \
    -n esecuzione "$corsa" -n cp "$copia" >&2
  # columns: command,mean,stddev,median,user,system,min,max
  t_corsa="$(awk -F, '$1 == "esecuzione" { print $4 }' "$lavoro/tempi.csv")"
  t_copia="$(awk -F, '$1 == "cp" { print $4 }' "$lavoro/tempi.csv")"
else
  echo "hyperfine non disponibile: misuro con un ciclo di bash" >&2
  misura() {
    local i inizio fine
    for ((i = 0; i < prove; i++)); do
      inizio=$(date +%s%N); $1 >/dev/null 2>&1; fine=$(date +%s%N)
      echo $(((fine - inizio) / 1000))
    done | mediana | awk '{ print $1 / 1e6 }'
  }
  t_corsa="$(misura "$corsa")"
  t_copia="$(misura "$copia")"
fi
awk -v a="$t_corsa" -v b="$t_copia" 'BEGIN {
  printf "esecuzione intera  %.4f s (mediana)\n", a
  printf "cp dei sei file    %.4f s (mediana)\n", b
  printf "rapporto           %.2f (obiettivo: al massimo 2)\n", a / b
}'
