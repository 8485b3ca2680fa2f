# Shared by the Windows scripts (sourced, not run): paths, messages, the Wine
# prefix and server, and running a program in a folder of its own.
# Runs as root on a fresh machine, with no display and no standard input.
set -euo pipefail
exec </dev/null

radice=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$radice"
build="$radice/build/windows"
build_linux="$radice/build/predefinito"

# ImageMagick's convert, not a stand-in that may sit earlier on the PATH.
convert_reale=/usr/bin/convert

passo() { printf '\n== windows: %s\n' "$*"; }
fallisci() {
  printf 'windows: ERRORE: %s\n' "$*" >&2
  exit 1
}

richiedi_build() {
  [ -f "$build/genera_scenario.exe" ] || fallisci "manca $build/genera_scenario.exe: prima bash .ci/windows_compila.sh"
}

# Every Wine process shares one prefix under the build folder, set up quietly
# and without the prompts for the .NET and browser add-ons.
prepara_wine() {
  export WINEPREFIX="$build/wine"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    passo "creo il prefisso Wine"
    timeout 600 wineboot -i >/dev/null 2>&1 || fallisci "wineboot non ha creato il prefisso"
  fi
  trap 'termina' EXIT
  avvia_server_wine
}

# One server for the whole script instead of a start-up for every test. Its
# helper processes are started here, away from ctest: started by a test they
# would keep ctest's output pipe open for ever.
avvia_server_wine() {
  # -p refuses to start beside a server still running (from wineboot, say).
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  timeout 300 wine cmd /c exit >/dev/null 2>&1 || true
}

pid_xvfb=""
termina() {
  [ -n "$pid_xvfb" ] && kill "$pid_xvfb" 2>/dev/null
  wineserver -k 2>/dev/null || true
}

# Runs one executable in a fresh folder of its own, as a user does.
esegui_in_cartella() {
  local eseguibile=$1 cartella=$2
  shift 2
  cp "$eseguibile" "$cartella/"
  (cd "$cartella" && timeout 300 "$@" "./$(basename "$eseguibile")")
}

# Every file the two runs left, by name and by content; the programs excluded.
confronta_cartelle() {
  local a=$1 b=$2
  local elenco_a elenco_b
  elenco_a=$(cd "$a" && find . -type f ! -name 'genera_scenario*' | sort)
  elenco_b=$(cd "$b" && find . -type f ! -name 'genera_scenario*' | sort)
  [ "$elenco_a" = "$elenco_b" ] || fallisci "file diversi: Linux [$elenco_a] Windows [$elenco_b]"
  local f
  for f in $elenco_a; do
    cmp "$a/$f" "$b/$f" || fallisci "$f differisce dal file della build Linux"
  done
  echo "identici: $(echo "$elenco_a" | grep -c . || true) file"
}

# The Linux build's run, in a fresh folder whose path is left in `riferimento`.
riferimento=""
prepara_riferimento() {
  passo "riferimento: la build Linux"
  if [ ! -x "$build_linux/genera_scenario" ]; then
    cmake --preset predefinito
    cmake --build --preset predefinito --target genera_scenario
  fi
  riferimento=$(mktemp -d)
  esegui_in_cartella "$build_linux/genera_scenario" "$riferimento" || fallisci "la build Linux non termina con 0"
}

esegui_e_confronta() {
  local come=$1 cartella
  cartella=$(mktemp -d)
  local stato=0
  esegui_in_cartella "$build/genera_scenario.exe" "$cartella" wine || stato=$?
  [ "$stato" -eq 0 ] || fallisci "genera_scenario.exe $come: stato di uscita $stato"
  confronta_cartelle "$riferimento" "$cartella"
  rm -rf "$cartella"
}
