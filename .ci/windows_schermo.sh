#!/usr/bin/env bash
# Checks the Windows program on a bare virtual screen: its files must be
# byte-identical to the Linux build's, the wait window must have its designed
# size and show its label, and the message box must appear and close on
# Return. Needs the build of windows_compila.sh.
source "$(dirname "${BASH_SOURCE[0]}")/windows_comune.sh"

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

richiedi_build
prepara_wine
prepara_riferimento

avvia_xvfb
passo "genera_scenario.exe su Xvfb ($DISPLAY)"
esegui_e_confronta "con schermo"

passo "finestra di attesa"
verifica_finestra_attesa

passo "finestra del messaggio"
verifica_messaggio

passo "installatore per Windows su Xvfb ($DISPLAY)"
bash "$radice/.ci/installatore_windows.sh" con_schermo

rm -rf "$riferimento"
passo "verifiche sullo schermo riuscite"
