#!/usr/bin/env bash
# Runs of the real programs at the same time in one folder, and runs killed
# among them: every run succeeds, one after the other, every final file is a
# single run's, whole, and nothing is left behind.
# Usage: corse_concorrenti.sh MODO CARTELLA_PROGRAMMI DATI LAVORO [EMULATORE]
#   MODO: genera | installatore | compila | impacchetta   N runs at once, N = 2 and 8
#         uccisioni                                        runs of every program killed at random
#         attesa                                           a folder held by another: the wait's message
#         speciali                                         FIFOs and devices as inputs and targets
set -euo pipefail

modo=$1
programmi=$2
dati=$3
lavoro=$4/$modo
emulatore=${5:-}
estensione=""
[ -n "$emulatore" ] && estensione=.exe

rm -rf "$lavoro"
mkdir -p "$lavoro"

fallisci() {
  echo "FALLITO ($modo): $*" >&2
  exit 1
}

# The files each program leaves, and where they are compared from.
uscite_genera=(Ostrale_Fiorna_40817_note.txt Ostrale_Fiorna_40817_rallentamenti.txt
  Ostrale_Fiorna_40817_scheda_treno.txt Ostrale_Fiorna_linea.dat Ostrale_Fiorna_40817.sim Ostrale_Fiorna_40817.dat)
uscite_compila=(Valle_Prova_linea.dat Valle_Prova_2317.sim Valle_Prova_2317.dat Valle_Prova_2317_note.txt
  Valle_Prova_2317_rallentamenti.txt Valle_Prova_2317_scheda_treno.txt)

# The valle scenario's sources in $1; a second version of it with another
# curve and another background when $2 is "b".
sorgenti_valle() {
  mkdir -p "$1"
  cp "$dati"/valle/Valle_Prova_linea.txt "$dati"/valle/Valle_Prova_2317-.txt "$dati"/valle/Valle_Prova_2317_documenti.txt "$1"
  if [ "${2:-a}" = b ]; then
    sed -i -e 's/curvas3, 9100, 800/curvas3, 9100, 900/' -e 's/sfondo uno,    2/sfondo uno,    3/' "$1/Valle_Prova_linea.txt"
  fi
}

# The embedded scenario's five texts in $1, as an author would pack them.
sorgenti_incorporate() {
  mkdir -p "$1"
  for nome in Ostrale_Fiorna_linea.txt Ostrale_Fiorna_40817-.txt Ostrale_Fiorna_40817_note.txt \
    Ostrale_Fiorna_40817_rallentamenti.txt Ostrale_Fiorna_40817_scheda_treno.txt; do
    cp "$dati/$nome" "$1"
  done
}

# Prepares the folder $1 for MODO's program and sets `comando` (the run),
# `uscite` (what it writes there), `attesi` (the folder of the expected files)
# and `propri` (what else belongs in the folder).
prepara() {
  local cartella=$1 quale=$2
  mkdir -p "$cartella"
  case $quale in
    genera)
      cp "$programmi/genera_scenario$estensione" "$cartella/"
      comando=($emulatore "$cartella/genera_scenario$estensione")
      uscite=("${uscite_genera[@]}")
      attesi=$dati
      propri=("genera_scenario$estensione")
      ;;
    installatore)
      sorgenti_incorporate "$lavoro/sorgenti_incorporate"
      "$programmi/impacchetta_scenario" "$lavoro/sorgenti_incorporate" Ostrale_Fiorna 40817 \
        --output "$cartella/Installa$estensione" ${emulatore:+--windows} >/dev/null
      comando=($emulatore "$cartella/Installa$estensione")
      uscite=("${uscite_genera[@]}")
      attesi=$dati
      propri=("Installa$estensione")
      ;;
    compila)
      sorgenti_valle "$lavoro/valle_a"
      comando=($emulatore "$programmi/compila_scenario$estensione" "$lavoro/valle_a/Valle_Prova_linea.txt"
        "$lavoro/valle_a/Valle_Prova_2317-.txt" --documenti --output "$cartella")
      uscite=("${uscite_compila[@]}")
      attesi=$lavoro/attesi_compila
      propri=()
      if [ ! -d "$attesi" ]; then
        mkdir -p "$attesi"
        "$programmi/compila_scenario" "$lavoro/valle_a/Valle_Prova_linea.txt" "$lavoro/valle_a/Valle_Prova_2317-.txt" \
          --documenti --output "$attesi" >/dev/null
      fi
      ;;
    impacchetta)
      sorgenti_incorporate "$lavoro/sorgenti_incorporate"
      comando=("$programmi/impacchetta_scenario" "$lavoro/sorgenti_incorporate" Ostrale_Fiorna 40817
        --output "$cartella/Installa")
      uscite=(Installa)
      attesi=$lavoro/attesi_impacchetta
      propri=()
      mkdir -p "$attesi"
      "${comando[@]/$cartella/$attesi}" >/dev/null
      ;;
  esac
}

