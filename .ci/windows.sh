#!/usr/bin/env bash
# The whole Windows check, in three steps that also run on their own:
# install what is missing, build and test under Wine (with the program's
# files compared to the Linux build's), then the checks on a virtual screen.
set -euo pipefail
cartella=$(dirname "${BASH_SOURCE[0]}")
bash "$cartella/windows_installa.sh"
bash "$cartella/windows_compila.sh"
bash "$cartella/windows_schermo.sh"
printf '\n== windows: tutte le verifiche riuscite\n'
