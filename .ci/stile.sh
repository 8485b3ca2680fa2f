#!/usr/bin/env bash
# The style of the code changed since the style configs came in: clang-format
# on the changed lines, clang-tidy on the changed lines of every changed file
# that Linux builds (with the clang preset's compile_commands.json). Older
# code is left as it is until it is changed.
# Usage: .ci/stile.sh [BASE]   (default: the commit that added .clang-format)
set -euo pipefail
cd "$(dirname "$0")/.."

mancanti=()
command -v git-clang-format >/dev/null || mancanti+=(clang-format)
command -v clang-tidy-diff >/dev/null || mancanti+=(clang-tidy)
command -v cmake >/dev/null || mancanti+=(cmake)
command -v clang++ >/dev/null || mancanti+=(clang)
if [ ${#mancanti[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${mancanti[@]}" >/dev/null
fi

fallisci() {
  printf 'stile: %s\n' "$*" >&2
  exit 1
}

# A shallow clone may lack the commit: the whole history is needed to find it.
base=${1:-$(git log --diff-filter=A --format=%H -n 1 -- .clang-format)}
[ -n "$base" ] || fallisci "nessun commit introduce .clang-format (un clone superficiale?)"
echo "stile: il codice cambiato da $(git log -n 1 --format='%h %s' "$base")"

echo "== clang-format"
# Only the hunks that touch changed lines count: around a changed line
# clang-format reflows its whole statement, a table of cases included.
if ! git clang-format --diff --extensions cpp,h "$base" | python3 .ci/righe_cambiate.py "$base"; then
  fallisci "righe cambiate non formattate come vuole .clang-format (git clang-format $base)"
fi
echo "formato: le righe cambiate sono in ordine"

echo "== clang-tidy"
compilazione=build/clang
# Configured afresh: files added since the last configure must be in the commands.
cmake --preset clang >/dev/null
# The files Linux builds: those of the compile commands and the headers beside
# them; the Windows-only files need the Windows headers.
mapfile -t cambiati < <(git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h' | grep -v '_windows\.' || true)
controllati=()
for f in "${cambiati[@]}"; do
  if [[ $f == *.h ]] || grep -qF "\"$PWD/$f\"" "$compilazione/compile_commands.json"; then
    controllati+=("$f")
  fi
done
if [ ${#controllati[@]} -eq 0 ]; then
  echo "tidy: nessun file cambiato da controllare"
  exit 0
fi
rapporto=$(git diff -U0 "$base" -- "${controllati[@]}" |
  clang-tidy-diff -p1 -path "$compilazione" -quiet -j 2 2>&1 || true)
avvisi=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' <<<"$rapporto" || true)
if [ -n "$avvisi" ]; then
  printf '%s\n' "$rapporto"
  fallisci "clang-tidy: $(grep -c . <<<"$avvisi") avvisi sulle righe cambiate"
fi
echo "tidy: ${#controllati[@]} file, nessun avviso sulle righe cambiate"
