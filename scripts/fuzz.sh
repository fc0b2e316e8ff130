#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz", clang) and runs each for a while on
# its seed corpus; any crash, leak or hang fails the run.
#   scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target qlx_fuzzers -j "$(nproc)"
build=build/fuzz
shopt -s nullglob
for seeds in "$build"/fuzzers/*.seeds; do
  name="$(basename "$seeds" .seeds)"
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix="$build/fuzzers/$name-")
  if [ -f "$build/fuzzers/$name.dict" ]; then options+=(-dict="$build/fuzzers/$name.dict"); fi
  echo "== $name: $seconds s"
  "$build/fuzzers/$name" "${options[@]}" "$corpus" "$(cat "$seeds")"
done