# Fails unless the folder holds exactly `uscite` and `propri`, each output
# equal to the expected one.
verifica_cartella() {
  local cartella=$1
  local trovati voluti
  trovati=$(cd "$cartella" && ls -A | sort)
  voluti=$(printf '%s\n' "${uscite[@]}" "${propri[@]}" | sed '/^$/d' | sort)
  [ "$trovati" = "$voluti" ] || fallisci "in $cartella: $(echo $trovati), attesi: $(echo $voluti)"
  for nome in "${uscite[@]}"; do
    cmp -s "$cartella/$nome" "$attesi/$nome" || fallisci "$nome differisce da quello di una sola esecuzione"
  done
}

# N runs at once; all must succeed.
insieme() {
  local n=$1 cartella=$2
  local pid=() i stato=0
  for ((i = 0; i < n; i++)); do
    "${comando[@]}" >"$lavoro/uscita_$i" 2>&1 &
    pid+=($!)
  done
  for i in "${!pid[@]}"; do
    if ! wait "${pid[$i]}"; then
      stato=1
      echo "esecuzione $i di $n fallita:" >&2
      cat "$lavoro/uscita_$i" >&2
    fi
  done
  [ $stato -eq 0 ] || fallisci "$n esecuzioni insieme"
  verifica_cartella "$cartella"
}

