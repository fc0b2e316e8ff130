#!/usr/bin/env bash
# Installs what is missing, builds, and measures a simulated fruit: the
# virtual instrument qlx-sim on a pseudo-terminal, the C example qlx-measure
# driving it through the driver library, the curve printed as CSV.
#   scripts/run.sh [qlx-sim options, e.g. --fruit kiwi --seed 3]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target qlx-sim qlx_dll qlx-measure

bin=build/default/bin
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT
"$bin/qlx-sim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
pty=$(head -n 1 "$work/sim.out")
[ -n "$pty" ] || { echo "qlx-sim did not start:" >&2; cat "$work/sim.err" >&2; exit 1; }
echo "Virtual instrument on $pty" >&2

scripts/make-config-record.py "$work/config" "$pty"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}" # the driver's offscreen windows ask for it
status=0
QLX_SERIAL_PORTS="$pty" QLX_MESSAGE_LOG="$work/messages.jsonl" \
  "$bin/qlx-measure" "$PWD/build/default/driver/api/libqlx_dll.so" "$work/config" || status=$?
if [ -s "$work/messages.jsonl" ]; then
  echo "Messages of the driver:" >&2
  cat "$work/messages.jsonl" >&2
fi
exit "$status"
