#!/usr/bin/env bash
# The Windows installer under Wine: packed on Linux by impacchetta_scenario
# --windows from the embedded scenario's five files, as `cmake --install` lays
# the programs out, it must write genera_scenario's six files byte for byte;
# damaged or cut short it must say so, end with status 1 and write nothing.
#   installatore_windows.sh senza_schermo   no display: a message goes to standard error
#   installatore_windows.sh con_schermo     on the display in DISPLAY: the message box, closed with Return
# Called by windows.sh with Wine's prefix and server ready; needs the Linux
# build (build/predefinito), which it completes with the Windows runner.
set -euo pipefail
exec </dev/null

modo=${1:?uso: installatore_windows.sh senza_schermo|con_schermo}
radice=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
linux="$radice/build/predefinito"

fallisci() {
  printf 'installatore_windows: ERRORE: %s\n' "$*" >&2
  exit 1
}

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# The Linux programs installed side by side, the Windows runner among them:
# the Linux build makes it when it finds MinGW-w64, which windows.sh installs.
installa_programmi() {
  if [ ! -f "$linux/installatore_scenario.exe" ]; then
    cmake --preset predefinito >/dev/null
  fi
  cmake --build --preset predefinito >/dev/null
  cmake --install "$linux" --prefix "$lavoro/programmi" >/dev/null
  [ -f "$lavoro/programmi/bin/installatore_scenario.exe" ] ||
    fallisci "cmake --install non ha messo installatore_scenario.exe accanto a impacchetta_scenario"
}

# genera_scenario's own six files, from the Linux build.
riferimento() {
  mkdir "$lavoro/riferimento"
  cp "$linux/genera_scenario" "$lavoro/riferimento/"
  (cd "$lavoro/riferimento" && ./genera_scenario 2>/dev/null) || fallisci "genera_scenario non termina con 0"
  rm "$lavoro/riferimento/genera_scenario"
}

# The five files as genera_scenario writes them: it deletes the descriptions,
# which the test data holds byte for byte.
impacchetta() {
  local uscita=$1
  mkdir -p "$lavoro/sorgenti"
  cp "$lavoro/riferimento/"*.txt "$radice/tests/dati/Ostrale_Fiorna_linea.txt" \
    "$radice/tests/dati/Ostrale_Fiorna_40817-.txt" "$lavoro/sorgenti/"
  "$lavoro/programmi/bin/impacchetta_scenario" "$lavoro/sorgenti" Ostrale_Fiorna 40817 --windows --output "$uscita" >/dev/null
}

# Flips the low bit of the byte N bytes before the end of a file.
inverti_byte() {
  local file=$1 dalla_fine=$2 dimensione posizione valore
  dimensione=$(stat -c %s "$file")
  posizione=$((dimensione - dalla_fine))
  valore=$(od -An -tu1 -j "$posizione" -N1 "$file" | tr -d ' ')
  # shellcheck disable=SC2059
  printf "\\$(printf '%03o' $((valore ^ 1)))" | dd of="$file" bs=1 seek="$posizione" conv=notrunc status=none
}

# Runs an installer copied into a fresh folder of its own; its status in `stato`.
stato=0
esegui_in_cartella() {
  local installatore=$1 cartella=$2
  mkdir -p "$cartella"
  cp "$installatore" "$cartella/"
  stato=0
  (cd "$cartella" && timeout 300 wine "./$(basename "$installatore")") 2>"$cartella.err" || stato=$?
}

verifica_uguale_a_genera_scenario() {
  local cartella="$lavoro/giocatore"
  esegui_in_cartella "$lavoro/Installa_Ostrale.exe" "$cartella"
  [ "$stato" -eq 0 ] || fallisci "Installa_Ostrale.exe: stato di uscita $stato ($(cat "$cartella.err"))"
  rm "$cartella/Installa_Ostrale.exe"
  diff -r "$lavoro/riferimento" "$cartella" || fallisci "i file dell'installatore differiscono da quelli di genera_scenario"
  echo "identici a genera_scenario: $(find "$cartella" -type f | wc -l) file"
}

# A damaged installer without a display: status 1, its message on standard error, nothing written.
verifica_guasto_senza_schermo() {
  local nome=$1 ragione=$2 cartella="$lavoro/$1"
  esegui_in_cartella "$lavoro/$nome.exe" "$cartella"
  [ "$stato" -eq 1 ] || fallisci "$nome.exe: stato di uscita $stato invece di 1"
  grep -q "$ragione" "$cartella.err" || fallisci "$nome.exe: il messaggio non dice '$ragione': $(cat "$cartella.err")"
  [ "$(ls "$cartella")" = "$nome.exe" ] || fallisci "$nome.exe ha scritto dei file: $(ls "$cartella")"
  echo "$nome.exe: stato 1, '$ragione', nessun file"
}

# A damaged installer on the display: its message box, closed with Return; status 1, nothing written.
verifica_guasto_con_schermo() {
  local nome=$1 cartella="$lavoro/$1"
  mkdir -p "$cartella"
  cp "$lavoro/$nome.exe" "$cartella/"
  (cd "$cartella" && exec timeout 300 wine "./$nome.exe") &
  local pid=$! finestra=""
  for _ in $(seq 1 120); do
    finestra=$(xdotool search --name "^$nome\$" 2>/dev/null | head -n 1 || true)
    [ -n "$finestra" ] && break
    sleep 0.5
  done
  [ -n "$finestra" ] || fallisci "$nome.exe: la finestra del messaggio non compare"
  kill -0 "$pid" 2>/dev/null || fallisci "$nome.exe: il programma non aspetta la chiusura del messaggio"
  xdotool windowfocus --sync "$finestra"
  xdotool key Return
  stato=0
  wait "$pid" || stato=$?
  [ "$stato" -eq 1 ] || fallisci "$nome.exe: stato di uscita $stato invece di 1"
  [ "$(ls "$cartella")" = "$nome.exe" ] || fallisci "$nome.exe ha scritto dei file: $(ls "$cartella")"
  echo "$nome.exe: messaggio comparso e chiuso con Invio; stato 1, nessun file"
}

installa_programmi
riferimento
impacchetta "$lavoro/Installa_Ostrale.exe"
cp "$lavoro/Installa_Ostrale.exe" "$lavoro/Danneggiato.exe"
inverti_byte "$lavoro/Danneggiato.exe" 5000
dimensione=$(stat -c %s "$lavoro/Installa_Ostrale.exe")
head -c $((dimensione - 1024)) "$lavoro/Installa_Ostrale.exe" >"$lavoro/Troncato.exe"

verifica_uguale_a_genera_scenario
case "$modo" in
  senza_schermo)
    verifica_guasto_senza_schermo Danneggiato "installatore danneggiato: lo scenario non corrisponde alla sua somma di controllo"
    verifica_guasto_senza_schermo Troncato "installatore troncato o non valido"
    ;;
  con_schermo)
    verifica_guasto_con_schermo Danneggiato
    ;;
  *) fallisci "modo sconosciuto: $modo" ;;
esac
