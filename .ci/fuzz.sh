#!/usr/bin/env bash
# Builds the fuzz target over the whole compile and runs it for a bounded time.
# Fails on any crash, leak, timeout or memory blow-up; the input that caused it
# is left in build/fuzz/trovati/ to become a regression test in tests/dati/fuzz/.
# Usage: .ci/fuzz.sh [seconds]   (default 120)
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
cmake --build --preset fuzz --target compila_fuzz

corpus=build/fuzz/corpus
trovati=build/fuzz/trovati
mkdir -p "$corpus" "$trovati"
# The run grows its own corpus; the seeds and every past finding start it.
build/fuzz/fuzz/compila_fuzz "$corpus" fuzz/semi tests/dati/fuzz \
  -dict=fuzz/parole.dict \
  -max_total_time="$secondi" \
  -rss_limit_mb=2048 \
  -timeout=10 \
  -max_len=65536 \
  -artifact_prefix="$trovati/" \
  -print_final_stats=1
