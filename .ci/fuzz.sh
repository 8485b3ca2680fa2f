#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time: the whole compile
# (what it writes must read back as the same model), then the readers of the
# compiled files (what they take must write back as the same bytes).
# Fails on any crash, leak, timeout, memory blow-up or broken property; the
# input that caused it is left in build/fuzz/trovati/ to become a regression
# test in tests/dati/fuzz/ or tests/dati/fuzz_binari/.
# Usage: .ci/fuzz.sh [seconds per target]   (default 120)
set -euo pipefail
cd "$(dirname "$0")/.."

secondi="${1:-120}"

# The fuzzer needs clang and its libFuzzer runtime; install them where missing.
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y clang libclang-rt-dev || \
    DEBIAN_FRONTEND=noninteractive apt-get install -y clang
fi
cmake --preset fuzz
cmake --build --preset fuzz --target compila_fuzz leggi_fuzz

trovati=build/fuzz/trovati
mkdir -p build/fuzz/corpus build/fuzz/corpus_binari "$trovati"

echo "== fuzzing the compile for $secondi s"
# The run grows its own corpus; the seeds and every past finding start it.
build/fuzz/fuzz/compila_fuzz build/fuzz/corpus fuzz/semi tests/dati/fuzz \
  -dict=fuzz/parole.dict \
  -max_total_time="$secondi" \
  -rss_limit_mb=2048 \
  -timeout=10 \
  -max_len=65536 \
  -artifact_prefix="$trovati/" \
  -print_final_stats=1

echo "== fuzzing the readers of the compiled files for $secondi s"
# Seeds: the embedded scenario's three files (the geometry cut to the first
# max_len bytes) and every kept finding.
semi=build/fuzz/semi_binari
mkdir -p "$semi"
cp tests/dati/Ostrale_Fiorna_40817.sim tests/dati/Ostrale_Fiorna_40817.dat tests/dati/Ostrale_Fiorna_linea.dat "$semi/"
build/fuzz/fuzz/leggi_fuzz build/fuzz/corpus_binari "$semi" tests/dati/fuzz_binari \
  -max_total_time="$secondi" \
  -rss_limit_mb=2048 \
  -timeout=10 \
  -max_len=262144 \
  -artifact_prefix="$trovati/" \
  -print_final_stats=1
