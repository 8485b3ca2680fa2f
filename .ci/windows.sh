#!/usr/bin/env bash
# Builds the Windows program with MinGW-w64, runs its test suite under Wine,
# and checks the program on a bare virtual screen and without any screen:
# its files must be byte-identical to the Linux build's, the wait window must
# have its designed size and show its label, and the message box must appear
# and close on Return. Runs as root on a fresh machine, with no display and
# no standard input.
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

installa_mancanti() {
  local mancanti=()
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || mancanti+=(g++-mingw-w64-x86-64)
  command -v wine >/dev/null || mancanti+=(wine wine64)
  command -v Xvfb >/dev/null || mancanti+=(xvfb)
  command -v xwd >/dev/null || mancanti+=(x11-apps)
  command -v xdotool >/dev/null || mancanti+=(xdotool)
  [ -x "$convert_reale" ] || mancanti+=(imagemagick)
  command -v cmake >/dev/null || mancanti+=(cmake)
  command -v g++ >/dev/null || mancanti+=(g++)
  command -v make >/dev/null || mancanti+=(make)
  # GoogleTest for the Windows build is built from these sources.
  [ -d /usr/src/googletest ] || mancanti+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || mancanti+=(libgtest-dev)
  if [ ${#mancanti[@]} -gt 0 ]; then
    passo "installo ${mancanti[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${mancanti[@]}"
  fi
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

avvia_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  pid_xvfb=$!
  for _ in $(seq 1 50); do
    [ -s "$fd_file" ] && break
    sleep 0.2
  done
  [ -s "$fd_file" ] || fallisci "Xvfb non si avvia"
  export DISPLAY=":$(tr -d '\n' <"$fd_file")"
  rm -f "$fd_file"
  # A running server keeps the screenless desktop it started with: a new one
  # starts a desktop on this display.
  avvia_server_wine
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

esegui_e_confronta() {
  local come=$1 riferimento=$2 cartella
  cartella=$(mktemp -d)
  local stato=0
  esegui_in_cartella "$build/genera_scenario.exe" "$cartella" wine || stato=$?
  [ "$stato" -eq 0 ] || fallisci "genera_scenario.exe $come: stato di uscita $stato"
  confronta_cartelle "$riferimento" "$cartella"
  rm -rf "$cartella"
}

aspetta_finestra() {
  local titolo=$1 finestra=""
  for _ in $(seq 1 120); do
    finestra=$(xdotool search --name "^${titolo}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$finestra" ] && break
    sleep 0.5
  done
  echo "$finestra"
}

# Waits for a child of this shell (not in a subshell: only the parent can
# wait for it) and leaves its exit status in stato_uscita.
stato_uscita=0
aspetta_fine() {
  local pid=$1
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  kill -0 "$pid" 2>/dev/null && fallisci "il programma non termina"
  stato_uscita=0
  wait "$pid" || stato_uscita=$?
}

twips_in_pixel() { echo $((($1 * $2 + 720) / 1440)); }

# The fraction of dark pixels in a rectangle of the screenshot.
frazione_scura() {
  local png=$1 larghezza=$2 altezza=$3 x=$4 y=$5
  "$convert_reale" "$png" -crop "${larghezza}x${altezza}+${x}+${y}" +repage -colorspace Gray \
    -threshold 50% -format '%[fx:1-mean]' info:
}

verifica_finestra_attesa() {
  local png="$build/finestra_attesa.png"
  wine "$build/tests/platform/schermo/mostra_finestra_attesa.exe" 6 &
  local pid=$!
  local finestra
  finestra=$(aspetta_finestra Form1)
  [ -n "$finestra" ] || fallisci "la finestra Form1 non compare"
  sleep 1
  xwd -root -silent -out "$build/finestra_attesa.xwd"
  "$convert_reale" "$build/finestra_attesa.xwd" "$png"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$finestra")"
  aspetta_fine "$pid"
  [ "$stato_uscita" -eq 0 ] || fallisci "mostra_finestra_attesa.exe: stato di uscita $stato_uscita"

  local dpi=96 valore
  valore=$(wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null | awk '/LogPixels/ {print $3}' | tr -d '\r' || true)
  [ -n "$valore" ] && dpi=$((valore))
  local attesa_l attesa_a
  attesa_l=$(twips_in_pixel 4200 "$dpi")
  attesa_a=$(twips_in_pixel 2688 "$dpi")
  echo "finestra ${WIDTH}x${HEIGHT} a ${X},${Y}; attesa ${attesa_l}x${attesa_a} a $dpi DPI"
  [ "$WIDTH" -eq "$attesa_l" ] && [ "$HEIGHT" -eq "$attesa_a" ] ||
    fallisci "area client ${WIDTH}x${HEIGHT}, attesa ${attesa_l}x${attesa_a}"

  local sx al la aa
  sx=$(twips_in_pixel 960 "$dpi")
  al=$(twips_in_pixel 960 "$dpi")
  la=$(twips_in_pixel 2652 "$dpi")
  aa=$(twips_in_pixel 792 "$dpi")
  local testo sopra
  testo=$(frazione_scura "$png" "$la" "$aa" $((X + sx)) $((Y + al)))
  sopra=$(frazione_scura "$png" "$WIDTH" "$al" "$X" "$Y")
  echo "pixel scuri: etichetta $testo, fascia sopra l'etichetta $sopra"
  awk -v t="$testo" 'BEGIN { exit !(t >= 0.02 && t <= 0.6) }' || fallisci "l'etichetta non mostra testo"
  awk -v s="$sopra" 'BEGIN { exit !(s == 0) }' || fallisci "lo sfondo della finestra non e' uniforme"
}

# The fatal path for real: the whole run, its identification check failing,
# the message box shown and closed with Return; the run then ends with status 1
# and has written no binary file.
verifica_messaggio() {
  local cartella
  cartella=$(mktemp -d)
  cp "$build/tests/platform/schermo/percorso_fatale.exe" "$cartella/"
  wine "$cartella/percorso_fatale.exe" &
  local pid=$!
  local finestra
  finestra=$(aspetta_finestra genera_scenario)
  [ -n "$finestra" ] || fallisci "la finestra del messaggio non compare"
  sleep 1
  kill -0 "$pid" 2>/dev/null || fallisci "il programma non aspetta la chiusura del messaggio"
  xdotool windowfocus --sync "$finestra"
  xdotool key Return
  aspetta_fine "$pid"
  [ "$stato_uscita" -eq 1 ] || fallisci "percorso_fatale.exe: stato di uscita $stato_uscita invece di 1"
  local binari
  binari=$(find "$cartella" -name '*.dat' -o -name '*.sim')
  [ -z "$binari" ] || fallisci "il percorso fatale ha scritto file binari: $binari"
  rm -rf "$cartella"
  echo "messaggio comparso e chiuso con Invio; stato 1, nessun file binario"
}

# A GUI program (no console window) that needs only the DLLs of Windows itself.
verifica_eseguibile() {
  local intestazioni dll
  intestazioni=$(x86_64-w64-mingw32-objdump -p "$build/genera_scenario.exe")
  grep -q 'Subsystem.*(Windows GUI)' <<<"$intestazioni" || fallisci "genera_scenario.exe non e' un programma GUI"
  dll=$(awk '/DLL Name:/ {print $3}' <<<"$intestazioni" | sort -f | tr '\n' ' ')
  echo "DLL: $dll"
  local d
  for d in $dll; do
    case "${d,,}" in
      kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | advapi32.dll) ;;
      *) fallisci "genera_scenario.exe richiede $d, che un computer Windows non ha" ;;
    esac
  done
}

installa_mancanti

passo "compilo (preset windows)"
cmake --preset windows
cmake --build --preset windows

passo "un eseguibile per il desktop, senza DLL da portare con se'"
verifica_eseguibile

prepara_wine

passo "test sotto Wine"
ctest --preset windows

passo "riferimento: la build Linux"
if [ ! -x "$build_linux/genera_scenario" ]; then
  cmake --preset predefinito
  cmake --build --preset predefinito --target genera_scenario
fi
riferimento=$(mktemp -d)
esegui_in_cartella "$build_linux/genera_scenario" "$riferimento" || fallisci "la build Linux non termina con 0"

passo "genera_scenario.exe senza schermo"
esegui_e_confronta "senza schermo" "$riferimento"

passo "installatore per Windows senza schermo"
bash .ci/installatore_windows.sh senza_schermo

avvia_xvfb
passo "genera_scenario.exe su Xvfb ($DISPLAY)"
esegui_e_confronta "con schermo" "$riferimento"

passo "finestra di attesa"
verifica_finestra_attesa

passo "finestra del messaggio"
verifica_messaggio

passo "installatore per Windows su Xvfb ($DISPLAY)"
bash .ci/installatore_windows.sh con_schermo

rm -rf "$riferimento"
passo "tutte le verifiche riuscite"