case $modo in
  genera | installatore | compila | impacchetta)
    for n in 2 8; do
      cartella=$lavoro/cartella_$n
      prepara "$cartella" "$modo"
      insieme "$n" "$cartella"
      echo "$modo: $n esecuzioni insieme, file intatti, nulla lasciato"
    done
    if [ "$modo" = compila ]; then
      # Two versions of one scenario compiled at once into one folder, over
      # and over: the set left is one version's whole, never a mix.
      sorgenti_valle "$lavoro/valle_b" b
      mkdir -p "$lavoro/attesi_b"
      "$programmi/compila_scenario" "$lavoro/valle_b/Valle_Prova_linea.txt" "$lavoro/valle_b/Valle_Prova_2317-.txt" \
        --documenti --output "$lavoro/attesi_b" >/dev/null
      cmp -s "$lavoro/attesi_b/Valle_Prova_linea.dat" "$lavoro/attesi_compila/Valle_Prova_linea.dat" &&
        fallisci "the two versions give the same geometry: the check would prove nothing"
      cartella=$lavoro/due_versioni
      mkdir -p "$cartella"
      for giro in $(seq 1 10); do
        pid=()
        for ((i = 0; i < 8; i++)); do
          versione=$([ $((i % 2)) -eq 0 ] && echo a || echo b)
          $emulatore "$programmi/compila_scenario$estensione" "$lavoro/valle_$versione/Valle_Prova_linea.txt" \
            "$lavoro/valle_$versione/Valle_Prova_2317-.txt" --documenti --output "$cartella" >/dev/null 2>&1 &
          pid+=($!)
        done
        for p in "${pid[@]}"; do wait "$p" || fallisci "a compile of two versions at once failed"; done
        if cmp -s "$cartella/Valle_Prova_2317.sim" "$lavoro/attesi_b/Valle_Prova_2317.sim"; then
          attesi=$lavoro/attesi_b
        fi
        verifica_cartella "$cartella"
        attesi=$lavoro/attesi_compila
      done
      echo "compila: due versioni insieme, 10 giri: ogni volta l'insieme intero di una sola"
    fi
    ;;

  uccisioni)
    # Older versions under every output name; runs killed at random moments
    # among runs that go on. After every round each output is the older
    # file or the new one, whole, never empty; a last run leaves the folder clean.
    for quale in genera compila installatore; do
      cartella=$lavoro/$quale
      prepara "$cartella" "$quale"
      for nome in "${uscite[@]}"; do printf 'versione precedente di %s\n' "$nome" >"$cartella/$nome"; done
      for giro in $(seq 1 "${GIRI_UCCISIONI:-15}"); do
        pid=()
        for ((i = 0; i < 6; i++)); do
          "${comando[@]}" >/dev/null 2>&1 &
          pid+=($!)
        done
        sleep "0.0$((RANDOM % 6))"
        for ((i = 0; i < 6; i += 2)); do kill -9 "${pid[$((i + RANDOM % 2))]}" 2>/dev/null || true; done
        for p in "${pid[@]}"; do wait "$p" 2>/dev/null || true; done
        for nome in "${uscite[@]}"; do
          [ -s "$cartella/$nome" ] || fallisci "$quale, giro $giro: $nome vuoto o mancante"
          if ! cmp -s "$cartella/$nome" "$attesi/$nome" &&
            [ "$(cat "$cartella/$nome")" != "versione precedente di $nome" ]; then
            fallisci "$quale, giro $giro: $nome is neither the older file nor the new one"
          fi
        done
      done
      "${comando[@]}" >/dev/null || fallisci "$quale: the run after the kills failed"
      verifica_cartella "$cartella"
      echo "$quale: esecuzioni uccise fra altre, ogni file vecchio o nuovo, poi nulla lasciato"
    done
    ;;

  attesa)
    # Another process holds the folder (flock, as every run takes it): each
    # program waits as long as it is told, says so, and touches nothing.
    for quale in genera installatore compila impacchetta; do
      cartella=$lavoro/$quale
      prepara "$cartella" "$quale"
      for nome in "${uscite[@]}"; do echo vecchio >"$cartella/$nome"; done
      prima=$(cd "$cartella" && ls -A | sort && cat "${uscite[@]}")
      # Held for 2 s, by a process that ends by itself and keeps no output open.
      flock "$cartella" sleep 2 >/dev/null 2>&1 &
      tenuta=$!
      sleep 0.3
      set +e
      SCENARIO_ATTESA_CARTELLA=0.5 "${comando[@]}" >/dev/null 2>"$lavoro/errori"
      stato=$?
      set -e
      wait "$tenuta"
      [ $stato -eq 1 ] || fallisci "$quale: exit status $stato with the folder held"
      grep -q "$cartella: un'altra esecuzione sta scrivendo in questa cartella: attesi 0,5 s" "$lavoro/errori" ||
        fallisci "$quale: message: $(cat "$lavoro/errori")"
      [ "$(cd "$cartella" && ls -A | sort && cat "${uscite[@]}")" = "$prima" ] || fallisci "$quale: the folder changed"
      # Let go, the same run goes through.
      "${comando[@]}" >/dev/null || fallisci "$quale: the run after the hold failed"
      verifica_cartella "$cartella"
      echo "attesa ($quale): messaggio, nulla toccato; poi la cartella libera"
    done
    ;;

  speciali)
    # FIFOs and devices, as inputs and as targets: refused by name at once.
    limite=20
    prova() {
      local stato_atteso=$1 testo=$2
      shift 2
      set +e
      timeout $limite "$@" >/dev/null 2>"$lavoro/errori"
      local stato=$?
      set -e
      [ $stato -ne 124 ] || fallisci "$* waited for ever"
      [ $stato -eq "$stato_atteso" ] || fallisci "$*: exit status $stato: $(cat "$lavoro/errori")"
      grep -qF "$testo" "$lavoro/errori" || fallisci "$*: message $(cat "$lavoro/errori")"
    }
    fifo="non \xe8 un file ordinario ma una FIFO"
    dispositivo="non \xe8 un file ordinario ma un dispositivo"
    sorgenti_valle "$lavoro/s"
    mkfifo "$lavoro/s/Fifo_linea.txt"
    cp "$lavoro/s/Valle_Prova_2317-.txt" "$lavoro/s/Fifo_2317-.txt"
    prova 1 "$lavoro/s/Fifo_linea.txt: $(printf "$fifo")" \
      "$programmi/compila_scenario" "$lavoro/s/Fifo_linea.txt" "$lavoro/s/Fifo_2317-.txt"
    ln -s /dev/zero "$lavoro/s/Zero_linea.txt"
    cp "$lavoro/s/Valle_Prova_2317-.txt" "$lavoro/s/Zero_2317-.txt"
    prova 1 "$lavoro/s/Zero_linea.txt: $(printf "$dispositivo")" \
      "$programmi/compila_scenario" "$lavoro/s/Zero_linea.txt" "$lavoro/s/Zero_2317-.txt"
    mkdir -p "$lavoro/u"
    mkfifo "$lavoro/u/Valle_Prova_2317.sim"
    prova 1 "$lavoro/u/Valle_Prova_2317.sim: $(printf "$fifo")" \
      "$programmi/compila_scenario" "$lavoro/s/Valle_Prova_linea.txt" "$lavoro/s/Valle_Prova_2317-.txt" --output "$lavoro/u"
    [ "$(ls -A "$lavoro/u")" = Valle_Prova_2317.sim ] || fallisci "compila_scenario wrote beside a FIFO target"
    cartella=$lavoro/genera
    prepara "$cartella" genera
    mkfifo "$cartella/Ostrale_Fiorna_40817.dat"
    prova 1 "$cartella/Ostrale_Fiorna_40817.dat: $(printf "$fifo")" "${comando[@]}"
    [ "$(ls -A "$cartella" | sort | tr '\n' ' ')" = "Ostrale_Fiorna_40817.dat genera_scenario " ] ||
      fallisci "genera_scenario wrote beside a FIFO target: $(ls -A "$cartella")"
    if [ -x "$programmi/esamina_scenario" ]; then
      mkdir -p "$lavoro/e"
      mkfifo "$lavoro/e/Ostrale_Fiorna_40817.sim"
      prova 1 "$lavoro/e/Ostrale_Fiorna_40817.sim: $(printf "$fifo")" \
        "$programmi/esamina_scenario" "$lavoro/e" Ostrale_Fiorna 40817
      rm "$lavoro/e/Ostrale_Fiorna_40817.sim"
      cp "$dati/Ostrale_Fiorna_40817.sim" "$lavoro/e/"
      ln -s /dev/zero "$lavoro/e/Ostrale_Fiorna_40817.dat"
      prova 1 "$lavoro/e/Ostrale_Fiorna_40817.dat: $(printf "$dispositivo")" \
        "$programmi/esamina_scenario" "$lavoro/e" Ostrale_Fiorna 40817
    fi
    mkfifo "$lavoro/Installa"
    prova 1 "$lavoro/Installa: $(printf "$fifo")" \
      "$programmi/impacchetta_scenario" "$lavoro/s" Valle_Prova 2317 --output "$lavoro/Installa"
    echo "speciali: FIFO e dispositivi rifiutati per nome, senza attese"
    ;;

  *)
    fallisci "modo sconosciuto"
    ;;
esac
