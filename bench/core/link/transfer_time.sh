#!/usr/bin/env bash
# Transfer time of a default-sized model memory (1870 bytes) in both directions at 4800 and
# 9600 bit/s: veltrano-cli against the paced fc28-sim, compared with the line time of every
# block and acknowledge at 12 bits per byte (fc28-sim measures both on its side of the line).
# Usage: bench/core/link/transfer_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-3}
sim=$build/tools/sim/fc28-sim
cli=$build/tools/cli/veltrano-cli
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 - "$tmp/m.fc" <<'PY'
import sys
image = bytes([1, 19, 23, 0, 55, 61] + [0] * 6) + bytes((i * 7 + 3) % 256 for i in range(12, 1870))
open(sys.argv[1], "wb").write(b"FC2830" + bytes([1870 >> 8, 1870 & 255]) + image)
PY
for baud in 4800 9600; do
  for dir in receive send; do
    for ((i = 1; i <= runs; i++)); do
      rm -f "$tmp/dev" "$tmp/out.fc"
      if [[ $dir == receive ]]; then simmode=(send "$tmp/m.fc"); else simmode=(receive "$tmp/out.fc"); fi
      "$sim" "${simmode[@]}" --baud $baud --path-file "$tmp/dev" --timeout 30 2>"$tmp/sim.err" >/dev/null &
      simpid=$!
      while [[ ! -s $tmp/dev ]]; do sleep 0.05; done
      if [[ $dir == receive ]]; then
        "$cli" receive "$tmp/out.fc" --device "$(cat "$tmp/dev")" --baud $baud --timeout 20 2>/dev/null
      else
        "$cli" send "$tmp/m.fc" --device "$(cat "$tmp/dev")" --baud $baud --timeout 20 2>/dev/null
      fi
      wait $simpid
      cmp -s "$tmp/m.fc" "$tmp/out.fc" || { echo "bytes differ"; exit 1; }
      echo "PC $dir at $baud: $(grep -o 'transfer.*' "$tmp/sim.err")"
    done
  done
done
