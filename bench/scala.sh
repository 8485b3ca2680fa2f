#!/usr/bin/env bash
# Compiles generated lines of 152, 250, 500 and 1000 km as a process and prints
# wall time, CPU time and peak memory at each, the growth per km against the
# shortest, and the 1000 km targets (under 0.25 s, under 64 MiB).
# Uses compila_scenario when the build has it, else compila_prova.
# Usage: bench/scala.sh [BUILD_DIR] [RUNS]   (default build/prestazioni, 7)
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
. "$radice/bench/comune.sh"
build="${1:-$radice/build/prestazioni}"
prove="${2:-7}"
lunghezze=(152000 250000 500000 1000000)

installa_se_manca /usr/bin/time time || { echo "serve /usr/bin/time (pacchetto time)" >&2; exit 1; }
genera="$(programma "$build" genera_linea_prova)"
[ -n "$genera" ] || { echo "genera_linea_prova non trovato in $build" >&2; exit 1; }
compilatore="$(programma "$build" compila_scenario)"
if [ -n "$compilatore" ]; then
  comando() { echo "$compilatore $1/Prova_linea.txt $1/Prova_1-.txt --output $1/uscita"; }
else
  compilatore="$(programma "$build" compila_prova)"
  [ -n "$compilatore" ] || { echo "ne' compila_scenario ne' compila_prova in $build" >&2; exit 1; }
  comando() { echo "$compilatore $1/Prova_linea.txt $1/Prova_1-.txt $1/uscita"; }
fi
installa_se_manca hyperfine hyperfine || echo "hyperfine non disponibile: tempi da /usr/bin/time (10 ms)" >&2

lavoro="$(mktemp -d)"
trap 'rm -rf "$lavoro"' EXIT
echo "macchina: $(nproc) core, $(lscpu | sed -n 's/^Model name: *//p'), carico $(cut -d' ' -f1-3 /proc/loadavg)"
echo "compilatore: $(basename "$compilatore"), $prove prove per lunghezza; tempi mediani, memoria massima"
printf '%10s %9s %9s %10s %10s %10s\n' km "tempo s" "cpu s" "memoria MiB" "ms/km" "KiB/km"
for l in "${lunghezze[@]}"; do
  cartella="$lavoro/$l"
  mkdir -p "$cartella/uscita"
  "$genera" "$l" "$cartella"
  # The files must compile; this run also warms the cache.
  $(comando "$cartella") >/dev/null || { echo "lo scenario di $l m non compila" >&2; exit 1; }
  for ((i = 0; i < prove; i++)); do
    /usr/bin/time -f '%e %U %S %M' -o "$cartella/tempo" $(comando "$cartella") >/dev/null
    cat "$cartella/tempo"
  done >"$cartella/tempi"
  if command -v hyperfine >/dev/null 2>&1; then
    hyperfine -N --warmup 1 --runs "$prove" --export-csv "$cartella/tempi.csv" "$(comando "$cartella")" >/dev/null 2>&1
    # columns: command,mean,stddev,median,user,system,min,max
    tempo="$(awk -F, 'NR == 2 { print $4 }' "$cartella/tempi.csv")"
    cpu="$(awk -F, 'NR == 2 { print $5 + $6 }' "$cartella/tempi.csv")"
  else
    tempo="$(awk '{ print $1 }' "$cartella/tempi" | mediana)"
    cpu="$(awk '{ print $2 + $3 }' "$cartella/tempi" | mediana)"
  fi
  memoria="$(awk '{ print $4 }' "$cartella/tempi" | sort -g | tail -n 1)"
  echo "$l $tempo $cpu $memoria" >>"$lavoro/riassunto"
  awk -v l="$l" -v t="$tempo" -v c="$cpu" -v m="$memoria" 'BEGIN {
    printf "%10d %9.3f %9.3f %10.1f %10.3f %10.1f\n", l / 1000, t, c, m / 1024, t * 1e6 / l, m * 1000 / l }'
done
awk '
  NR == 1 { l0 = $1; t0 = $2; m0 = $4 }
  NR > 1 {
    printf "da %4d a %4d km: %.3f ms e %.1f KiB per km in piu'\n", lp / 1000, $1 / 1000,
      ($2 - tp) * 1e6 / ($1 - lp), ($4 - mp) * 1000 / ($1 - lp)
  }
  { lp = $1; tp = $2; mp = $4; l = $1; t = $2; m = $4 }
  END {
    printf "crescita da %d a %d km: lunghezza x%.2f, tempo x%.2f, memoria x%.2f\n", l0 / 1000, l / 1000, l / l0, t / t0, m / m0
    printf "1000 km: %.3f s (obiettivo < 0.25): %s; %.1f MiB (obiettivo < 64): %s\n",
      t, (t < 0.25 ? "raggiunto" : "mancato"), m / 1024, (m < 64 * 1024 ? "raggiunto" : "mancato")
  }' "$lavoro/riassunto"
