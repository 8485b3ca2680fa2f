#!/usr/bin/env bash
# Cross-compiles the Windows program with MinGW-w64, checks that it is a
# desktop program needing only Windows' own DLLs, runs the test suite under
# Wine, and runs genera_scenario.exe without any screen: its files must be
# byte-identical to the Linux build's. Needs what windows_installa.sh installs.
source "$(dirname "${BASH_SOURCE[0]}")/windows_comune.sh"

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

passo "compilo (preset windows)"
cmake --preset windows
cmake --build --preset windows

passo "un eseguibile per il desktop, senza DLL da portare con se'"
verifica_eseguibile

prepara_wine

passo "test sotto Wine"
# Now and then Wine fails to start a process at all: exit 1 in a few
# hundredths of a second, not a byte of output, never twice in a row. The
# failed tests run once more, with their output; a real fault fails again.
if ! ctest --preset windows; then
  echo "test falliti: li ripeto una volta"
  ctest --preset windows --rerun-failed --output-on-failure
fi

prepara_riferimento
passo "genera_scenario.exe senza schermo"
esegui_e_confronta "senza schermo"
rm -rf "$riferimento"

# The lock file between processes, as users start them: two, then eight
# genera_scenario.exe at once in one folder, each waiting its turn.
passo "esecuzioni insieme in una cartella"
bash "$radice/tests/corse_concorrenti.sh" genera "$build" "$radice/tests/dati" "$build/corse_concorrenti" wine ||
  fallisci "esecuzioni insieme di genera_scenario.exe"

passo "installatore per Windows senza schermo"
bash "$radice/.ci/installatore_windows.sh" senza_schermo
passo "compilazione e test riusciti"
